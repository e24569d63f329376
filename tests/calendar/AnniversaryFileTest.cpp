#include "calendar/AnniversaryFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "calendar/AnniversaryLine.h"
#include "calendar/AnniversaryText.h"
#include "calendar/FileIo.h"
#include "platform/text/TextEncoding.h"
#include "tests/calendar/TempFolder.h"
#include "tests/calendar/TestRecords.h"

namespace fs = std::filesystem;

namespace {

class AnniversaryFileTest : public TempFolderTest {
protected:

    std::string PathOf(const char* name) const { return (fs::path(folder_) / name).string(); }
    void Write(const char* name, std::string_view bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }
    std::string Read(const char* name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool Exists(const char* name) const { return fs::exists(PathOf(name)); }

    AnniversaryList Load() const {
        AnniversaryList list;
        EXPECT_EQ(LoadAnniversaries(list, folder_), 1);
        return list;
    }
};

void ExpectSameLists(const AnniversaryList& a, const AnniversaryList& b) {
    ASSERT_EQ(a.Count(), b.Count());
    for (size_t i = 0; i < a.Count(); ++i) {
        EXPECT_TRUE(SameAnniversary(a.At(i), b.At(i))) << FormatAnniversaryLine(a.At(i));
    }
}

TEST_F(AnniversaryFileTest, SaveAndLoadKeepEveryKindOfRecord) {
    AnniversaryList list;
    AddAnniversary(list, kAnniversaryByDate, 2001, 5, 5, 0, 0, 0, 0, "어린이날", 0x0000FF);
    AddAnniversary(list, kAnniversaryBirthday, 0, 3, 8, 1, 1, 1, 0, "엄마 생신", 0);
    AddAnniversary(list, kAnniversaryBirthday, 2020, 4, 1, 0, 1, 1, 1, "윤달 생일", 0x123456);
    AddAnniversary(list, kAnniversaryByWeekday, 2009, 52, 1, 0, 0, 0, 0, "어머니", 0);
    AddAnniversary(list, kAnniversaryByWeekday, 0, 101, 7, 1, 0, 0, 0, "시월 첫 토요일", 0);
    AddAnniversary(list, kAnniversaryByWeekday, 2011, 125, 1, 0, 1, 0, 0, "십이월 끝 일요일", 0);
    ASSERT_EQ(SaveAnniversaries(list, folder_), 1);

    const std::string bytes = Read(kAnniversaryFileName);
    EXPECT_TRUE(Cp949ToUtf8(bytes).starts_with("[#ff0000] 2001/05/05 어린이날\r\n[#000000] !L"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 6);
    EXPECT_FALSE(Exists(kAnniversaryTempName));
    ExpectSameLists(Load(), list);

    AnniversaryList empty;
    ASSERT_EQ(SaveAnniversaries(empty, folder_), 1);
    EXPECT_EQ(Read(kAnniversaryFileName), "");
    EXPECT_EQ(Load().Count(), 0u);
}

TEST_F(AnniversaryFileTest, BothEncodingsAndLineEndsReadTheSame) {
    const std::string text = "# 메모\n[#00ff00]\n\n[#ff0000] 2001/05/05 생일\r\n  @2009/52/02 둘째 월요일  \n";
    Write(kAnniversaryFileName, *Utf8ToCp949(text));
    const AnniversaryList fromCp949 = Load();
    ASSERT_EQ(fromCp949.Count(), 2u);
    EXPECT_EQ(fromCp949.At(1).name, "둘째 월요일");

    Write(kAnniversaryFileName, "\xFF\xFE" + Utf8ToUtf16Le(text));
    ExpectSameLists(Load(), fromCp949);

    // The next save writes only the records.
    AnniversaryList list = Load();
    ASSERT_EQ(SaveAnniversaries(list, folder_), 1);
    EXPECT_EQ(Cp949ToUtf8(Read(kAnniversaryFileName)),
              "[#ff0000] 2001/05/05 생일\r\n[#000000] @2009/52/02 둘째 월요일\r\n");
}

TEST_F(AnniversaryFileTest, NameOutsideCodePage949IsKeptAsUtf16) {
    AnniversaryList list;
    AddAnniversary(list, MakeRecord(kAnniversaryByDate, 0, 1, 1, "생일 \xF0\x9F\x8E\x82"));
    AddAnniversary(list, MakeRecord(kAnniversaryByDate, 0, 1, 2, "보통"));
    ASSERT_EQ(SaveAnniversaries(list, folder_), 1);
    EXPECT_TRUE(Read(kAnniversaryFileName).starts_with("\xFF\xFE[\0#\0"));
    ExpectSameLists(Load(), list);
}

TEST_F(AnniversaryFileTest, LongLinesStayOneRecord) {
    const std::string name(3000, 'x');
    Write(kAnniversaryFileName, "[#000000] 2001/05/05 " + name + "\r\n2001/05/06 b\r\n");
    const AnniversaryList list = Load();
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).name, name);
    EXPECT_EQ(list.At(1).name, "b");
}

TEST_F(AnniversaryFileTest, DamagedFilesLoadTheirGoodLines) {
    Write(kAnniversaryFileName, "2001/05/05 \x80\xBC\n2001/05/06 ok\n\xFF\xFF\xFF\n");
    const AnniversaryList cp949 = Load();
    ASSERT_EQ(cp949.Count(), 2u);
    EXPECT_EQ(cp949.At(0).name, "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(cp949.At(1).name, "ok");

    Write(kAnniversaryFileName, "\xFF\xFE" + Utf8ToUtf16Le("2001/05/05 a\n") + "x");  // odd length
    EXPECT_EQ(Load().Count(), 1u);
    Write(kAnniversaryFileName, "\xFF\xFE");
    EXPECT_EQ(Load().Count(), 0u);

}

TEST_F(AnniversaryFileTest, FirstStartRenamesTheInitialFile) {
    AnniversaryList list;
    EXPECT_EQ(LoadAnniversaries(list, folder_), 0);  // neither file

    ASSERT_EQ(InstallDefaultAnniversaries(folder_), 1);
    ASSERT_TRUE(Exists(kAnniversaryInitialName));
    const std::string initial = Read(kAnniversaryInitialName);
    EXPECT_TRUE(initial.starts_with("[#"));
    EXPECT_EQ(initial.find("\n#"), std::string::npos);  // notes are not installed
    EXPECT_NE(initial.find("\r\n"), std::string::npos);

    list = Load();
    EXPECT_FALSE(Exists(kAnniversaryInitialName));
    EXPECT_TRUE(Exists(kAnniversaryFileName));
    ASSERT_GE(list.Count(), 12u);
    EXPECT_EQ(FormatAnniversaryLine(list.At(1)), "[#d80000] L0000/01/01-+ 설날");

    // Never over an existing file.
    Write(kAnniversaryFileName, "2001/05/05 mine\r\n");
    EXPECT_EQ(InstallDefaultAnniversaries(folder_), 1);
    EXPECT_FALSE(Exists(kAnniversaryInitialName));
    EXPECT_EQ(Load().Count(), 1u);
}

TEST_F(AnniversaryFileTest, UnreadableDataFileIsNotReplacedByTheInitialOne) {
    fs::create_directory(PathOf(kAnniversaryFileName));
    Write(kAnniversaryInitialName, "2001/05/05 initial\r\n");
    AnniversaryList list;
    EXPECT_EQ(LoadAnniversaries(list, folder_), 0);
    EXPECT_TRUE(Exists(kAnniversaryInitialName));
}

TEST_F(AnniversaryFileTest, FailedSaveLeavesTheOldFile) {
    Write(kAnniversaryFileName, "2001/05/05 old\r\n");
    AnniversaryList list = Load();
    AddAnniversary(list, MakeRecord(kAnniversaryByDate, 0, 1, 1, "new"));

    // This writer's temporary name cannot be taken (works for root too).
    const std::string temp = WriterUniqueName(kAnniversaryTempName);
    fs::create_directories(PathOf(temp.c_str()) + std::string("/busy"));
    std::string error;
    EXPECT_EQ(SaveAnniversaries(list, folder_, &error), 0);
    EXPECT_NE(error.find(kAnniversaryTempName), std::string::npos) << error;
    EXPECT_EQ(Read(kAnniversaryFileName), "2001/05/05 old\r\n");

    EXPECT_EQ(SaveAnniversaries(list, folder_ + "/missing"), 0);
    fs::remove_all(PathOf(temp.c_str()));
    EXPECT_EQ(SaveAnniversaries(list, folder_), 1);
    EXPECT_EQ(Load().Count(), 2u);
}

TEST_F(AnniversaryFileTest, SkippedLinesAreKeptAsideBeforeTheFirstSave) {
    const std::string original = "2001/05/05 good\r\n[#ff0000] 2001/0\r\n";
    Write(kAnniversaryFileName, original);
    AnniversaryList list = Load();
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.SkippedLines(), 1u);
    ASSERT_EQ(SaveAnniversaries(list, folder_), 1);
    EXPECT_EQ(Read(kAnniversaryBackupName), original);
    EXPECT_EQ(Read(kAnniversaryFileName), "[#000000] 2001/05/05 good\r\n");

    // Later saves leave the copy alone; a clean load makes none.
    Write(kAnniversaryBackupName, "kept");
    ASSERT_EQ(SaveAnniversaries(list, folder_), 1);
    AnniversaryList clean = Load();
    ASSERT_EQ(SaveAnniversaries(clean, folder_), 1);
    EXPECT_EQ(Read(kAnniversaryBackupName), "kept");
}

}  // namespace

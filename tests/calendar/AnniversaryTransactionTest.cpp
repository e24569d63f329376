#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "calendar/AnniversaryEdits.h"
#include "calendar/AnniversaryFile.h"
#include "calendar/FileIo.h"
#include "tests/calendar/TempFolder.h"
#include "tests/calendar/TestRecords.h"

namespace fs = std::filesystem;

namespace {

class AnniversaryTransactionTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        std::ofstream(Path(kAnniversaryFileName), std::ios::binary)
            << "2001/01/01 zero\r\n2001/01/02 one\r\n2001/01/03 two\r\n";
    }
    std::string Path(const std::string& name) const { return (fs::path(folder_) / name).string(); }
    std::string FileBytes() const {
        std::ifstream in(Path(kAnniversaryFileName), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    AnniversaryList Load() const {
        AnniversaryList list;
        EXPECT_EQ(LoadAnniversaries(list, folder_), 1);
        return list;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        const AnniversaryList list = Load();
        for (size_t i = 0; i < list.Count(); ++i) names.push_back(list.At(i).name);
        return names;
    }
};

using NameList = std::vector<std::string>;

TEST_F(AnniversaryTransactionTest, EditsFindTheirRecordAfterAnotherWriterMovedIt) {
    const AnniversaryList mine = Load();  // "one" is at 1 here
    std::string error;
    ASSERT_EQ(SaveRemovedAnniversary(folder_, 0, Load().At(0), nullptr, &error), 1) << error;

    Anniversary changed = mine.At(1);
    changed.name = "one, edited";
    AnniversaryList result;
    size_t at = 99;
    ASSERT_EQ(SaveChangedAnniversary(folder_, 1, mine.At(1), changed, &result, &at, &error), 1);
    EXPECT_EQ(at, 0u);
    EXPECT_EQ(Names(), (NameList{"one, edited", "two"}));
    EXPECT_EQ(result.At(0).name, "one, edited");

    // Removing by the stale index 2 still removes "two", now at 1.
    ASSERT_EQ(SaveRemovedAnniversary(folder_, 2, mine.At(2), nullptr, &error), 1);
    EXPECT_EQ(Names(), (NameList{"one, edited"}));
}

TEST_F(AnniversaryTransactionTest, ChangedOrVanishedRecordsAreRefusedAndNothingIsWritten) {
    const AnniversaryList mine = Load();
    Anniversary elsewhere = mine.At(1);
    elsewhere.color = 0xFF;
    ASSERT_EQ(SaveChangedAnniversary(folder_, 1, mine.At(1), elsewhere, nullptr, nullptr, nullptr), 1);
    const std::string before = FileBytes();

    std::string error;
    AnniversaryList result;
    EXPECT_EQ(SaveRemovedAnniversary(folder_, 1, mine.At(1), &result, &error), 0);
    EXPECT_EQ(error, kAnniversaryChangedElsewhere);
    EXPECT_EQ(SaveChangedAnniversary(folder_, 1, mine.At(1), mine.At(0), nullptr, nullptr, &error), 0);
    EXPECT_EQ(FileBytes(), before);
    ASSERT_EQ(result.Count(), 3u);  // the list as on disk
    EXPECT_EQ(result.At(1).color, 0xFFu);

    // An edit that changed the list before refusing leaves no trace either.
    EXPECT_EQ(UpdateAnniversaries(
                  folder_,
                  [](AnniversaryList& list) {
                      list.Clear();
                      return AnniversaryEditResult::Refuse("아니요");
                  },
                  &result, &error),
              0);
    EXPECT_EQ(error, "아니요");
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(result.Count(), 3u);
}

TEST_F(AnniversaryTransactionTest, FailedWriteSaysSoAndKeepsTheFile) {
    const std::string before = FileBytes();
    const std::string temp = WriterUniqueName(kAnniversaryTempName);
    fs::create_directories(Path(temp) + "/busy");
    std::string error;
    AnniversaryList result;
    EXPECT_EQ(SaveNewAnniversary(folder_, MakeRecord(kAnniversaryByDate, 0, 5, 5, "new"), &result,
                                 nullptr, &error),
              0);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(result.Count(), 3u);

    // A killed writer's leftovers go with the next save.
    fs::remove_all(Path(temp));
    std::ofstream(Path(std::string(kAnniversaryTempName) + ".1.1")) << "half";
    std::ofstream(Path(kAnniversaryTempName)) << "half";
    ASSERT_EQ(SaveNewAnniversary(folder_, MakeRecord(kAnniversaryByDate, 0, 5, 5, "new"), nullptr,
                                 nullptr, &error),
              1);
    for (const auto& entry : fs::directory_iterator(folder_)) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(kAnniversaryTempName))
            << entry.path();
    }
    EXPECT_EQ(Names().back(), "new");
}

TEST_F(AnniversaryTransactionTest, ConcurrentWritersLoseNothing) {
    constexpr int kThreads = 4;
    constexpr int kAdds = 25;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([this, t] {
            for (int i = 0; i < kAdds; ++i) {
                const std::string name = std::to_string(t) + "-" + std::to_string(i);
                EXPECT_EQ(SaveNewAnniversary(folder_, MakeRecord(kAnniversaryByDate, 0, 1, 1, name),
                                             nullptr, nullptr, nullptr),
                          1);
            }
        });
    }
    for (std::thread& w : writers) w.join();
    const AnniversaryList list = Load();
    EXPECT_EQ(list.Count(), 3u + kThreads * kAdds);
}

}  // namespace

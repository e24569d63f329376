// Interoperation with an independent client: vdirsyncer mirrors the
// collection into a folder of .ics files. What Dayvane pushed must be valid
// iCalendar there, and what is added or changed in the folder reaches Dayvane.
#include <gtest/gtest.h>

#include <libical/ical.h>

#include <QProcess>
#include <QStandardPaths>

#include <fstream>

#include "platform/store/PoomRecurrencePattern.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/sync/SyncDevice.h"

namespace {

namespace fs = std::filesystem;

class Vdirsyncer {
public:
    Vdirsyncer(const fs::path& root, const std::string& url) : m_root(root), m_files(root / "files")
    {
        fs::create_directories(m_files);
        fs::create_directories(root / "status");
        // One collection named by URL: no discovery of others, nothing to confirm.
        std::ofstream(root / "config") << "[general]\nstatus_path = \"" << (root / "status").string() << "/\"\n\n"
                                       << "[pair cal]\na = \"cal_files\"\nb = \"cal_server\"\ncollections = null\n"
                                       << "conflict_resolution = \"b wins\"\n\n"
                                       << "[storage cal_files]\ntype = \"filesystem\"\npath = \"" << m_files.string()
                                       << "/\"\nfileext = \".ics\"\n\n"
                                       << "[storage cal_server]\ntype = \"caldav\"\nurl = \"" << url
                                       << "\"\nusername = \"" << RadicaleServer::kUser << "\"\npassword = \""
                                       << RadicaleServer::kPassword << "\"\n";
    }

    // The command's output when it fails, else empty.
    std::string Run(const QString& command)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("vdirsyncer"),
                      {QStringLiteral("-c"), QString::fromStdString((m_root / "config").string()), command});
        process.write("y\n");
        process.closeWriteChannel();
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return "vdirsyncer " + command.toStdString() + " did not finish";
        }
        const std::string output = process.readAll().toStdString();
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return output.empty() ? "failed" : output;
        return {};
    }

    const fs::path& Files() const { return m_files; }

private:
    fs::path m_root;
    fs::path m_files;
};

std::string ReadText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Why libical would not take the text as one calendar object; empty when it does.
std::string IcalProblem(const std::string& text)
{
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    if (calendar == nullptr) return "not iCalendar";
    std::string problem;
    if (icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) problem = "not a VCALENDAR";
    else if (icalcomponent_count_errors(calendar) != 0) problem = "libical reports errors";
    else if (icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT) == nullptr) problem = "no VEVENT";
    icalcomponent_free(calendar);
    return problem;
}

// Replaced as an editor would: a new file renamed over the old one.
void WriteFile(const fs::path& file, const std::string& text)
{
    const fs::path temporary = file.string() + ".tmp";
    std::ofstream(temporary, std::ios::binary | std::ios::trunc) << text;
    fs::rename(temporary, file);
}

TEST(Vdirsyncer, SeesValidIcalendarAndItsChangesReachDayvane)
{
    if (QStandardPaths::findExecutable(QStringLiteral("vdirsyncer")).isEmpty())
        GTEST_SKIP() << "vdirsyncer is not installed (scripts/setup.sh installs it)";
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    const std::string url = server.MakeCalendar("cal");
    ASSERT_FALSE(url.empty());
    TempDevice folder;
    SyncDevice device(folder.Root() / "pim.vol", url);

    const CEOID meeting = device.Add("회의", Ole(2026, 1, 5, 10));
    auto series = device.app.CreateItem(olAppointmentItem);
    series->SetSubject("요가");
    series->AsAppointment()->SetStart(Ole(2026, 1, 6, 19));
    series->AsAppointment()->SetDuration(60);
    auto* pattern = series->AsAppointment()->GetRecurrencePattern();
    pattern->SetRecurrenceType(olRecursWeekly);
    pattern->SetDayOfWeekMask(4);  // Tuesday
    pattern->SetOccurrences(4);
    ASSERT_TRUE(series->Save()) << series->LastError();
    auto moved = pattern->GetOccurrence(Ole(2026, 1, 13));
    ASSERT_TRUE(moved);
    moved->SetStart(Ole(2026, 1, 14, 19));
    ASSERT_TRUE(moved->Save()) << moved->LastError();
    SyncSummary summary = device.Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    ASSERT_EQ(summary.pushed, 2);

    Vdirsyncer mirror(folder.Root() / "vdir", url);
    ASSERT_EQ(mirror.Run(QStringLiteral("discover")), "");
    ASSERT_EQ(mirror.Run(QStringLiteral("sync")), "");
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(mirror.Files())) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 2u);
    fs::path meetingFile;
    for (const fs::path& file : files) {
        const std::string text = ReadText(file);
        EXPECT_EQ(IcalProblem(text), "") << file << "\n" << text;
        if (text.find("SUMMARY:회의\r\n") != std::string::npos || text.find("SUMMARY:회의\n") != std::string::npos)
            meetingFile = file;
    }
    ASSERT_FALSE(meetingFile.empty());

    // A change to one file and a new file, synced up by vdirsyncer.
    std::string changed = ReadText(meetingFile);
    const std::string summaryLine = "SUMMARY:회의";
    const size_t at = changed.find(summaryLine + "\r\n") != std::string::npos ? changed.find(summaryLine + "\r\n")
                                                                                : changed.find(summaryLine + "\n");
    changed.insert(at + summaryLine.size(), " (폴더에서)");
    WriteFile(meetingFile, changed);
    WriteFile(mirror.Files() / "from-folder.ics",
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Folder//EN\r\nBEGIN:VEVENT\r\n"
              "UID:from-folder-1\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:20260108T090000Z\r\n"
              "DTEND:20260108T100000Z\r\nSUMMARY:폴더에서 만든 일정\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    ASSERT_EQ(mirror.Run(QStringLiteral("sync")), "");

    summary = device.Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.pulled, 2) << summary.Line();
    EXPECT_EQ(device.Subjects(), (std::vector<std::string>{"요가", "폴더에서 만든 일정", "회의 (폴더에서)"}));
    EXPECT_EQ(device.app.GetItemFromOid(meeting)->Subject(), "회의 (폴더에서)");
}

} // namespace

#include <gtest/gtest.h>

#include "pim/session/IcalExport.h"
#include "pim/session/IcalImport.h"
#include "pim/session/ItemDates.h"
#include "pim/session/NotesText.h"
#include "pim/session/PimSession.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

const char kCalendar[] =
    "BEGIN:VCALENDAR\r\n"
    "VERSION:2.0\r\n"
    "PRODID:-//Test//Test//EN\r\n"
    "BEGIN:VTIMEZONE\r\n"
    "TZID:America/New_York\r\n"
    "BEGIN:STANDARD\r\n"
    "DTSTART:19701101T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\n"
    "TZOFFSETFROM:-0400\r\n"
    "TZOFFSETTO:-0500\r\n"
    "END:STANDARD\r\n"
    "BEGIN:DAYLIGHT\r\n"
    "DTSTART:19700308T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\n"
    "TZOFFSETFROM:-0500\r\n"
    "TZOFFSETTO:-0400\r\n"
    "END:DAYLIGHT\r\n"
    "END:VTIMEZONE\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:meeting@test\r\n"
    "SUMMARY:뉴욕 회의\r\n"
    "LOCATION:본사\r\n"
    "DESCRIPTION:안건\\n1. 예산\r\n"
    "DTSTART;TZID=America/New_York:20240110T090000\r\n"
    "DURATION:PT90M\r\n"
    "COLOR:turquoise\r\n"
    "BEGIN:VALARM\r\n"
    "ACTION:DISPLAY\r\n"
    "DESCRIPTION:알림\r\n"
    "TRIGGER:-PT30M\r\n"
    "END:VALARM\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:holiday@test\r\n"
    "SUMMARY:연휴\r\n"
    "DTSTART;VALUE=DATE:20240209\r\n"
    "DTEND;VALUE=DATE:20240213\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:class@test\r\n"
    "SUMMARY:수업\r\n"
    "DTSTART:20240108T100000\r\n"
    "DTEND:20240108T110000\r\n"
    "RRULE:FREQ=WEEKLY;BYDAY=MO,WE;COUNT=6\r\n"
    "EXDATE:20240110T100000\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:class@test\r\n"
    "RECURRENCE-ID:20240115T100000\r\n"
    "SUMMARY:보강\r\n"
    "DTSTART:20240116T140000\r\n"
    "DTEND:20240116T150000\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:hourly@test\r\n"
    "SUMMARY:매시간\r\n"
    "DTSTART:20240108T100000\r\n"
    "RRULE:FREQ=HOURLY;COUNT=3\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:rent@test\r\n"
    "SUMMARY:월세\r\n"
    "DTSTART;VALUE=DATE:20240131\r\n"
    "RRULE:FREQ=MONTHLY;BYMONTHDAY=31\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VTODO\r\n"
    "UID:todo@test\r\n"
    "SUMMARY:세금 신고\r\n"
    "DUE;VALUE=DATE:20240131\r\n"
    "PRIORITY:1\r\n"
    "STATUS:COMPLETED\r\n"
    "COMPLETED:20240120T030000Z\r\n"
    "END:VTODO\r\n"
    "END:VCALENDAR\r\n";

class IcalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("DAYVANE_NOW", "2024-01-10T12:00:00", 1);
        ASSERT_TRUE(app.Logon(store.File()));
    }
    void TearDown() override { unsetenv("DAYVANE_NOW"); }

    std::vector<std::unique_ptr<PoomItem>> All(int folder)
    {
        std::vector<std::unique_ptr<PoomItem>> items;
        auto collection = app.GetDefaultFolder(folder)->Items();
        for (int i = 1; i <= collection->Count(); ++i) items.push_back(collection->Item(i));
        return items;
    }

    TempStore store;
    PoomApplication app;
};

uint32_t ColorOf(PoomApplication& app, PoomItem& item)
{
    std::vector<CEPROPID> ids;
    app.GetIDsFromNames({kItemColorName}, kItemColorFlags, ids);
    CEPROPVAL* values = nullptr;
    uint32_t size = 0;
    item.GetProps(ids.data(), 1, &values, &size);
    const uint32_t color = values[0].wFlags ? 0 : values[0].val.ulVal;
    std::free(values);
    return color;
}

} // namespace

TEST_F(IcalTest, ImportMapsEventsTasksRulesAndZones)
{
    const IcalImportReport report = ImportIcal(app, kCalendar);
    ASSERT_TRUE(report.ok) << report.error;
    EXPECT_EQ(report.appointments, 4);
    EXPECT_EQ(report.tasks, 1);
    // The hourly rule is named with its event; the 31st is told about.
    ASSERT_EQ(report.notes.size(), 2u);
    EXPECT_NE(report.notes[0].find("'매시간' (54번째 줄)"), std::string::npos) << report.notes[0];
    EXPECT_NE(report.notes[0].find("FREQ=HOURLY"), std::string::npos);
    EXPECT_NE(report.notes[1].find("'월세'"), std::string::npos) << report.notes[1];

    const auto appointments = All(olFolderCalendar);
    ASSERT_EQ(appointments.size(), 4u);
    auto* meeting = appointments[0]->AsAppointment();
    EXPECT_EQ(meeting->Subject(), "뉴욕 회의");
    EXPECT_EQ(meeting->Location(), "본사");
    EXPECT_EQ(meeting->Start(), OleFromTime(TimeValue(1704895200)));  // 2024-01-10 14:00 UTC
    EXPECT_EQ(meeting->Duration(), 90);
    EXPECT_TRUE(meeting->ReminderSet());
    EXPECT_EQ(meeting->ReminderMinutesBeforeStart(), 30);
    EXPECT_EQ(TextFromNotes(meeting->BodyInk()), std::optional<std::string>("안건\n1. 예산"));
    EXPECT_EQ(ColorOf(app, *meeting), 0xD0E040u);  // turquoise #40e0d0

    auto* holiday = appointments[1]->AsAppointment();
    EXPECT_TRUE(holiday->AllDayEvent());
    EXPECT_EQ(holiday->Start(), Ole(2024, 2, 9));
    EXPECT_EQ(holiday->End(), Ole(2024, 2, 13));

    auto* classes = appointments[2]->AsAppointment();
    auto* pattern = classes->GetRecurrencePattern();
    EXPECT_EQ(pattern->RecurrenceType(), olRecursWeekly);
    EXPECT_EQ(pattern->DayOfWeekMask(), 2 | 8);
    EXPECT_EQ(pattern->Occurrences(), 6);
    EXPECT_FALSE(pattern->GetOccurrence(Ole(2024, 1, 10)));
    auto moved = pattern->GetOccurrence(Ole(2024, 1, 16));
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->Subject(), "보강");
    EXPECT_EQ(moved->Start(), Ole(2024, 1, 16, 14, 0));
    EXPECT_FALSE(pattern->GetOccurrence(Ole(2024, 1, 15)));

    auto* rent = appointments[3]->AsAppointment();
    EXPECT_EQ(rent->GetRecurrencePattern()->DayOfMonth(), 31);
    EXPECT_TRUE(rent->GetRecurrencePattern()->GetOccurrence(Ole(2024, 2, 29)));

    const auto tasks = All(olFolderTasks);
    ASSERT_EQ(tasks.size(), 1u);
    auto* task = tasks[0]->AsTask();
    EXPECT_EQ(task->Importance(), olImportanceHigh);
    EXPECT_EQ(task->DueDate(), Ole(2024, 1, 31));
    EXPECT_TRUE(task->Complete());
    EXPECT_EQ(task->DateCompleted(), OleDateOnly(OleFromTime(TimeValue(1705719600))));  // 2024-01-20 03:00 UTC
}

TEST_F(IcalTest, ABrokenComponentCostsOnlyItselfAndIsNamedWithItsLine)
{
    std::string unclosed = kCalendar;
    unclosed.erase(unclosed.find("END:VTODO\r\n"), 11);
    IcalImportReport report = ImportIcal(app, unclosed);
    ASSERT_TRUE(report.ok) << report.error;
    EXPECT_EQ(report.appointments, 4);
    EXPECT_EQ(report.tasks, 0);
    EXPECT_EQ(report.skipped, 2);  // the hourly series and the unclosed to-do
    EXPECT_NE(report.notes.back().find("'세금 신고' (66번째 줄)"), std::string::npos) << ::testing::PrintToString(report.notes);

    std::string badDate = kCalendar;
    badDate.replace(badDate.find("20240108T100000\r\nDTEND"), 15, "2024-01-08 10am");
    report = ImportIcal(app, badDate, false);
    ASSERT_TRUE(report.ok);
    EXPECT_EQ(report.appointments + report.tasks, 4);
    bool named = false;
    for (const std::string& note : report.notes) named |= note.find("'수업' (39번째 줄)") != std::string::npos;
    EXPECT_TRUE(named) << ::testing::PrintToString(report.notes);

    for (const char* junk : {"", "hello", "BEGIN:VEVENT\r\nEND:VEVENT\r\n"}) {
        report = ImportIcal(app, junk);
        EXPECT_FALSE(report.ok) << junk;
        EXPECT_FALSE(report.error.empty()) << junk;
    }
}

TEST_F(IcalTest, ExportAndImportGiveTheSameItems)
{
    ASSERT_TRUE(ImportIcal(app, kCalendar).ok);
    // Drawn notes (not text) and an exact colour no name has.
    auto task = app.CreateItem(olTaskItem);
    task->SetSubject("잉크 메모");
    task->SetBodyInk({0x02, 0x08, 0x01, 0x00, 0xFF});
    task->AsTask()->SetReminderSet(true);
    task->AsTask()->SetReminderTime(Ole(2024, 1, 12, 8, 30));
    task->AsTask()->SetDueDate(Ole(2024, 1, 12));
    auto* pattern = task->GetRecurrencePattern();
    pattern->SetRecurrenceType(olRecursMonthNth);
    pattern->SetInstance(5);
    pattern->SetDayOfWeekMask(32);
    pattern->SetPatternEndDate(Ole(2024, 12, 31));
    CEPROPVAL color;
    std::vector<CEPROPID> ids;
    ASSERT_TRUE(app.GetIDsFromNames({kItemColorName}, kItemColorFlags, ids));
    color.propid = ids[0];
    color.val.ulVal = 0x123456;
    task->SetProps(1, &color);
    ASSERT_TRUE(task->Save()) << task->LastError();

    const IcalExportResult first = ExportIcal(app);
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_EQ(first.appointments, 4);
    EXPECT_EQ(first.tasks, 2);

    TempStore other;
    PoomApplication copy;
    ASSERT_TRUE(copy.Logon(other.File()));
    const IcalImportReport report = ImportIcal(copy, first.text);
    ASSERT_TRUE(report.ok) << report.error;
    // The file's own rule for the 31st came back as it was written.
    ASSERT_EQ(report.notes.size(), 1u);
    EXPECT_NE(report.notes[0].find("'월세'"), std::string::npos);
    const IcalExportResult second = ExportIcal(copy);
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(second.text, first.text);
}

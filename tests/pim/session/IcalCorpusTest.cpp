// Calendars as phones, web calendars, invitations and desktop clients write
// them: nothing refused but the broken components, and what Dayvane does not
// use comes back out of an export.
#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "pim/session/IcalExport.h"
#include "pim/session/IcalImport.h"
#include "pim/session/IcalItem.h"
#include "pim/session/IcalText.h"
#include "platform/store/PoomApplication.h"
#include "tests/platform/store/OlderStore.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

std::string Corpus(const std::string& name)
{
    std::ifstream file(std::string(DAYVANE_ICAL_CORPUS) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The component of `uid` (without RECURRENCE-ID) in an exported calendar.
icalcomponent* ComponentOf(icalcomponent* calendar, const std::string& uid)
{
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        const char* id = icalcomponent_get_uid(c);
        if (id && id == uid && !icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)) return c;
    }
    return nullptr;
}

// Every property line of a kind, as written.
std::vector<std::string> Lines(icalcomponent* c, icalproperty_kind kind)
{
    std::vector<std::string> lines;
    for (icalproperty* p = icalcomponent_get_first_property(c, kind); p; p = icalcomponent_get_next_property(c, kind))
        lines.push_back(icalproperty_as_ical_string(p));
    return lines;
}

// A component's text with its folded lines joined.
std::string Unfolded(icalcomponent* c)
{
    std::string text;
    for (const ContentLine& line : UnfoldLines(icalcomponent_as_ical_string(c))) text += line.text + "\n";
    return text;
}

class IcalCorpusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "Asia/Seoul", 1);
        tzset();
        setenv("DAYVANE_NOW", "2025-03-01T12:00:00", 1);
        ASSERT_TRUE(app.Logon(store.File()));
    }
    void TearDown() override
    {
        unsetenv("DAYVANE_NOW");
        unsetenv("TZ");
        tzset();
    }

    IcalImportReport ImportAll()
    {
        IcalImportReport total;
        total.ok = true;
        for (const char* name : {"phone.ics", "webcal.ics", "invite.ics", "apple.ics", "desktop.ics"}) {
            const IcalImportReport report = ImportIcal(app, Corpus(name));
            EXPECT_TRUE(report.ok) << name << ": " << report.error;
            total.appointments += report.appointments;
            total.tasks += report.tasks;
            total.updated += report.updated;
            total.skipped += report.skipped;
        }
        return total;
    }

    IcalComponentPtr Exported()
    {
        const IcalExportResult result = ExportIcal(app);
        EXPECT_TRUE(result.ok) << result.error;
        return ParseComponent(result.text);
    }

    int Count(int folder) { return app.GetDefaultFolder(folder)->Items()->Count(); }

    TempStore store;
    PoomApplication app;
};

} // namespace

TEST_F(IcalCorpusTest, OnlyBrokenComponentsAreLeftOutAndAgainUpdatesInPlace)
{
    const IcalImportReport first = ImportAll();
    EXPECT_EQ(first.appointments, 7);
    EXPECT_EQ(first.tasks, 2);
    EXPECT_EQ(first.skipped, 2);  // the event without END and the one with "next tuesday"
    EXPECT_EQ(first.updated, 0);

    const IcalImportReport again = ImportAll();
    EXPECT_EQ(again.updated, 9);
    EXPECT_EQ(Count(olFolderCalendar), 7);
    EXPECT_EQ(Count(olFolderTasks), 2);
}

TEST_F(IcalCorpusTest, WhatDayvaneDoesNotUseSurvivesAnExportAndAnEdit)
{
    ImportAll();
    IcalComponentPtr calendar = Exported();
    ASSERT_TRUE(calendar);
    EXPECT_EQ(Lines(calendar.get(), ICAL_X_PROPERTY).size(), 3u);  // X-WR-CALNAME, X-WR-TIMEZONE, X-WR-CALDESC

    const std::string inviteUid = "040000008200E00074C5B7101A82E00800000000@company.example";
    icalcomponent* invite = ComponentOf(calendar.get(), inviteUid);
    ASSERT_TRUE(invite);
    EXPECT_EQ(Lines(invite, ICAL_ATTENDEE_PROPERTY).size(), 2u);
    for (icalproperty_kind kind : {ICAL_ORGANIZER_PROPERTY, ICAL_STATUS_PROPERTY, ICAL_TRANSP_PROPERTY,
                                   ICAL_CLASS_PROPERTY, ICAL_URL_PROPERTY, ICAL_SEQUENCE_PROPERTY})
        EXPECT_EQ(Lines(invite, kind).size(), 1u) << icalproperty_kind_to_string(kind);
    EXPECT_FALSE(Lines(invite, ICAL_CATEGORIES_PROPERTY).empty());
    EXPECT_NE(Unfolded(invite).find("X-MICROSOFT-CDO-BUSYSTATUS"), std::string::npos);

    icalcomponent* apple = ComponentOf(calendar.get(), "8E0D5D3A-4C1B-4B7E-9C7A-1F2E3D4C5B6A");
    ASSERT_TRUE(apple);
    const std::string appleText = Unfolded(apple);
    EXPECT_NE(appleText.find("geo:40.752726,-73.977229"), std::string::npos);
    EXPECT_NE(appleText.find("DTSTART;TZID=America/New_York:20250312T110000"), std::string::npos);

    // Alarms of every kind, RELATED=END and absolute triggers come back.
    icalcomponent* alarms = ComponentOf(calendar.get(), "desk-alarms@desktop.example");
    ASSERT_TRUE(alarms);
    EXPECT_EQ(icalcomponent_count_components(alarms, ICAL_VALARM_COMPONENT), 3);
    const std::string alarmText = Unfolded(alarms);
    EXPECT_NE(alarmText.find("TRIGGER;RELATED=END:PT0S"), std::string::npos);
    EXPECT_NE(alarmText.find("TRIGGER;VALUE=DATE-TIME:20250319T000000Z"), std::string::npos);

    // A due time, a completion instant and a priority as written.
    const std::string open = Unfolded(ComponentOf(calendar.get(), "desk-todo-1@desktop.example"));
    EXPECT_NE(open.find("DUE;TZID=Asia/Seoul:20250328T170000"), std::string::npos) << open;
    EXPECT_NE(open.find("PRIORITY:3"), std::string::npos);
    EXPECT_NE(open.find("STATUS:IN-PROCESS"), std::string::npos);
    const std::string done = Unfolded(ComponentOf(calendar.get(), "desk-todo-2@desktop.example"));
    EXPECT_NE(done.find("COMPLETED:20250314T061500Z"), std::string::npos) << done;

    // An edit replaces what it touched and keeps the rest.
    auto item = app.GetItemFromOid(*app.FindItemByUid(inviteUid));
    item->SetSubject("분기 실적 검토 (연기)");
    item->AsAppointment()->SetStart(item->AsAppointment()->Start() + 1);
    ASSERT_TRUE(item->Save());
    calendar = Exported();
    invite = ComponentOf(calendar.get(), inviteUid);
    const std::string edited = Unfolded(invite);
    EXPECT_NE(edited.find("SUMMARY:분기 실적 검토 (연기)"), std::string::npos);
    // It came in UTC and stays in UTC: 14:00 in Seoul.
    EXPECT_NE(edited.find("DTSTART:20250403T050000Z"), std::string::npos) << edited;
    EXPECT_EQ(Lines(invite, ICAL_ATTENDEE_PROPERTY).size(), 2u);
    EXPECT_EQ(Lines(invite, ICAL_ORGANIZER_PROPERTY).size(), 1u);
    EXPECT_NE(Unfolded(calendar.get()).find("TZID:Asia/Seoul"), std::string::npos);
}

TEST_F(IcalCorpusTest, OneItemGoesOutAndComesBackUnderItsUid)
{
    ImportAll();
    const auto series = app.FindItemByUid("5f2a9c1e8b@web.example");
    ASSERT_TRUE(series);
    const IcalItemText text = ExportItemIcal(app, *series);
    ASSERT_TRUE(text.ok) << text.error;
    EXPECT_EQ(text.uid, "5f2a9c1e8b@web.example");
    EXPECT_NE(text.text.find("RECURRENCE-ID"), std::string::npos);

    TempStore otherStore;
    PoomApplication other;
    ASSERT_TRUE(other.Logon(otherStore.File()));
    const IcalItemApplied created = ApplyItemIcal(other, text.text);
    ASSERT_TRUE(created.ok) << created.error;
    EXPECT_EQ(created.uid, text.uid);
    const IcalItemApplied replaced = ApplyItemIcal(other, text.text);
    ASSERT_TRUE(replaced.ok) << replaced.error;
    EXPECT_EQ(replaced.oid, created.oid);
    EXPECT_EQ(other.GetDefaultFolder(olFolderCalendar)->Items()->Count(), 1);
    EXPECT_EQ(FindItemByUid(other, text.uid), std::optional<Oid>(created.oid));

    // Into a given item: it takes the text's UID; a UID held elsewhere is refused.
    auto blank = other.CreateItem(olAppointmentItem);
    ASSERT_TRUE(blank->Save());
    const std::string phone = Corpus("phone.ics");
    const std::string single = phone.substr(0, phone.find("BEGIN:VEVENT\r\nUID:ph-0002")) + "END:VCALENDAR\r\n";
    const IcalItemApplied into = ApplyItemIcal(other, single, blank->Oid());
    ASSERT_TRUE(into.ok) << into.error;
    EXPECT_EQ(ItemUid(other, blank->Oid()), "ph-0001@phone.example");
    EXPECT_FALSE(ApplyItemIcal(other, text.text, blank->Oid()).ok);
    EXPECT_FALSE(ApplyItemIcal(other, phone).ok);  // two UIDs
}

TEST(IcalIdentity, AnOlderStoreGivesEveryItemARandomUid)
{
    TempStore store;
    // Version 2 was the last without UIDs.
    WriteOlderStore(store.File(), 2, "INSERT INTO items(kind, subject) VALUES (2, 'a'), (2, 'b'), (2, 'c')");
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store.File()));
    const std::regex uuid("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");
    std::set<std::string> uids;
    auto tasks = app.GetDefaultFolder(olFolderTasks)->Items();
    for (int i = 1; i <= tasks->Count(); ++i) {
        const std::string uid = app.ItemUid(tasks->Item(i)->Oid());
        EXPECT_TRUE(std::regex_match(uid, uuid)) << uid;
        uids.insert(uid);
    }
    EXPECT_EQ(uids.size(), 3u);
    auto copy = tasks->Item(1)->Copy();
    ASSERT_TRUE(copy);
    EXPECT_EQ(uids.count(app.ItemUid(copy->Oid())), 0u);
}

TEST_F(IcalCorpusTest, ADeviceOnAnyNameOfUtcWritesUtcTimesWithoutTzid)
{
    for (const char* device : {"Etc/UTC", "UTC", "Etc/GMT"}) {
        setenv("TZ", device, 1);
        tzset();
        auto item = app.CreateItem(olAppointmentItem);
        item->SetSubject(device);
        item->AsAppointment()->SetStart(Ole(2026, 1, 5, 10, 0));
        item->AsAppointment()->SetEnd(Ole(2026, 1, 5, 11, 0));
        ASSERT_TRUE(item->Save()) << item->LastError();
        const IcalItemText text = ExportItemIcal(app, item->Oid());
        ASSERT_TRUE(text.ok) << text.error;
        EXPECT_NE(text.text.find("DTSTART:20260105T100000Z"), std::string::npos) << device << "\n" << text.text;
        EXPECT_EQ(text.text.find("TZID="), std::string::npos) << device << "\n" << text.text;
    }
}

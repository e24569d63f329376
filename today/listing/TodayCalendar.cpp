#include "today/listing/TodayCalendar.h"

#include "calendar/AnniversaryDayEntries.h"
#include "calendar/AnniversaryFile.h"
#include "pim/session/ItemDates.h"
#include "pim/session/PimSession.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomApplication.h"
#include "today/listing/TodayText.h"

namespace {

void AddAnniversaries(TodayEntries& entries, const TodayClock& clock, const TodayCalendarOptions& options,
                      const AnniversaryList& anniversaries)
{
    for (const AnniversaryDayEntry& day :
         AnniversaryEntriesInRange(anniversaries, clock.today, options.period, options.anniversaries)) {
        const TimeValue midnight = MidnightOfSolarDate(day.date);
        AddTodayEntry(entries, clock, day.index, day.title, {}, midnight, midnight, 1);
    }
}

// Seconds are dropped, as the item shows minutes only.
std::optional<SYSTEMTIME> MinuteOf(double date)
{
    auto st = OleToSystemTime(date);
    if (st) st->wSecond = 0;
    return st;
}

void AddAppointment(TodayEntries& entries, const TodayClock& clock, const PoomAppointment& appointment)
{
    const auto start = MinuteOf(appointment.Start());
    const auto end = MinuteOf(appointment.End());
    if (!start || !end) return;
    const std::string place = appointment.Location().empty() ? "" : ", " + appointment.Location();
    if (appointment.AllDayEvent()) {
        // The store's end is the midnight after the last day.
        const SolarDate first{start->wYear, start->wMonth, start->wDay};
        const SolarDate last = AddDays({end->wYear, end->wMonth, end->wDay}, -1);
        AddTodayEntry(entries, clock, static_cast<int32_t>(appointment.Oid()), appointment.Subject() + place, {},
                      MidnightOfSolarDate(first), MidnightOfSolarDate(last), 1);
        return;
    }
    std::string range = FormatTodayTime(start->wHour, start->wMinute) + "-" +
                        FormatTodayTime(end->wHour, end->wMinute) + place;
    AddTodayEntry(entries, clock, static_cast<int32_t>(appointment.Oid()), appointment.Subject(), std::move(range),
                  TimeFromCalendar(*start), TimeFromCalendar(*end), 0);
}

void AddAppointments(TodayEntries& entries, const TodayClock& clock, int32_t period, PoomApplication& poom)
{
    auto folder = poom.GetDefaultFolder(olFolderCalendar);
    auto items = folder ? folder->Items() : nullptr;
    if (!items) return;
    items->Sort("[Start]", false);
    items->SetIncludeRecurrences(true);
    // The range ends with the last second of the period's last calendar day.
    const SolarDate last = AddDays(clock.today, period - 1);
    const auto start = OleFromFields(clock.today.year, clock.today.month, clock.today.day);
    const auto end = OleFromFields(last.year, last.month, last.day, 23, 59, 59);
    if (!start || !end) return;
    const double now = OleFromTime(clock.now);
    CEOID previous = kNoItem;
    for (auto item = items->Find(WeekRestriction(*start, *end)); item; item = items->FindNext()) {
        const PoomAppointment* appointment = item->AsAppointment();
        if (!appointment) continue;
        // Occurrences that have ended are passed over before the series is
        // remembered, so that a series still shows its next occurrence. An
        // all-day event ends at the midnight after its last day, which the
        // search still matches on the next day: that is over too.
        if (appointment->AllDayEvent() ? OleToSeconds(appointment->End()) <= OleToSeconds(*start)
                                       : OleToSeconds(appointment->End()) <= OleToSeconds(now))
            continue;
        // A series whose occurrences follow each other is listed once, with the earliest.
        if (appointment->Oid() == previous) continue;
        previous = appointment->Oid();
        AddAppointment(entries, clock, *appointment);
    }
}

} // namespace

TodayEntries LoadTodayCalendar(const TodayCalendarOptions& options, const TodayClock& clock,
                               const AnniversaryList& anniversaries, PoomApplication* poom)
{
    TodayEntries entries;
    if (options.period > 0) {
        AddAnniversaries(entries, clock, options, anniversaries);
        if (poom) AddAppointments(entries, clock, options.period, *poom);
    }
    TrimTodayEntries(entries, options.itemCount, clock.today);
    return entries;
}

void LoadTodayAnniversaries(AnniversaryList& list, const std::string& programFolder)
{
    list.Clear();
    if (programFolder.empty()) return;
    // A missing or unreadable file just means no anniversaries.
    LoadAnniversaries(list, programFolder);
}

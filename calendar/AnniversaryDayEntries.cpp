#include "calendar/AnniversaryDayEntries.h"

#include "calendar/AnniversaryOccurrence.h"
#include "calendar/Lunar.h"
#include "calendar/PublicHolidays.h"

std::vector<AnniversaryDayEntry> AnniversaryEntriesInRange(const AnniversaryList& list,
                                                           const SolarDate& first,
                                                           int32_t dayCount,
                                                           const AnniversaryDisplay& display) {
    std::vector<AnniversaryDayEntry> entries;
    if (dayCount <= 0) return entries;
    auto inRange = [&](int32_t offset) { return offset >= 0 && offset < dayCount; };

    for (int32_t offset = -1; offset <= dayCount; ++offset) {
        const SolarDate day = AddDays(first, offset);
        LunarDate lunarDay;
        const bool hasLunar = SolarToLunar(day.year, day.month, day.day, lunarDay) != 0;
        for (size_t i = 0; i < list.Count(); ++i) {
            const Anniversary& record = list.At(i);
            if (!OccursOn(record, day, hasLunar ? &lunarDay : nullptr)) continue;

            const std::string count =
                CountText(record, record.lunar != 0 && record.kind != kAnniversaryByWeekday
                                      ? lunarDay.year
                                      : day.year,
                          display.age);
            auto add = [&](int32_t at, AnniversaryMark mark, const char* label) {
                entries.push_back({AddDays(first, at), static_cast<int32_t>(i), mark,
                                   record.name + label + count, record.color});
            };
            if (inRange(offset)) add(offset, AnniversaryMark::kMain, "");
            if (record.dayBefore != 0 && inRange(offset - 1)) {
                add(offset - 1, AnniversaryMark::kDayBefore, "이전");
            }
            if (record.dayAfter != 0 && inRange(offset + 1)) {
                add(offset + 1, AnniversaryMark::kDayAfter, "다음");
            }
        }
        if (display.showHolidays && inRange(offset) && IsSubstituteHoliday(day)) {
            entries.push_back({day, kComputedHolidayIndex, AnniversaryMark::kMain,
                               kSubstituteHolidayName, kHolidayColor});
        }
    }
    return entries;
}

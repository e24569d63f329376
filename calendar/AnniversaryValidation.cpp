#include "calendar/AnniversaryValidation.h"

#include "calendar/CivilDate.h"
#include "calendar/Lunar.h"

namespace {

constexpr int32_t kFirstYear = 1881;
constexpr int32_t kLastYear = 2050;
constexpr int32_t kAnyLeapYear = 2000;

bool IsBlankText(const std::string& text) {
    return text.find_first_not_of(" \t\n\v\f\r") == std::string::npos;
}

bool YearAllowed(int32_t year) {
    return year == 0 || (year >= kFirstYear && year <= kLastYear);
}

bool LunarDateExists(const Anniversary& r) {
    if (r.month < 1 || r.month > 12 || r.day < 1 || r.day > 30) return false;
    SolarDate unused;
    return r.year == 0 || LunarToSolar(r.year, r.month, r.day, r.leapMonth, unused) != 0;
}

bool CivilDateExists(const Anniversary& r) {
    return IsValidSolarDate(r.year == 0 ? kAnyLeapYear : r.year, r.month, r.day);
}

bool WeekdayFieldsValid(const Anniversary& r) {
    const int32_t month = r.WeekdayMonth();
    const int32_t ordinal = r.WeekdayOrdinal();
    return r.month > 0 && month >= 1 && month <= 12 && ordinal >= 1 && ordinal <= 5 &&
           r.day >= 1 && r.day <= 7;
}

}  // namespace

std::string CheckAnniversary(Anniversary& record) {
    if (IsBlankText(record.name)) return kAnniversaryTitleMissing;
    switch (record.kind) {
        case kAnniversaryByWeekday:
            record.lunar = 0;
            record.leapMonth = 0;
            return YearAllowed(record.year) && WeekdayFieldsValid(record) ? ""
                                                                          : kAnniversaryDateInvalid;
        case kAnniversaryByDate:
        case kAnniversaryBirthday:
            if (record.lunar != 0) {
                return YearAllowed(record.year) && LunarDateExists(record)
                           ? ""
                           : kAnniversaryLunarDateInvalid;
            }
            record.leapMonth = 0;
            return YearAllowed(record.year) && CivilDateExists(record) ? ""
                                                                       : kAnniversaryDateInvalid;
        default:
            return kAnniversaryDateInvalid;
    }
}

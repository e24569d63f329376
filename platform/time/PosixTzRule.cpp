#include "platform/time/PosixTzRule.h"

#include <cctype>
#include <ctime>
#include <string>

#include "platform/time/Gregorian.h"

namespace {

constexpr int32_t kDefaultTransitionTime = 2 * 3600;

// One transition of the rule: "Mm.w.d", "Jn" or "n", then an optional "/time".
struct RuleDate {
    enum class Form { DayInMonth, JulianNoLeap, JulianZeroBased } form = Form::DayInMonth;
    int month = 0;
    int week = 0;
    int weekday = 0;
    int julianDay = 0;
    int32_t seconds = kDefaultTransitionTime;  // local time of day; may lie outside 0..24 h
};

class RuleReader {
public:
    explicit RuleReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    bool Next(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    bool NextIsDigit() const { return pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])); }

    bool Take(char c)
    {
        if (!Next(c))
            return false;
        ++pos_;
        return true;
    }

    // "std"/"dst": three or more letters, or any "<...>" of letters, digits and signs.
    bool ReadName(std::string& name)
    {
        name.clear();
        const bool quoted = Take('<');
        while (pos_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[pos_]);
            const bool fits = quoted ? (std::isalnum(c) || c == '+' || c == '-') : std::isalpha(c) != 0;
            if (!fits)
                break;
            name.push_back(static_cast<char>(c));
            ++pos_;
        }
        if (quoted && !Take('>'))
            return false;
        return name.size() >= 3;
    }

    bool ReadNumber(int maxDigits, int maxValue, int& value)
    {
        int digits = 0;
        value = 0;
        while (digits < maxDigits && NextIsDigit()) {
            value = value * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        return digits > 0 && value <= maxValue;
    }

    // [+|-]hh[:mm[:ss]] in seconds.
    bool ReadDuration(int maxHourDigits, int maxHours, int32_t& seconds)
    {
        const bool negative = Take('-');
        if (!negative)
            Take('+');
        int hours = 0;
        int minutes = 0;
        int secs = 0;
        if (!ReadNumber(maxHourDigits, maxHours, hours))
            return false;
        if (Take(':') && (!ReadNumber(2, 59, minutes) || (Take(':') && !ReadNumber(2, 59, secs))))
            return false;
        seconds = (hours * 3600 + minutes * 60 + secs) * (negative ? -1 : 1);
        return true;
    }

    bool ReadRuleDate(RuleDate& date)
    {
        if (Take('M')) {
            date.form = RuleDate::Form::DayInMonth;
            if (!ReadNumber(2, 12, date.month) || date.month < 1 || !Take('.') || !ReadNumber(1, 5, date.week) ||
                date.week < 1 || !Take('.') || !ReadNumber(1, 6, date.weekday))
                return false;
        } else if (Take('J')) {
            date.form = RuleDate::Form::JulianNoLeap;
            if (!ReadNumber(3, 365, date.julianDay) || date.julianDay < 1)
                return false;
        } else {
            date.form = RuleDate::Form::JulianZeroBased;
            if (!ReadNumber(3, 365, date.julianDay))
                return false;
        }
        return !Take('/') || ReadDuration(3, 167, date.seconds);
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

void SetTimeOfDay(SYSTEMTIME& st, int64_t seconds)
{
    st.wHour = static_cast<uint16_t>(seconds / 3600);
    st.wMinute = static_cast<uint16_t>(seconds / 60 % 60);
    st.wSecond = static_cast<uint16_t>(seconds % 60);
}

// The record cannot hold a time of day outside 0..24 h. Within a day of the
// rule's own day we stay on that day at its first or last second: the error is
// at most the overflow (one second for the common "/24") and never a week.
// Further out only moving the weekday comes close; it is exact unless the
// shifted weekday falls into another week of the month.
SYSTEMTIME DayInMonthTransition(const RuleDate& date)
{
    SYSTEMTIME st;
    st.wMonth = static_cast<uint16_t>(date.month);
    st.wDay = static_cast<uint16_t>(date.week);
    int weekday = date.weekday;
    int64_t seconds = date.seconds;
    if (seconds < 0 && seconds > -gregorian::kSecondsPerDay) {
        seconds = 0;
    } else if (seconds >= gregorian::kSecondsPerDay && seconds < 2 * gregorian::kSecondsPerDay) {
        seconds = gregorian::kSecondsPerDay - 1;
    } else if (seconds < 0 || seconds >= gregorian::kSecondsPerDay) {
        const int64_t days = FloorDiv(seconds, gregorian::kSecondsPerDay);
        seconds -= days * gregorian::kSecondsPerDay;
        weekday = static_cast<int>(((weekday + days) % 7 + 7) % 7);
    }
    st.wDayOfWeek = static_cast<uint16_t>(weekday);
    SetTimeOfDay(st, seconds);
    return st;
}

int CurrentYear()
{
    const int64_t days = FloorDiv(static_cast<int64_t>(std::time(nullptr)), gregorian::kSecondsPerDay);
    return static_cast<int>(gregorian::CivilFromDays(days).year);
}

// A Julian-day rule names a date, so it becomes an absolute date (this year's).
SYSTEMTIME AbsoluteTransition(const RuleDate& date, int year)
{
    int64_t day = gregorian::DaysFromCivil(year, 1, 1) + date.julianDay;
    if (date.form == RuleDate::Form::JulianNoLeap)  // 1-365, 29 February never counted
        day += -1 + (gregorian::IsLeapYear(year) && date.julianDay >= 60);
    const int64_t moment = day * gregorian::kSecondsPerDay + date.seconds;
    const int64_t momentDay = FloorDiv(moment, gregorian::kSecondsPerDay);
    const gregorian::CivilDate civil = gregorian::CivilFromDays(momentDay);
    SYSTEMTIME st;
    st.wYear = static_cast<uint16_t>(civil.year);
    st.wMonth = static_cast<uint16_t>(civil.month);
    st.wDay = static_cast<uint16_t>(civil.day);
    st.wDayOfWeek = static_cast<uint16_t>(gregorian::WeekdayFromDays(momentDay));
    SetTimeOfDay(st, moment - momentDay * gregorian::kSecondsPerDay);
    return st;
}

SYSTEMTIME TransitionRecord(const RuleDate& date)
{
    return date.form == RuleDate::Form::DayInMonth ? DayInMonthTransition(date) : AbsoluteTransition(date, CurrentYear());
}

void CopyName(const std::string& name, char16_t (&target)[32])
{
    size_t i = 0;
    for (; i < name.size() && i + 1 < std::size(target); ++i)
        target[i] = static_cast<char16_t>(static_cast<unsigned char>(name[i]));
    target[i] = u'\0';
}

int32_t RoundedMinutes(int32_t seconds)
{
    return static_cast<int32_t>(FloorDiv(seconds + 30, 60));
}

}  // namespace

bool ZoneFromPosixRule(std::string_view rule, TIME_ZONE_INFORMATION& tzi)
{
    RuleReader reader(rule);
    std::string standardName;
    std::string daylightName;
    int32_t standardOffset = 0;
    if (!reader.ReadName(standardName) || !reader.ReadDuration(2, 24, standardOffset))
        return false;

    TIME_ZONE_INFORMATION result;
    result.Bias = RoundedMinutes(standardOffset);
    CopyName(standardName, result.StandardName);
    if (reader.AtEnd()) {
        CopyName(standardName, result.DaylightName);
        tzi = result;
        return true;
    }

    if (!reader.ReadName(daylightName))
        return false;
    int32_t daylightOffset = standardOffset - 3600;
    if (!reader.AtEnd() && !reader.Next(',') && !reader.ReadDuration(2, 24, daylightOffset))
        return false;

    // Without transitions, use the rule the C library assumes too.
    RuleDate start{RuleDate::Form::DayInMonth, 3, 2, 0, 0, kDefaultTransitionTime};
    RuleDate end{RuleDate::Form::DayInMonth, 11, 1, 0, 0, kDefaultTransitionTime};
    if (reader.Take(',') && !(reader.ReadRuleDate(start) && reader.Take(',') && reader.ReadRuleDate(end)))
        return false;
    if (!reader.AtEnd())
        return false;

    CopyName(daylightName, result.DaylightName);
    result.DaylightBias = RoundedMinutes(daylightOffset) - result.Bias;
    result.DaylightDate = TransitionRecord(start);
    result.StandardDate = TransitionRecord(end);
    tzi = result;
    return true;
}

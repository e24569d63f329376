#include "platform/store/OleTime.h"

#include "platform/time/Gregorian.h"

namespace {

constexpr int64_t kEpochDays = gregorian::DaysFromCivil(1899, 12, 30);

} // namespace

std::optional<SYSTEMTIME> OleToSystemTime(double date)
{
    SYSTEMTIME st;
    if (!VariantTimeToSystemTime(date, &st)) return std::nullopt;
    return st;
}

std::optional<double> OleFromSystemTime(const SYSTEMTIME& st)
{
    double date = 0;
    if (!SystemTimeToVariantTime(&st, &date)) return std::nullopt;
    return date;
}

std::optional<double> OleFromFields(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > gregorian::DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59)
        return std::nullopt;
    SYSTEMTIME st;
    st.wYear = uint16_t(year);
    st.wMonth = uint16_t(month);
    st.wDay = uint16_t(day);
    st.wHour = uint16_t(hour);
    st.wMinute = uint16_t(minute);
    st.wSecond = uint16_t(second);
    return OleFromSystemTime(st);
}

bool OleToFileTime(double date, FILETIME& ft)
{
    SYSTEMTIME st;
    return VariantTimeToSystemTime(date, &st) && SystemTimeToFileTime(st, ft);
}

bool FileTimeToOle(const FILETIME& ft, double& date)
{
    SYSTEMTIME st;
    return FileTimeToSystemTime(ft, st) && SystemTimeToVariantTime(&st, &date);
}

double OleDateOnly(double date)
{
    auto st = OleToSystemTime(date);
    if (!st) return date;
    st->wHour = st->wMinute = st->wSecond = st->wMilliseconds = 0;
    return OleFromSystemTime(*st).value_or(date);
}

int OleSecondOfDay(double date)
{
    auto st = OleToSystemTime(date);
    return st ? st->wHour * 3600 + st->wMinute * 60 + st->wSecond : 0;
}

int64_t OleToSeconds(double date)
{
    auto st = OleToSystemTime(date);
    if (!st) return 0;
    const int64_t days = gregorian::DaysFromCivil(st->wYear, st->wMonth, st->wDay) - kEpochDays;
    return days * gregorian::kSecondsPerDay + st->wHour * 3600 + st->wMinute * 60 + st->wSecond;
}

double OleFromSeconds(int64_t seconds)
{
    int64_t days = seconds / gregorian::kSecondsPerDay;
    int64_t rest = seconds % gregorian::kSecondsPerDay;
    if (rest < 0) {
        rest += gregorian::kSecondsPerDay;
        --days;
    }
    const auto civil = gregorian::CivilFromDays(days + kEpochDays);
    return OleFromFields(int(civil.year), civil.month, civil.day, int(rest / 3600), int(rest / 60 % 60), int(rest % 60))
        .value_or(0.0);
}

double OleNow()
{
    SYSTEMTIME now;
    GetLocalTime(now);
    return OleFromSystemTime(now).value_or(0.0);
}

double OleToday()
{
    SYSTEMTIME now;
    GetLocalTime(now);
    now.wHour = now.wMinute = now.wSecond = now.wMilliseconds = 0;
    return OleFromSystemTime(now).value_or(0.0);
}

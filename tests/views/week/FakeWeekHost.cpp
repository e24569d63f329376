#include "tests/views/week/FakeWeekHost.h"

#include <cstdlib>

FakeWeekHost::FakeWeekHost() {
    settings.m_WeekFontName = "Tahoma";
    settings.m_WeekFontSize = 12;
    library = ResourceLibrary::Load(QStringLiteral("VaneLoRes2.rcc"));
}

void FakeWeekHost::SetCurrentDate(TimeValue date) {
    currentDate = date;
    const TimeParts parts = *PartsFromTime(date);
    const int column = WeekdayColumn(parts.tm_wday + 1, settings.m_SundayAsStart != 0);
    const SolarDate first = AddDays(DateOfTime(date), -(column - 1));
    weekStart = MidnightOfDate(first);
    weekEnd = weekStart + 604799;
}

TimeValue At(int year, int month, int day, int hour, int minute) {
    return TimeFromFields(year, month, day, hour, minute, 0);
}

double Ole(int year, int month, int day, int hour, int minute) {
    SYSTEMTIME record;
    record.wYear = static_cast<uint16_t>(year);
    record.wMonth = static_cast<uint16_t>(month);
    record.wDay = static_cast<uint16_t>(day);
    record.wHour = static_cast<uint16_t>(hour);
    record.wMinute = static_cast<uint16_t>(minute);
    double date = 0;
    SystemTimeToVariantTime(&record, &date);
    return date;
}

ClockScope::ClockScope(const char* now) { setenv("DAYVANE_NOW", now, 1); }
ClockScope::~ClockScope() { unsetenv("DAYVANE_NOW"); }

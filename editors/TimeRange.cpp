#include "editors/TimeRange.h"

#include "calendar/CivilDate.h"

namespace {

TimeValue WithTime(TimeValue t, int hour, int minute)
{
    TimeParts parts = *PartsFromTime(t);
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_isdst = -1;
    const TimeValue result = TimeFromParts(parts);
    return result != 0 ? result : t;
}

}  // namespace

void TimeRange::SetStart(TimeValue start)
{
    m_start = start;
    m_edited = Edited::Start;
}

void TimeRange::SetEnd(TimeValue end)
{
    m_end = end;
    m_edited = Edited::End;
    m_duration = static_cast<int64_t>(m_end) - static_cast<int64_t>(m_start);
}

void TimeRange::SetEditedTime(TimeValue value)
{
    if (m_edited == Edited::Start) {
        m_start = value;
        m_end = static_cast<TimeValue>(static_cast<int64_t>(m_start) + m_duration);
    } else {
        m_end = value;
        m_duration = static_cast<int64_t>(m_end) - static_cast<int64_t>(m_start);
    }
}

void TimeRange::ChooseHour(int hour)
{
    const TimeParts parts = *PartsFromTime(EditedTime());
    SetEditedTime(WithTime(EditedTime(), hour, parts.tm_min));
}

void TimeRange::ChooseMinute(int minute)
{
    const TimeParts parts = *PartsFromTime(EditedTime());
    SetEditedTime(WithTime(EditedTime(), parts.tm_hour, minute));
}

int TimeRange::HourIndex() const { return PartsFromTime(EditedTime())->tm_hour; }

int TimeRange::MinuteIndex() const { return PartsFromTime(EditedTime())->tm_min / 5; }

bool TimeRange::NeedsNextDay() const
{
    const TimeParts start = *PartsFromTime(m_start);
    const TimeParts end = *PartsFromTime(m_end);
    const bool sameDate = start.tm_year == end.tm_year && start.tm_mon == end.tm_mon && start.tm_mday == end.tm_mday;
    return sameDate && m_start >= m_end;
}

void TimeRange::MoveEndToNextDay()
{
    const TimeParts parts = *PartsFromTime(m_end);
    const SolarDate next = AddDays(SolarDate{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday}, 1);
    if (const TimeValue moved = TimeFromFields(next.year, next.month, next.day, parts.tm_hour, parts.tm_min, parts.tm_sec))
        m_end = moved;
    m_duration = static_cast<int64_t>(m_end) - static_cast<int64_t>(m_start);
}

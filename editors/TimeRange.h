// What the time-range dialog edits: a start and an end in local time, the
// one being edited, and the duration that an edited start carries along.
#pragma once

#include <cstdint>

#include "pim/time/TimeValue.h"

class TimeRange {
public:
    enum class Edited { Start = 1, End = 2 };

    // Setting the start edits the start; setting the end edits the end and
    // takes the duration from the start.
    void SetStart(TimeValue start);
    void SetEnd(TimeValue end);
    void SetEdited(Edited edited) { m_edited = edited; }

    TimeValue Start() const { return m_start; }
    TimeValue End() const { return m_end; }
    int64_t Duration() const { return m_duration; }
    Edited Editing() const { return m_edited; }

    // The edited time takes the hour (0-23) or the minute, keeping its date;
    // a new start moves the end with it, a new end changes the duration.
    void ChooseHour(int hour);
    void ChooseMinute(int minute);

    // The list entries of the edited time: its hour, and its minute / 5.
    int HourIndex() const;
    int MinuteIndex() const;

    // On the same date with the start not before the end, the range needs
    // the user's leave to go over two days.
    bool NeedsNextDay() const;
    // The end one calendar day later (a day may be 23 or 25 hours long).
    void MoveEndToNextDay();

private:
    TimeValue EditedTime() const { return m_edited == Edited::Start ? m_start : m_end; }
    void SetEditedTime(TimeValue value);

    TimeValue m_start = 0;
    TimeValue m_end = 0;
    int64_t m_duration = 0;
    Edited m_edited = Edited::Start;
};

// The small month calendar of the week view: the month of the frame's current
// date with week numbers, the current week highlighted and today boxed. A tap
// on a day makes it the current date.
#pragma once

#include <QPoint>
#include <vector>

#include "views/ViewPart.h"

// One tappable area, in the calendar's own coordinates (right and bottom
// exclusive), and the date it stands for.
struct CalendarHitRecord {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;

    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

class CMonthCalendarPart : public CViewPart {
public:
    explicit CMonthCalendarPart(CViewEx& owner);

    void Paint(QPainter& dc) override;
    // point in the owner's coordinates. The date of the first record of the
    // last paint holding it becomes the frame's current date (at midnight);
    // false when none does.
    bool HitTest(QPoint point);
    // The records of the month as last painted.
    const std::vector<CalendarHitRecord>& HitRecords() const { return m_records; }
    // The week number of each row as last painted.
    const std::vector<int>& RowWeekNumbers() const { return m_weekNumbers; }

private:
    struct DayCell {
        int x = 0;
        int y = 0;
        int day = 0;
        int weekday = 0;  // 0 = Sunday
        bool rowStart = false;
        bool rowHighlighted = false;
        int weekNumber = 0;
    };
    struct MonthLayout {
        int year = 0;
        int month = 0;
        int todayDay = 0;  // 0 when today is in another month
        std::vector<DayCell> days;
        std::vector<CalendarHitRecord> records;
    };

    bool IsPaintable() const { return Height() >= 50 && Width() >= 100; }
    MonthLayout BuildLayout() const;
    void DrawRowHighlight(QPainter& dc, int y) const;
    void DrawTodayBox(QPainter& dc, int x, int y) const;

    std::vector<CalendarHitRecord> m_records;
    std::vector<int> m_weekNumbers;
};

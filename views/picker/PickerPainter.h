// Paints the date picker's twelve months: per month the title band (the
// selected month's black), then the day grid with the selected week's
// background, weekday colours, today's box and the "/ " of a shared fifth row.
#pragma once

#include <QFont>

#include "calendar/CivilDate.h"
#include "views/picker/PickerLayout.h"

class QPainter;

struct PickerState {
    SolarDate selected;
    SolarDate today;
    bool showHolidays = false;  // public and substitute holidays in the Sunday colour
};

class PickerPainter {
public:
    explicit PickerPainter(const PickerLayout& layout);

    void PaintAll(QPainter& painter, const PickerState& state) const;
    void PaintMonth(QPainter& painter, const PickerState& state, int month) const;

private:
    PickerLayout m_layout;
    QFont m_titleFont;
    QFont m_dayFont;
};

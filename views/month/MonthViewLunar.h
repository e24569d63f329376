// The month view with lunar dates: each day cell carries its lunar date at
// its foot.
#pragma once

#include "views/month/MonthView.h"

class CMonthViewLunar : public CMonthView {
    Q_OBJECT
public:
    explicit CMonthViewLunar(FrameViewHost& host, QWidget* parent = nullptr);

protected:
    void PaintCellContent(QPainter& dc, int index, const MonthCell& cell, ColorRef background, bool isToday,
                          bool isSelected) const override;
};

// Vanetask, the Today task item: the open tasks due to be worked on, one line each.
#pragma once

#include "today/item/TodayItemWindow.h"

class CVanetaskWnd : public CTodayItemWnd {
public:
    explicit CVanetaskWnd(QWidget* todayScreen);

protected:
    void Reload(const TodayClock& clock) override;
    int ItemHeight() const override;
    void PaintEntries(QPainter& painter, const QColor& text) const override;
};

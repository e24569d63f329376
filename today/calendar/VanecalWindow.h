// Vanecal, the Today calendar item: the coming appointments and anniversaries,
// one or two lines each, with a bar beside two-line entries.
#pragma once

#include "calendar/Anniversary.h"
#include "today/item/TodayItemWindow.h"

class CVanecalWnd : public CTodayItemWnd {
public:
    explicit CVanecalWnd(QWidget* todayScreen);

protected:
    void Reload(const TodayClock& clock) override;
    int ItemHeight() const override;
    void PaintEntries(QPainter& painter, const QColor& text) const override;

private:
    AnniversaryList m_anniversaries;
};

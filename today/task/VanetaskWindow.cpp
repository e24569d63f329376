#include "today/task/VanetaskWindow.h"

#include <QPainter>

#include "resources/StringTable.h"
#include "settings/SettingsKeys.h"
#include "today/listing/TodayTasks.h"

namespace {

const TodayItemTraits kVanetask{IDS_TODAY_TASK_CLASS, kVanetaskItemName, ":/today/vanetask.svg",
                                kTasksDatabase,       SettingName::kTodayTaskChanged,
                                IDS_TODAY_NO_TASKS,   false};

} // namespace

CVanetaskWnd::CVanetaskWnd(QWidget* todayScreen) : CTodayItemWnd(kVanetask, todayScreen) {}

// The database opened for notifications is also the one scanned.
void CVanetaskWnd::Reload(const TodayClock& clock)
{
    m_entries = LoadTodayTasks(ReadTodayTaskOptions(), clock, Database());
}

int CVanetaskWnd::ItemHeight() const { return TodayTaskHeight(m_entries, LineHeight(), Density()); }

void CVanetaskWnd::PaintEntries(QPainter& painter, const QColor&) const
{
    const int ascent = painter.fontMetrics().ascent();
    int y = TodayMarginY(Density());
    for (const TodayEntry& entry : m_entries) {
        painter.drawText(TodayTextX(Density()), y + ascent, QString::fromStdString(entry.firstLine));
        y += LineHeight();
    }
}

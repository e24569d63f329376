#include "today/calendar/VanecalWindow.h"

#include <QPainter>

#include "platform/device/DeviceDirectory.h"
#include "platform/store/PoomApplication.h"
#include "resources/StringTable.h"
#include "settings/SettingsKeys.h"
#include "today/listing/TodayCalendar.h"

namespace {

const TodayItemTraits kVanecal{IDS_TODAY_CALENDAR_CLASS, kVanecalItemName, ":/today/vanecal.svg",
                               kAppointmentsDatabase,    SettingName::kTodayEventChanged,
                               IDS_TODAY_NO_APPOINTMENTS, true};

} // namespace

CVanecalWnd::CVanecalWnd(QWidget* todayScreen) : CTodayItemWnd(kVanecal, todayScreen)
{
    LoadTodayAnniversaries(m_anniversaries, AppPath());
}

void CVanecalWnd::Reload(const TodayClock& clock)
{
    LoadTodayAnniversaries(m_anniversaries, AppPath());
    // A session per reload, as the item holds none between queries; without a
    // store only the anniversaries are listed.
    PoomApplication poom;
    const bool loggedOn = std::filesystem::exists(StoreFile()) && poom.Logon(StoreFile());
    m_entries = LoadTodayCalendar(ReadTodayCalendarOptions(), clock, m_anniversaries, loggedOn ? &poom : nullptr);
    if (loggedOn) poom.Logoff();
}

int CVanecalWnd::ItemHeight() const { return TodayCalendarHeight(m_entries, LineHeight(), Density()); }

void CVanecalWnd::PaintEntries(QPainter& painter, const QColor& text) const
{
    const TodayDensity& d = Density();
    const int line = LineHeight();
    const int ascent = painter.fontMetrics().ascent();
    int y = TodayMarginY(d);
    for (const TodayEntry& entry : m_entries) {
        const bool twoLines = !entry.secondLine.empty();
        const int x = twoLines ? TodayTwoLineX(d) : TodayTextX(d);
        painter.drawText(x, y + ascent, QString::fromStdString(entry.firstLine));
        if (twoLines) {
            painter.drawText(x, y + line + ascent, QString::fromStdString(entry.secondLine));
            const int top = y + TodayMarginY(d);
            const int bottom = y + 2 * line - TodayMarginY(d);
            painter.fillRect(TodayTextX(d), top, TodayBarWidth(d), bottom - top, text);
        }
        y += (twoLines ? 2 : 1) * line + TodayGapY(d);
    }
}

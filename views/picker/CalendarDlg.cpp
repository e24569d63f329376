#include "views/picker/CalendarDlg.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/shell/Density.h"
#include "resources/DialogCommands.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {

SolarDate DateOf(TimeValue t)
{
    const TimeParts parts = *PartsFromTime(t);
    return SolarDate{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

}  // namespace

CCalendarDlg::CCalendarDlg(QWidget* owner, const Settings& settings)
    : CDeviceDialog(owner, QSize(156, 177), Placement::FullScreen), m_sundayAsStart(settings.m_SundayAsStart != 0)
{
    setObjectName(QStringLiteral("calendar"));
    setWindowTitle(LoadString(IDS_DATE_PICKER_TITLE));
    SetOkCancelCommands(*this, settings.m_UseSoftKey != 0);
    m_state.today = DateOf(Now());
    m_state.selected = m_state.today;
    m_state.showHolidays = settings.m_ShowHolidays != 0;
    Client()->installEventFilter(this);
    Client()->setFocusPolicy(Qt::StrongFocus);
    Client()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusProxy(Client());
}

void CCalendarDlg::SetSelectedDate(TimeValue date) { Select(DateOf(date)); }

TimeValue CCalendarDlg::GetSelectedDate() const
{
    return TimeFromFields(m_state.selected.year, m_state.selected.month, m_state.selected.day, 0, 0, 0);
}

void CCalendarDlg::SetToday(const SolarDate& today)
{
    m_state.today = today;
    Client()->update();
}

PickerLayout CCalendarDlg::Layout() const { return MakePickerLayout(Client()->size(), DeviceDpiY(), m_sundayAsStart); }

void CCalendarDlg::Select(const SolarDate& date)
{
    m_state.selected = date;
    Client()->update();
}

void CCalendarDlg::Paint()
{
    const PickerLayout layout = Layout();
    QImage buffer(Client()->size(), QImage::Format_RGB32);
    {
        QPainter offscreen(&buffer);
        PickerPainter(layout).PaintAll(offscreen, m_state);
    }
    QPainter(Client()).drawImage(0, 0, buffer);
}

bool CCalendarDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Client())
        return CDeviceDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        Paint();
        return true;
    case QEvent::MouseButtonPress: {
        SolarDate date = m_state.selected;
        if (PickerTap(Layout(), m_state.selected.year, static_cast<QMouseEvent*>(event)->position().toPoint(), date))
            Select(date);
        return true;
    }
    case QEvent::KeyPress: {
        SolarDate date = m_state.selected;
        if (!PickerKey(static_cast<QKeyEvent*>(event)->key(), date))
            return false;
        Select(date);
        return true;
    }
    default:
        return false;
    }
}

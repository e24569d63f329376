#include "app/MainFrame.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QTimerEvent>

#include "app/ButtonRow.h"
#include "app/FrameDialogs.h"
#include "platform/shell/PostingStoreWindow.h"
#include "agenda/PimWeekItemSource.h"
#include "calendar/AnniversaryFile.h"
#include "pim/session/PimSession.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/shell/Density.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/ShellServices.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/WindowMessage.h"
#include "resources/Artwork.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/ResourceLibrary.h"
#include "resources/Strings.h"
#include "sync/SyncConfig.h"
#include "views/ViewEx.h"

namespace {

const QColor kButtonStripColor(0x55, 0x55, 0x55);

bool IsOwnedBy(const QWidget* window, const QWidget* owner)
{
    for (const QWidget* parent = window->parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
        if (parent == owner)
            return true;
    }
    return false;
}

ScreenMetrics MetricsFor(QSize client) { return {DeviceDpiX(), client.width(), client.height()}; }

bool IsRecordChange(uint32_t type)
{
    return type == DB_CEOID_CREATED || type == DB_CEOID_RECORD_DELETED || type == DB_CEOID_CHANGED;
}

}  // namespace

CMainFrame::CMainFrame(QSize clientSize, QWidget* parent, PopupMenuRunner runPopup)
    : QWidget(parent),
      settings(LoadSettings(MetricsFor(clientSize))),
      lastDayOfMonth(Now()),
      m_dialogs(std::make_unique<FrameDialogs>()),
      m_title(LoadString(IDS_PRODUCT_NAME)),
      m_runPopup(std::move(runPopup))
{
    SetCurrentDate(Now());
    setObjectName(QStringLiteral("WCE_DAYVANE"));
    setWindowTitle(m_title);
    setWindowIcon(ApplicationIcon());
    resize(clientSize);
}

CMainFrame::~CMainFrame()
{
    m_closing = true;
    if (m_timerId != 0)
        killTimer(m_timerId);
    DetachViewPictures();
    resourceLibrary.reset();
    m_itemSource.reset();
    if (m_session)
        m_session->ClosePim();
    // Notifications still queued go back to the store; no new ones come.
    QCoreApplication::sendPostedEvents(this, WindowMessageEventType(WM_DBNOTIFICATION));
    for (QPointer<CViewEx>* slot : {&activeView, &weekView, &monthLunarView, &monthWeatherView, &anniversaryView})
        delete slot->data();
    m_buttons.reset();
    anniversaries.Clear();
}

void CMainFrame::SetDialogs(std::unique_ptr<FrameDialogs> dialogs)
{
    if (dialogs)
        m_dialogs = std::move(dialogs);
}

bool CMainFrame::Create(int firstViewKind)
{
    m_storeWindow = std::make_unique<PostingStoreWindow>(this);
    m_session = std::make_unique<PimSession>(StoreFile());
    if (!m_session->OpenPoom(m_storeWindow.get()))
        return FailStartup(IDS_POOM_INIT_FAILED);
    if (LoadAnniversaries(anniversaries, ProgramFolder().string()) == 0)
        return FailStartup(IDS_ANNIVERSARY_FILE_FAILED);
    if (!m_session->OpenPimDatabases(m_storeWindow.get()))
        return FailStartup(IDS_PIM_DATABASE_FAILED);
    m_itemSource = std::make_unique<PimWeekItemSource>(*m_session);

    LoadResourceLibrary();
    BuildCommandSurface();
    SwitchView(kViewKindWeek);
    SwitchView(firstViewKind);
    m_timerId = startTimer(kDayTimerPeriodMs);
    m_sync = new BackgroundSync(this);
    connect(m_sync, &BackgroundSync::Progress, this, [this](int done, int total) {
        setWindowTitle(FormatString(IDS_SYNC_TITLE_PROGRESS, {m_title, QStringLiteral("%1/%2").arg(done).arg(total)}));
    });
    connect(m_sync, &BackgroundSync::Finished, this, &CMainFrame::OnSyncFinished);
    if (const int32_t minutes = LoadSyncConfig().intervalMinutes; minutes > 0) {
        m_syncTimer = new QTimer(this);
        connect(m_syncTimer, &QTimer::timeout, this, [this] { StartSync(false); });
        m_syncTimer->start(std::chrono::minutes(minutes));
    }
    ApplyFullScreenLayout();
    m_created = true;
    return true;
}

bool CMainFrame::FailStartup(int stringId)
{
    m_startupError = LoadString(stringId);
    MessageBox(this, m_startupError, LoadString(IDS_PRODUCT_NAME), MB_OK | MB_ICONERROR);
    return false;
}

void CMainFrame::LoadResourceLibrary()
{
    // The view must not draw from a bundle that is gone.
    DetachViewPictures();
    resourceLibrary.reset();
    resourceLibrary = ResourceLibrary::LoadForWeekFontSize(settings.m_WeekFontSize);
}

void CMainFrame::BuildCommandSurface()
{
    if (settings.m_UseSoftKey == 0) {
        m_buttons = std::make_unique<ButtonRow>(*this, [this](int command) { OnCommand(command); });
    } else {
        menuBar = new SoftKeyBar(this);
        menuBar->SetMenu(LoadMenu(IDR_MAINFRAME));
        connect(menuBar, &SoftKeyBar::commandTriggered, this, [this](int command) { PostCommand(command); });
        menuBar->show();
    }
    LayOut();
}

QRect CMainFrame::ViewRect() const
{
    int bottom = 0;
    if (m_buttons)
        bottom = ButtonRow::StripHeight();
    else if (menuBar != nullptr)
        bottom = SoftKeyBar::BarHeight();
    return QRect(0, 0, width(), std::max(0, height() - bottom));
}

void CMainFrame::LayOut()
{
    if (activeView)
        activeView->setGeometry(ViewRect());
    if (m_buttons)
        m_buttons->Layout(size());
    if (menuBar != nullptr) {
        const int barHeight = SoftKeyBar::BarHeight();
        menuBar->setGeometry(0, height() - barHeight, width(), barHeight);
        menuBar->raise();
    }
}

void CMainFrame::resizeEvent(QResizeEvent*) { LayOut(); }

void CMainFrame::paintEvent(QPaintEvent*)
{
    if (!m_buttons)
        return;
    // The strip under the button row, with a black line along its top edge.
    QPainter painter(this);
    const QRect strip(0, ViewRect().bottom() + 1, width(), height() - ViewRect().height());
    painter.fillRect(strip, kButtonStripColor);
    painter.setPen(Qt::black);
    painter.drawLine(strip.topLeft(), strip.topRight());
}

void CMainFrame::ApplyFullScreenLayout()
{
    // The client area already is the whole emulated screen; only the input
    // panel button is left to hide.
    raise();
    activateWindow();
    HideInputPanelButton(this);
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && settings.m_UseSoftKey == 0 && m_created)
        PostWindowMessage(this, WM_FRAME_FULLSCREEN);
    QWidget::changeEvent(event);
}

bool CMainFrame::event(QEvent* event)
{
    if (const WindowMessageEvent* message = AsWindowMessage(event)) {
        switch (message->Message()) {
        case WM_DBNOTIFICATION:
            OnStoreNotification(event);
            return true;
        case WM_FRAME_FULLSCREEN:
            ApplyFullScreenLayout();
            return true;
        case WM_COMMAND:
            OnCommand(static_cast<int>(message->WParam()));
            return true;
        default:
            break;
        }
    }
    return QWidget::event(event);
}

void CMainFrame::OnStoreNotification(const QEvent* event)
{
    const WindowMessageEvent* message = AsWindowMessage(event, WM_DBNOTIFICATION);
    CENOTIFICATION* const* payload = message->PayloadAs<CENOTIFICATION*>();
    CENOTIFICATION* notification = payload != nullptr ? *payload : nullptr;
    if (notification == nullptr)
        return;
    if (IsRecordChange(notification->uType) && m_itemSource)
        m_itemSource->ForgetItem(notification->oid);
    if (!m_closing && IsRecordChange(notification->uType) && !m_refreshPending) {
        // A burst of changes (an import, a sync) costs one reload, after the
        // notifications already queued.
        m_refreshPending = true;
        QTimer::singleShot(0, this, [this] {
            m_refreshPending = false;
            RefreshActiveView();
        });
    }
    if (m_session)
        m_session->FreeNotification(notification);
    else
        CeFreeNotification(nullptr, notification);
}

void CMainFrame::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timerId)
        OnDayTimer();
    else
        QWidget::timerEvent(event);
}

void CMainFrame::OnDayTimer()
{
    // Today's marks move at midnight.
    if (lastDayOfMonth.Changed(Now()))
        RefreshActiveView();
}

void CMainFrame::SetCurrentDate(TimeValue date)
{
    currentDate = date;
    const WeekRange week = WeekAround(date, settings.m_SundayAsStart != 0);
    weekStart = week.start;
    weekEnd = week.end;
}

WeekItemSource& CMainFrame::GetItemSource() { return *m_itemSource; }

void CMainFrame::PostCommand(int commandId)
{
    PostWindowMessage(this, WM_COMMAND, static_cast<WPARAM>(commandId));
}

std::optional<TimeValue> CMainFrame::PickDate(TimeValue preset)
{
    TimeValue date = preset;
    if (m_dialogs->PickDate(this, date))
        return date;
    return std::nullopt;
}

void CMainFrame::SetWeekTitle(const QString& title) { SetViewTitle(title); }

void CMainFrame::SetViewTitle(const QString& title) { setWindowTitle(title.isEmpty() ? m_title : title); }

QMenu* CMainFrame::RightSoftKeyPopup()
{
    return menuBar != nullptr ? menuBar->Popup(SoftKeyBar::Key::Right) : nullptr;
}

void CMainFrame::ShowItemButtons(bool editAndDelete, bool weatherRefresh)
{
    if (!m_buttons)
        return;
    m_buttons->SetButtonVisible(ID_EDIT_ITEM, editAndDelete);
    m_buttons->SetButtonVisible(ID_DELETE_ITEM, editAndDelete);
    m_buttons->SetButtonVisible(ID_WEATHER_REFRESH, weatherRefresh);
}

void CMainFrame::BringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    // Dialogs the frame owns come along, a modal one on top.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && IsOwnedBy(window, this))
            window->raise();
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

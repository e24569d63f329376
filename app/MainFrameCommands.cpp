// The frame's command dispatcher and the commands that run in the frame.
#include "app/MainFrame.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/AboutDialog.h"
#include "editors/BitmapButtonEx.h"
#include "app/ButtonRow.h"
#include "app/FrameDialogs.h"
#include "app/ItemCommands.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/time/PlatformTime.h"
#include "sync/SyncConfig.h"
#include "platform/shell/MessageBox.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/Strings.h"
#include "views/ViewEx.h"
#include "views/month/MonthViewWeather.h"

namespace {

bool IsMonthView(int kind) { return kind == kViewKindMonthLunar || kind == kViewKindMonthWeather; }
bool IsItemView(int kind) { return kind == kViewKindWeek || kind == kViewKindAnniversaries; }

void PressAndRelease(QWidget* target, int key)
{
    const QString text = key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar(key)) : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

}  // namespace

ItemCommands CMainFrame::Items()
{
    return ItemCommands(ItemCommandContext{this, *m_session, *m_dialogs, anniversaries, ProgramFolder().string()});
}

void CMainFrame::Apply(ViewUpdate update)
{
    if (update == ViewUpdate::Refresh)
        RefreshActiveView();
    else if (update == ViewUpdate::Redraw)
        RedrawActiveView();
}

void CMainFrame::OnCommand(int commandId)
{
    if (!m_created)
        return;
    switch (commandId) {
    case ID_NEW_APPOINTMENT:
        Apply(Items().NewAppointment(currentDate, Now()));
        break;
    case ID_NEW_TASK:
        Apply(Items().NewTask(currentDate));
        break;
    case ID_NEW_ANNIVERSARY_DATE:
        Apply(Items().NewAnniversary(kAnniversaryByDate, currentDate));
        break;
    case ID_NEW_ANNIVERSARY_DAY:
        Apply(Items().NewAnniversary(kAnniversaryByWeekday, currentDate));
        break;
    case ID_VIEW_WEEK:
        SwitchView(kViewKindWeek);
        break;
    case ID_VIEW_ANNIVERSARIES:
        SwitchView(kViewKindAnniversaries);
        break;
    case ID_VIEW_MONTH_LUNAR:
        SwitchView(kViewKindMonthLunar);
        break;
    case ID_VIEW_MONTH_WEATHER:
        SwitchView(kViewKindMonthWeather);
        break;
    case ID_GO_TODAY:
        GoToToday();
        break;
    case ID_GO_TO_DATE:
        GoToDate();
        break;
    case ID_WEATHER_REFRESH:
        RunWeatherRefresh();
        break;
    case ID_WEATHER_SERVER:
        m_dialogs->RunWeatherServer(this, settings);
        break;
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
        CutOrCopy(commandId == ID_EDIT_CUT);
        break;
    case ID_EDIT_PASTE:
        Paste();
        break;
    case ID_EDIT_ITEM:
        EditSelection();
        break;
    case ID_DELETE_ITEM:
        if (IsItemView(viewKind))
            Apply(Items().Delete(ActiveSelection()));
        break;
    case ID_SYNC:
        StartSync(true);
        break;
    case ID_OPTIONS:
        RunOptions();
        break;
    case ID_APP_ABOUT:
        ShowAbout();
        break;
    case ID_APP_EXIT:
        QCoreApplication::exit(0);
        break;
    case IDC_BUTTON_MENU:
    case IDC_BUTTON_ADD:
    case IDC_BUTTON_VIEWS:
        ShowButtonPopup(commandId);
        break;
    case IDC_BUTTON_PREVIOUS:
    case IDC_BUTTON_NEXT:
        SendArrowToView(commandId == IDC_BUTTON_NEXT);
        break;
    default:
        break;
    }
}

MenuDesc CMainFrame::ButtonPopup(int buttonId) const
{
    switch (buttonId) {
    case IDC_BUTTON_MENU:
        return MainButtonMenu(viewKind);
    case IDC_BUTTON_ADD:
        return AddButtonMenu(viewKind);
    case IDC_BUTTON_VIEWS:
        return ViewButtonMenu();
    default:
        return {};
    }
}

void CMainFrame::ShowButtonPopup(int buttonId)
{
    const CBitmapButtonEx* button = m_buttons ? m_buttons->Button(buttonId) : nullptr;
    const QPoint anchor = button != nullptr ? button->mapToGlobal(QPoint(0, 0)) : mapToGlobal(QPoint(0, height()));
    if (const int command = m_runPopup(this, ButtonPopup(buttonId), anchor, PopupCorner::BottomLeft); command != 0)
        OnCommand(command);
}

void CMainFrame::SendArrowToView(bool next)
{
    // The month views page by month with S and H, the others by week with
    // the arrow keys.
    int key = next ? Qt::Key_Right : Qt::Key_Left;
    if (IsMonthView(viewKind))
        key = next ? Qt::Key_H : Qt::Key_S;
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || !(target == this || isAncestorOf(target)))
        target = activeView;
    if (target != nullptr)
        PressAndRelease(target, key);
}

void CMainFrame::EditAnniversary(int index)
{
    if (index >= 0)
        Apply(Items().EditAnniversary(static_cast<CEOID>(index), currentDate));
}

void CMainFrame::GoToToday()
{
    SetCurrentDate(Now());
    RefreshActiveView();
}

void CMainFrame::GoToDate()
{
    if (const auto date = PickDate(currentDate)) {
        SetCurrentDate(*date);
        RefreshActiveView();
    }
}

void CMainFrame::CutOrCopy(bool cut)
{
    if (IsMonthView(viewKind))
        return;
    const FrameSelection selection = ActiveSelection();
    if (Items().RefusedAsComputedHoliday(selection))
        return;
    if (selection.HasItem()) {
        clipOid = static_cast<int32_t>(selection.oid);
        clipType = viewKind == kViewKindAnniversaries ? kSelectionAnniversary : selection.kind;
    }
    clipCut = cut ? 1 : 0;
}

void CMainFrame::Paste()
{
    if (clipOid == -1)
        return;
    const ViewUpdate update = Items().Paste(static_cast<CEOID>(clipOid), clipType, clipCut != 0, currentDate);
    clipOid = -1;
    Apply(update);
}

void CMainFrame::RunOptions()
{
    const Settings before = settings;
    if (m_dialogs->RunOptions(this, settings) != IDOK)
        return;
    if (settings.m_SundayAsStart != before.m_SundayAsStart)
        SetCurrentDate(currentDate);
    const bool fontsChanged = settings.m_WeekFontName != before.m_WeekFontName ||
                              settings.m_WeekFontSize != before.m_WeekFontSize ||
                              settings.m_AnnvFontName != before.m_AnnvFontName ||
                              settings.m_AnnvFontSize != before.m_AnnvFontSize ||
                              settings.m_ClearType != before.m_ClearType;
    if (fontsChanged)
        RebuildViewFonts();
    if (settings.m_WeekFontSize != before.m_WeekFontSize) {
        LoadResourceLibrary();
        HandPicturesToView();
    }
    RefreshActiveView();
}

void CMainFrame::RunWeatherRefresh()
{
    if (viewKind != kViewKindMonthWeather)
        return;
    if (MessageBox(this, LoadString(IDS_WEATHER_NEEDS_INTERNET), LoadString(IDS_PRODUCT_NAME),
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (CMonthViewWeather* view = MonthWeatherView())
        view->StartWeatherRetrieval();
}

void CMainFrame::StartSync(bool byUser)
{
    if (m_sync == nullptr)
        return;
    if (m_sync->Running()) {
        if (byUser)
            MessageBox(this, LoadString(IDS_SYNC_RUNNING), LoadString(IDS_PRODUCT_NAME), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SyncRunInput input;
    input.storeFile = StoreFile();
    input.config = LoadSyncConfig();
    if (!input.config.Configured()) {
        if (byUser)
            MessageBox(this, LoadString(IDS_SYNC_NOT_CONFIGURED), LoadString(IDS_PRODUCT_NAME), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SYSTEMTIME now;
    GetLocalTime(now);
    input.currentYear = now.wYear;
    input.age = AgeCountingFromSetting(settings.m_AgeCount);
    input.substituteHolidays = settings.m_ShowHolidays != 0;
    m_syncByUser = byUser;
    m_sync->Start(std::move(input), CopyAnniversaries(anniversaries));
    setWindowTitle(FormatString(IDS_SYNC_TITLE_PROGRESS, {m_title, QStringLiteral("...")}));
}

void CMainFrame::OnSyncFinished(bool ok, const QString& message)
{
    setWindowTitle(m_title);
    if (ok) {
        m_lastSyncFailure.clear();
        return;
    }
    // One box for the whole run; a timed run that keeps failing the same way stays quiet.
    if (m_syncByUser || message != m_lastSyncFailure)
        MessageBox(this, FormatString(IDS_SYNC_FAILED, {message}), LoadString(IDS_PRODUCT_NAME), MB_OK | MB_ICONERROR);
    m_lastSyncFailure = message;
}

void CMainFrame::EditSelection()
{
    if (!IsItemView(viewKind))
        return;
    const FrameSelection selection = ActiveSelection();
    if (selection.HasItem() && selection.kind == kSelectionAnniversary)
        EditAnniversary(static_cast<int>(selection.oid));
    else
        Apply(Items().Edit(selection, currentDate, Now()));
}

void CMainFrame::ShowUnavailable()
{
    MessageBox(this, LoadString(IDS_COMMAND_UNAVAILABLE), LoadString(IDS_PRODUCT_NAME), MB_OK | MB_ICONEXCLAMATION);
}

void CMainFrame::ShowAbout()
{
    CAboutDlg about(this);
    m_dialogs->RunModal(about);
}

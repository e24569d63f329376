// The main frame: the window whose client area is the handheld's screen. It
// owns the store session, the anniversaries, the settings, the current date
// and week, the clipboard, the picture bundle and exactly one live view, and
// runs every command of the menus, the button row and the soft keys.
#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

#include "app/BackgroundSync.h"
#include "app/FrameDates.h"
#include "app/FrameSelection.h"
#include "settings/Settings.h"
#include "calendar/Anniversary.h"
#include "platform/shell/MenuDesc.h"
#include "platform/shell/PopupMenu.h"
#include "views/FrameViewHost.h"
#include "views/ViewEx.h"
#include "views/week/WeekViewHost.h"

class ButtonRow;
class CAnniversaryView;
class CMonthViewLunar;
class CMonthViewWeather;
class CWeekView;
class FrameDialogs;
class PostingStoreWindow;
class ItemCommands;
class PimSession;
class PimWeekItemSource;
class QMenu;
class ResourceLibrary;
class SoftKeyBar;
enum class ViewUpdate;

class CMainFrame : public QWidget, public WeekViewHost, public FrameViewHost {
    Q_OBJECT

public:
    // Reads every setting for a screen of that client size and sets the
    // current date to now. Popup menus (the frame's and the views') are shown
    // through `runPopup`.
    explicit CMainFrame(QSize clientSize, QWidget* parent = nullptr,
                        PopupMenuRunner runPopup = ShowPopupMenu);
    ~CMainFrame() override;

    // The window's creation: the store session, the anniversaries, the
    // databases with their notification request, the picture bundle, the
    // command surface, the first view and the timer. A failure shows its
    // message and returns false; the application then ends.
    bool Create(int firstViewKind = 1);

    // Replaces the dialogs (editors, date picker, options) the commands open.
    void SetDialogs(std::unique_ptr<FrameDialogs> dialogs);
    FrameDialogs& Dialogs() { return *m_dialogs; }

    // The one command dispatcher. PostCommand queues a command behind the
    // current input, as the views need.
    void OnCommand(int commandId);

    // Edit on an anniversary that a view shows, by its index in the list.
    void EditAnniversary(int index);

    // Brings the frame and its dialogs to the front (a second start asks it).
    void BringToFront();

    // What the frame's timer does every 30 s: refresh when the day changed.
    void OnDayTimer();
    static constexpr int kDayTimerId = 257;
    static constexpr int kDayTimerPeriodMs = 30000;

    // The popup of a button of the row for the current view kind.
    MenuDesc ButtonPopup(int buttonId) const;

    // Refresh collects the active view's entries again; Redraw repaints it
    // keeping them (after an edit).
    void RefreshActiveView();
    void RedrawActiveView();

    // State, read by tests and by the application object.
    int ViewKind() const { return viewKind; }
    CViewEx* ActiveView() const { return activeView; }
    CWeekView* WeekView() const;
    CMonthViewLunar* MonthLunarView() const;
    CMonthViewWeather* MonthWeatherView() const;
    CAnniversaryView* AnniversaryView() const;
    TimeValue WeekStart() const { return weekStart; }
    TimeValue WeekEnd() const { return weekEnd; }
    int32_t ClipOid() const { return clipOid; }
    int32_t ClipType() const { return clipType; }
    int32_t ClipCut() const { return clipCut; }
    ButtonRow* Buttons() const { return m_buttons.get(); }
    SoftKeyBar* MenuBar() const { return menuBar; }
    Settings& GetSettingsForUpdate() { return settings; }
    AnniversaryList& Anniversaries() { return anniversaries; }
    PimSession* Session() const { return m_session.get(); }
    const ResourceLibrary* ResourceBundle() const { return resourceLibrary.get(); }
    // The message start-up failed with, empty after a good start.
    const QString& StartupError() const { return m_startupError; }
    // Where the view goes: the client area less the command surface.
    QRect ViewRect() const;

    // ViewHost, WeekViewHost and FrameViewHost.
    const Settings& GetSettings() const override { return settings; }
    TimeValue GetCurrentDate() const override { return currentDate; }
    void SetCurrentDate(TimeValue date) override;
    TimeValue GetWeekStart() const override { return weekStart; }
    TimeValue GetWeekEnd() const override { return weekEnd; }
    const AnniversaryList& GetAnniversaries() const override { return anniversaries; }
    const ResourceLibrary* GetResourceLibrary() const override { return resourceLibrary.get(); }
    WeekItemSource& GetItemSource() override;
    void PostCommand(int commandId) override;
    std::optional<TimeValue> PickDate(TimeValue preset) override;
    void SetWeekTitle(const QString& title) override;
    void SetViewTitle(const QString& title) override;
    QMenu* RightSoftKeyPopup() override;
    void ShowItemButtons(bool editAndDelete, bool weatherRefresh) override;

protected:
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool FailStartup(int stringId);
    void DetachViewPictures();
    void HandPicturesToView();
    void RebuildViewFonts();
    void LoadResourceLibrary();
    void BuildCommandSurface();
    void LayOut();
    void ApplyFullScreenLayout();
    void OnStoreNotification(const QEvent* event);

    // View switching; kinds that have no view yet leave the current one.
    void SwitchView(int kind);
    CViewEx* CreateView(int kind);
    FrameSelection ActiveSelection() const;
    void Apply(ViewUpdate update);

    // Commands.
    void ShowButtonPopup(int buttonId);
    void SendArrowToView(bool next);
    void GoToToday();
    void GoToDate();
    void CutOrCopy(bool cut);
    void Paste();
    void RunOptions();
    void RunWeatherRefresh();
    // Starts a sync on a worker; `byUser` shows every failure, a timed run
    // only a failure that differs from the last one.
    void StartSync(bool byUser);
    void OnSyncFinished(bool ok, const QString& message);
    void ShowAbout();
    // For a command whose module has not arrived: says so instead of nothing.
    void ShowUnavailable();
    void EditSelection();
    ItemCommands Items();

    // In the order the frame keeps them.
    TimeValue currentDate = 0;
    TimeValue weekStart = 0;
    TimeValue weekEnd = 0;
    std::unique_ptr<PostingStoreWindow> m_storeWindow;  // where the store's notifications go
    std::unique_ptr<PimSession> m_session;            // object model and both databases
    std::unique_ptr<PimWeekItemSource> m_itemSource;
    AnniversaryList anniversaries;
    Settings settings;
    int32_t clipOid = -1;
    int32_t clipType = 0;
    int32_t clipCut = 0;
    std::unique_ptr<ResourceLibrary> resourceLibrary;
    int viewKind = -1;
    QPointer<CViewEx> activeView;
    QPointer<CViewEx> weekView;
    QPointer<CViewEx> monthLunarView;
    QPointer<CViewEx> monthWeatherView;
    QPointer<CViewEx> anniversaryView;
    DayWatch lastDayOfMonth;
    SoftKeyBar* menuBar = nullptr;
    std::unique_ptr<ButtonRow> m_buttons;

    std::unique_ptr<FrameDialogs> m_dialogs;
    QString m_title;
    PopupMenuRunner m_runPopup;
    QString m_startupError;
    int m_timerId = 0;
    BackgroundSync* m_sync = nullptr;  // child QObject
    QTimer* m_syncTimer = nullptr;     // "SyncInterval" minutes; none when 0
    bool m_syncByUser = false;
    QString m_lastSyncFailure;
    bool m_created = false;
    bool m_closing = false;
    bool m_refreshPending = false;
};

// The frame's side of its views: switching, refreshing and what it asks of
// the active view.
#include "app/MainFrame.h"

#include "app/ButtonRow.h"
#include "resources/Menus.h"
#include "views/anniversary/AnniversaryView.h"
#include "views/month/MonthViewLunar.h"
#include "views/month/MonthViewWeather.h"
#include "views/week/WeekView.h"

CWeekView* CMainFrame::WeekView() const { return qobject_cast<CWeekView*>(activeView.data()); }

CMonthViewLunar* CMainFrame::MonthLunarView() const
{
    return qobject_cast<CMonthViewLunar*>(activeView.data());
}

CMonthViewWeather* CMainFrame::MonthWeatherView() const
{
    return qobject_cast<CMonthViewWeather*>(activeView.data());
}

CAnniversaryView* CMainFrame::AnniversaryView() const
{
    return qobject_cast<CAnniversaryView*>(activeView.data());
}

CViewEx* CMainFrame::CreateView(int kind)
{
    switch (kind) {
    case kViewKindWeek:
        return new CWeekView(*this, this, m_runPopup);
    case kViewKindMonthLunar:
        return new CMonthViewLunar(*this, this);
    case kViewKindMonthWeather:
        return new CMonthViewWeather(*this, this);
    case kViewKindAnniversaries:
        return new CAnniversaryView(*this, this, m_runPopup);
    default:
        return nullptr;
    }
}

void CMainFrame::SwitchView(int kind)
{
    if (kind == viewKind)
        return;
    CViewEx* view = CreateView(kind);
    if (view == nullptr) {
        ShowUnavailable();
        return;
    }
    viewKind = kind;
    QPointer<CViewEx>* kindSlots[] = {&weekView, &monthLunarView, &monthWeatherView, &anniversaryView};
    *kindSlots[kind - 1] = view;
    QPointer<CViewEx> previous = activeView;
    activeView = view;
    view->setGeometry(ViewRect());
    view->show();
    setFocusProxy(view);
    view->setFocus();
    // Never two live views: the old one goes at once.
    delete previous.data();
    LayOut();
    RefreshActiveView();
}

void CMainFrame::RefreshActiveView()
{
    if (CWeekView* week = WeekView())
        week->Reload(1);
    else if (auto* month = qobject_cast<CMonthView*>(activeView.data()))
        month->RefreshMonthView(1);
    else if (CAnniversaryView* list = AnniversaryView())
        list->RefreshAnniversaryView(1);
}

void CMainFrame::RedrawActiveView()
{
    if (CWeekView* week = WeekView())
        week->Redraw();
    else if (CAnniversaryView* list = AnniversaryView())
        list->RefreshAnniversaryView(1);  // the rows hold the edited records' texts
    else if (activeView)
        activeView->update();
}

FrameSelection CMainFrame::ActiveSelection() const
{
    FrameSelection selection;
    if (CWeekView* week = WeekView()) {
        const ItemEntry entry = week->GetSelection();
        selection.oid = static_cast<CEOID>(entry.oid);
        selection.kind = entry.kind;
        selection.start = entry.start;
        selection.title = QString::fromStdString(entry.title.empty() ? entry.bodyText : entry.title);
    } else if (CAnniversaryView* list = AnniversaryView()) {
        if (const auto row = list->GetSelectedAnniversary()) {
            selection.oid = static_cast<CEOID>(row->index);
            selection.kind = kSelectionAnniversary;
            selection.title = QString::fromStdString(row->name);
        }
    }
    return selection;
}

void CMainFrame::DetachViewPictures()
{
    if (CWeekView* week = WeekView())
        week->SetResourceLibrary(nullptr);
}

void CMainFrame::HandPicturesToView()
{
    if (CWeekView* week = WeekView())
        week->SetResourceLibrary(resourceLibrary.get());
}

void CMainFrame::RebuildViewFonts()
{
    if (CWeekView* week = WeekView())
        week->SetFonts();
    else if (CAnniversaryView* list = AnniversaryView())
        list->ApplyAnniversaryFont();
}

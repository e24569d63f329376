// The frame's side of its views: switching, refreshing and what it asks of
// the active view.
#include "app/MainFrame.h"

#include "app/ButtonRow.h"
#include "resources/Menus.h"
#include "views/week/WeekView.h"

CWeekView* CMainFrame::WeekView() const { return qobject_cast<CWeekView*>(activeView.data()); }

CViewEx* CMainFrame::CreateView(int kind)
{
    // The month views and the anniversary list come with their own modules;
    // until then their commands keep the current view.
    if (kind == kViewKindWeek)
        return new CWeekView(*this, this, m_runPopup);
    return nullptr;
}

void CMainFrame::SwitchView(int kind)
{
    if (kind == viewKind)
        return;
    SetWeekTitle({});
    CViewEx* view = CreateView(kind);
    if (view == nullptr)
        return;
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
}

void CMainFrame::RedrawActiveView()
{
    if (CWeekView* week = WeekView())
        week->Redraw();
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
}

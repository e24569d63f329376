#include "views/month/MonthViewLunar.h"

#include "resources/CommandIds.h"
#include "resources/Menus.h"

CMonthViewLunar::CMonthViewLunar(FrameViewHost& host, QWidget* parent)
    : CMonthView(host, ID_VIEW_MONTH_WEATHER, parent) {
    PrepareCommandSurface(MonthLunarViewSoftKeyMenu(), false);
}

void CMonthViewLunar::PaintCellContent(QPainter& dc, int index, const MonthCell& cell, ColorRef /*background*/,
                                       bool isToday, bool isSelected) const {
    if (!cell.hasLunar) return;
    PaintFootText(dc, cell, LunarLabel(cell.lunar, UsesLongLunarLabel(index, cell.lunar, isToday, isSelected)));
}

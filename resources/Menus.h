// The application's menus as data: the menu resources by id and the popups
// that are put together at run time for a view kind.
#pragma once

#include "platform/shell/MenuDesc.h"

// View kinds of the frame.
inline constexpr int kViewKindWeek = 1;
inline constexpr int kViewKindMonthLunar = 2;
inline constexpr int kViewKindMonthWeather = 3;
inline constexpr int kViewKindAnniversaries = 4;

// A menu resource (IDR_... of CommandIds.h). For a soft-key bar the first
// item is the left key and the second the right key. Unknown ids give an
// empty menu.
MenuDesc LoadMenu(int menuId);

// The popups of the button row for the frame's current view kind.
MenuDesc MainButtonMenu(int viewKind);  // button 1205 "메뉴"
MenuDesc AddButtonMenu(int viewKind);   // button 1206
MenuDesc ViewButtonMenu();              // button 1207

// What each view puts into the right soft key's popup.
MenuDesc WeekViewSoftKeyMenu();
MenuDesc MonthLunarViewSoftKeyMenu();
MenuDesc MonthWeatherViewSoftKeyMenu();
MenuDesc AnniversaryViewSoftKeyMenu();

// The tap-and-hold menus. In the week view a hold in a cell's lower-right
// corner (its header box) offers only the add commands.
MenuDesc WeekViewHoldMenu(bool inCellCorner);
MenuDesc AnniversaryViewHoldMenu();

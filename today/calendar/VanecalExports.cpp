// The exports of libVanecal.so.
#include "today/calendar/VanecalWindow.h"
#include "today/item/TodayItemExports.h"

DAYVANE_TODAY_ITEM_EXPORTS(CVanecalWnd)

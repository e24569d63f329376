// The exports of libVanetask.so.
#include "today/item/TodayItemExports.h"
#include "today/task/VanetaskWindow.h"

DAYVANE_TODAY_ITEM_EXPORTS(CVanetaskWnd)

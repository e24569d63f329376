// The exports the Today screen looks up in an item library. Each library
// names its window class once: DAYVANE_TODAY_ITEM_EXPORTS(CVanecalWnd).
#pragma once

#include "today/item/TodayItemWindow.h"

#define DAYVANE_TODAY_ITEM_EXPORTS(WindowClass)                                                        \
    extern "C" __attribute__((visibility("default"))) QWidget* InitializeCustomItem(TODAYLISTITEM* item, \
                                                                                    QWidget* parent)     \
    {                                                                                                  \
        return InitializeTodayItem<WindowClass>(item, parent);                                         \
    }                                                                                                  \
    /* The settings live on Dayvane's options sheet: the item has no dialog. */                        \
    extern "C" __attribute__((visibility("default"))) int CustomItemOptionsDlgProc(QWidget*, uint32_t, \
                                                                                   WPARAM, LPARAM)     \
    {                                                                                                  \
        return 0;                                                                                      \
    }

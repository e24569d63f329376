// The Today screen's plug-in protocol: the item record the screen keeps per
// item, the messages between the screen and its items (window messages as Qt
// events, same numbers), the two exports every item library has, and the
// shell's "SYSTEM/ShellAPIReady" event.
#pragma once

#include <QRect>

#include <cstdint>
#include <string>

#include "platform/shell/WindowMessage.h"

class QPainter;
class QWidget;

// Screen -> item: may the item's height have changed? wParam: TODAYLISTITEM*;
// result 1 when the screen must lay its items out again.
inline constexpr uint32_t WM_TODAYCUSTOM_QUERYREFRESHCACHE = WM_USER + 243;
// Item -> screen: a colour of the screen's theme (wParam TODAYCOLOR_*); result COLORREF.
inline constexpr uint32_t TODAYM_GETCOLOR = WM_USER + 100;
// Item -> screen: paint the background behind the item (wParam TODAYDRAWWATERMARKINFO*).
inline constexpr uint32_t TODAYM_DRAWWATERMARK = WM_USER + 101;
// Item -> screen (posted): the item took the selection; wParam is the item window.
inline constexpr uint32_t TODAYM_TOOKSELECTION = WM_USER + 102;

inline constexpr WPARAM TODAYCOLOR_TEXT = 0x10000004;

// The screen's record of one item.
struct TODAYLISTITEM {
    std::string szName;          // the item's key name, quotes included
    std::string szDLLPath;       // absolute path of the item library
    int32_t prgbCachedData = 0;  // unused
    int32_t cyp = 0;             // the item's height, set by the item
    QWidget* hwndCustom = nullptr;
    bool fEnabled = true;
    int32_t dwOrder = 0;
};

struct TODAYDRAWWATERMARKINFO {
    QPainter* hdc = nullptr;
    QRect rc;
    QWidget* hwnd = nullptr;
};

// Exports of an item library, looked up by these names.
inline constexpr const char* kInitializeCustomItemExport = "InitializeCustomItem";
inline constexpr const char* kCustomItemOptionsDlgProcExport = "CustomItemOptionsDlgProc";
using InitializeCustomItemFn = QWidget* (*)(TODAYLISTITEM* item, QWidget* parent);
using CustomItemOptionsDlgProcFn = int (*)(QWidget* dialog, uint32_t message, WPARAM wParam, LPARAM lParam);

// "SYSTEM/ShellAPIReady": the screen sets it once it is ready; items test it
// with a zero wait. Kept on the application object, which the screen and the
// item libraries share.
void SignalShellApiReady();
bool ShellApiReadySignalled();

// The emulated screen's density, given by the screen window to the items it
// parents (the item libraries carry their own density state).
inline constexpr const char* kTodayDpiXProperty = "deviceDpiX";
inline constexpr const char* kTodayDpiYProperty = "deviceDpiY";

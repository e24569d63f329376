// Dialog units: the dialog templates give positions in units of a full-screen
// dialog of 156 x 177 units, which is the handheld's 240 x 268 work area at
// 96 dpi. One unit is 240/156 pixels across and 268/177 down at 96 dpi, scaled
// with the screen density like every other length.
#pragma once

#include <QRect>
#include <QSize>

inline constexpr int kFullScreenDialogUnitsX = 156;
inline constexpr int kFullScreenDialogUnitsY = 177;
inline constexpr int kWorkAreaWidthAt96 = 240;
inline constexpr int kWorkAreaHeightAt96 = 268;

// v units in pixels on a screen of `dpi`, rounded to nearest.
constexpr int DialogUnitsToPixelsX(int v, int dpi)
{
    const long long den = static_cast<long long>(kFullScreenDialogUnitsX) * 96;
    return static_cast<int>((static_cast<long long>(v) * kWorkAreaWidthAt96 * dpi + den / 2) / den);
}
constexpr int DialogUnitsToPixelsY(int v, int dpi)
{
    const long long den = static_cast<long long>(kFullScreenDialogUnitsY) * 96;
    return static_cast<int>((static_cast<long long>(v) * kWorkAreaHeightAt96 * dpi + den / 2) / den);
}
static_assert(DialogUnitsToPixelsX(156, 96) == 240 && DialogUnitsToPixelsY(177, 96) == 268);
static_assert(DialogUnitsToPixelsX(156, 192) == 480 && DialogUnitsToPixelsY(177, 192) == 536);

// On the device's screen. The rectangle's edges are converted on their own
// so that neighbouring controls keep touching after rounding.
int DialogUnitsX(int v);
int DialogUnitsY(int v);
QRect DialogUnitsRect(int x, int y, int width, int height);
QSize DialogUnitsSize(int width, int height);

// The application's own pictures: the images of the button row in the
// three density sets, and the application icon.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <array>

// The button row's commands, in the order the buttons are made.
inline constexpr std::array<int, 9> kButtonRowCommands{1205, 32781, 1206, 32824, 32823,
                                                       32845, 1207,  1208, 1209};

// The bitmap id of the command's button in an image set (0 up to 96 dpi,
// 1 from 97 to 131, 2 from 132 up); 0 when there is no such button or set.
int ButtonBitmapId(int commandId, int imageSet);

// A bitmap of the application's resources by id; null when there is none.
QPixmap LoadAppBitmap(int bitmapId);

// The command's button image for a screen density: the image set as drawn on
// the screens the sets were made for (96, 131 and 192 dpi), otherwise the
// artwork drawn at the density's own size, so that every button keeps its
// scaled place.
QPixmap ButtonBitmapForDensity(int commandId, int dpiX, int dpiY);
// The same for the device's density.
QPixmap ButtonBitmap(int commandId);

// The application icon at several sizes.
QIcon ApplicationIcon();

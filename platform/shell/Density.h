// The emulated device's screen density. Every length of the user interface is
// given for a 96-dpi screen and scaled with S(v) = (v * dpi + 48) / 96.
#pragma once

inline constexpr int kDefaultDeviceDpi = 192;

// Sets the device's logical pixels per inch (from the command line, once at
// start-up, before any window is made). Values outside 48..960 are refused
// and leave the density unchanged; returns whether they were taken.
bool SetDeviceDpi(int dpiX, int dpiY);

// The horizontal and vertical dpi; the default until SetDeviceDpi is called.
int DeviceDpiX();
int DeviceDpiY();

// A length of v pixels at 96 dpi on a screen of the given dpi.
constexpr int ScaleForDpi(int v, int dpi) { return (v * dpi + 48) / 96; }

// Horizontal lengths (x, widths) and vertical ones (y, heights) on the device.
int ScaleX(int v);
int ScaleY(int v);

// The three image sets: 0 up to 96 dpi, 1 from 97 to 131, 2 from 132 up.
inline constexpr int kImageSetCount = 3;
constexpr int ImageSetForDpi(int dpiX) { return dpiX <= 96 ? 0 : (dpiX <= 131 ? 1 : 2); }
int DeviceImageSet();

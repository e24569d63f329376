// The screen density a view draws for, taken from the device once per view.
#pragma once

#include "platform/shell/Density.h"

enum class Axis { X, Y };

struct ScreenDpi {
    int x = kDefaultDeviceDpi;
    int y = kDefaultDeviceDpi;

    int Of(Axis axis) const { return axis == Axis::X ? x : y; }
    // A length of v pixels at 96 dpi along the axis.
    int S(int v, Axis axis) const { return ScaleForDpi(v, Of(axis)); }
    static ScreenDpi OfDevice() { return {DeviceDpiX(), DeviceDpiY()}; }
};

#include "platform/shell/Density.h"

#include <atomic>

namespace {

// The cached densities: written once at start-up, read from any thread.
std::atomic<int> g_dpiX{kDefaultDeviceDpi};
std::atomic<int> g_dpiY{kDefaultDeviceDpi};

bool IsPlausibleDpi(int dpi) { return dpi >= 48 && dpi <= 960; }

}  // namespace

bool SetDeviceDpi(int dpiX, int dpiY)
{
    if (!IsPlausibleDpi(dpiX) || !IsPlausibleDpi(dpiY))
        return false;
    g_dpiX.store(dpiX, std::memory_order_relaxed);
    g_dpiY.store(dpiY, std::memory_order_relaxed);
    return true;
}

int DeviceDpiX() { return g_dpiX.load(std::memory_order_relaxed); }
int DeviceDpiY() { return g_dpiY.load(std::memory_order_relaxed); }

int ScaleX(int v) { return ScaleForDpi(v, DeviceDpiX()); }
int ScaleY(int v) { return ScaleForDpi(v, DeviceDpiY()); }

int DeviceImageSet() { return ImageSetForDpi(DeviceDpiX()); }

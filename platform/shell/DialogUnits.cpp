#include "platform/shell/DialogUnits.h"

#include "platform/shell/Density.h"

int DialogUnitsX(int v) { return DialogUnitsToPixelsX(v, DeviceDpiX()); }

int DialogUnitsY(int v) { return DialogUnitsToPixelsY(v, DeviceDpiY()); }

QRect DialogUnitsRect(int x, int y, int width, int height)
{
    const int left = DialogUnitsX(x);
    const int top = DialogUnitsY(y);
    return QRect(QPoint(left, top), QPoint(DialogUnitsX(x + width) - 1, DialogUnitsY(y + height) - 1));
}

QSize DialogUnitsSize(int width, int height) { return QSize(DialogUnitsX(width), DialogUnitsY(height)); }

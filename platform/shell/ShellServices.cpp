#include "platform/shell/ShellServices.h"

#include <QFont>
#include <QGuiApplication>

#include "platform/shell/Density.h"

int GetUIFontSizePixels()
{
    if (QGuiApplication::instance() == nullptr)
        return 0;
    const QFont font = QGuiApplication::font();
    if (font.pixelSize() > 0)
        return font.pixelSize();
    if (font.pointSizeF() <= 0)
        return 0;
    // Points are 1/72 inch; the device's vertical density gives the pixels.
    return static_cast<int>(font.pointSizeF() * DeviceDpiY() / 72.0 + 0.5);
}

void SetInputPanelPreference(QWidget* /*dialog*/) {}

void HideInputPanelButton(QWidget* /*window*/) {}

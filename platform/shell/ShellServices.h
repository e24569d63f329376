// Small shell services of the handheld that have little or nothing to do on
// a desktop: the user-interface font size, the input panel and full screen.
#pragma once

class QWidget;

// The shell's user-interface font size in pixels on the device, or 0 when
// the shell cannot tell (no application object yet). Needs a QGuiApplication.
int GetUIFontSizePixels();

// Marks a dialog whose edits should raise the input panel. A desktop has a
// keyboard, so nothing happens.
void SetInputPanelPreference(QWidget* dialog);

// Hides the input-panel button of a full-screen window: nothing to hide here.
void HideInputPanelButton(QWidget* window);

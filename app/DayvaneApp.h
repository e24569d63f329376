// The application object: the device, the single-instance rule, the first
// start, the main frame and the message loop (or one screenshot).
#pragma once

#include "app/AppOptions.h"

class QApplication;
class CMainFrame;

// Runs Dayvane with the options; returns the process's exit code.
int RunDayvane(QApplication& app, const AppOptions& options);

// Renders the frame offscreen into a PNG file; false (with a message on
// stderr) when the file cannot be written.
bool WriteScreenshot(CMainFrame& frame, const QString& file, const QString& dialogName = {});

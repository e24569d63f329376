// The dialogs a screenshot can show over the frame, built as the frame's
// commands would open them (on the first anniversary of the right kind, or
// on the current date), but not run modally.
#pragma once

#include <QString>

#include <memory>

class CMainFrame;
class QDialog;

// Null for a name that is not one of kScreenshotDialogs.
std::unique_ptr<QDialog> MakeScreenshotDialog(const QString& name, CMainFrame& frame);

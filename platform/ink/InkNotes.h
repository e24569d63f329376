// The notes blob and the ink control, as the editors use them: all through
// the control's messages, so that a control without an inner window simply
// fails.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/shell/WindowMessage.h"

class QWidget;

// The inner window of an ink control, null when it has none.
QWidget* InnerInkWindow(QWidget* control);
// Sends to the inner window; -1 without one.
LRESULT SendInkMessage(QWidget* control, uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0);

// Typing: input 1, view 0, page 16, zoom 100. Drawing: 0, 2, 2, 200.
void SetInkTypingMode(QWidget* control);
void SetInkDrawingMode(QWidget* control);
void ClearInk(QWidget* control);

// Streams the blob in when it is not empty; true on success (or nothing to load).
bool LoadNotesBlob(QWidget* control, const std::vector<uint8_t>& blob);
// Measures, then streams the content into a new buffer that replaces the
// blob. True when the content is taken (an empty control gives an empty
// blob); on failure the blob keeps the notes it had.
bool TakeNotesBlob(QWidget* control, std::vector<uint8_t>& blob);

#include "platform/ink/InkNotes.h"

#include <QWidget>

#include "platform/ink/InkMessages.h"
#include "platform/ink/InkStream.h"
#include "platform/ink/InkTransfer.h"

namespace {

constexpr LRESULT kNoInnerWindow = -1;

void ApplyMode(QWidget* control, WPARAM input, WPARAM view, WPARAM page, LPARAM zoom)
{
    SendInkMessage(control, IM_SETINPUTMODE, input);
    SendInkMessage(control, IM_SETVIEW, view);
    SendInkMessage(control, IM_SETPAGESTYLE, page);
    SendInkMessage(control, IM_SETZOOM, 0, zoom);
}

LRESULT Stream(QWidget* control, uint32_t message, MemoryStream& memory, EDITSTREAMCALLBACK callback)
{
    EDITSTREAM stream;
    stream.dwCookie = reinterpret_cast<uintptr_t>(&memory);
    stream.pfnCallback = callback;
    return SendInkMessage(control, message, kInkStreamFormat, reinterpret_cast<LPARAM>(&stream));
}

}  // namespace

QWidget* InnerInkWindow(QWidget* control)
{
    if (control == nullptr) return nullptr;
    return reinterpret_cast<QWidget*>(SendWindowMessage(control, IM_GETINNERWINDOW));
}

LRESULT SendInkMessage(QWidget* control, uint32_t message, WPARAM wParam, LPARAM lParam)
{
    QWidget* inner = InnerInkWindow(control);
    if (inner == nullptr) return kNoInnerWindow;
    return SendWindowMessage(inner, message, wParam, lParam);
}

void SetInkTypingMode(QWidget* control)
{
    ApplyMode(control, kInkInputTyping, kInkViewTyping, kInkPagePlain, 100);
}

void SetInkDrawingMode(QWidget* control)
{
    ApplyMode(control, kInkInputDrawing, kInkViewWriting, kInkPageRuled, 200);
}

void ClearInk(QWidget* control) { SendInkMessage(control, IM_CLEARALL, 1); }

bool LoadNotesBlob(QWidget* control, const std::vector<uint8_t>& blob)
{
    if (blob.empty()) return true;
    MemoryStream memory{const_cast<uint8_t*>(blob.data()), 0, blob.size()};
    return Stream(control, IM_STREAMIN, memory, MemoryStreamIn) == 0;
}

bool TakeNotesBlob(QWidget* control, std::vector<uint8_t>& blob)
{
    MemoryStream measure;
    if (Stream(control, IM_STREAMOUT, measure, MemoryStreamOut) != 0) return false;
    if (measure.position < 1) {
        blob.clear();
        return true;
    }
    std::vector<uint8_t> taken(measure.position, 0);
    MemoryStream memory{taken.data(), 0, taken.size()};
    if (Stream(control, IM_STREAMOUT, memory, MemoryStreamOut) != 0) return false;
    blob = std::move(taken);
    return true;
}

// The ink control's messages, with the platform's numbers. All but
// IM_GETINNERWINDOW go to the inner window that message returns.
#pragma once

#include <cstdint>

#include "platform/shell/WindowMessage.h"

// To the control: the inner window (a QWidget*), 0 when there is none.
inline constexpr uint32_t IM_GETINNERWINDOW = 0x614;

// wParam 1 typing, 0 drawing.
inline constexpr uint32_t IM_SETINPUTMODE = 0x549;
// wParam 0 typing view, 2 writing view.
inline constexpr uint32_t IM_SETVIEW = 0x51C;
// wParam 16 plain page, 2 ruled page.
inline constexpr uint32_t IM_SETPAGESTYLE = 0x51F;
// lParam the zoom in percent (25..400).
inline constexpr uint32_t IM_SETZOOM = 0x522;
// wParam 1: remove all text and strokes.
inline constexpr uint32_t IM_CLEARALL = 0x54B;
// wParam kInkStreamFormat, lParam an EDITSTREAM*. Return 0 on success.
inline constexpr uint32_t IM_STREAMIN = 0x449;
inline constexpr uint32_t IM_STREAMOUT = 0x44A;

inline constexpr WPARAM kInkInputDrawing = 0;
inline constexpr WPARAM kInkInputTyping = 1;
inline constexpr WPARAM kInkViewTyping = 0;
inline constexpr WPARAM kInkViewWriting = 2;
inline constexpr WPARAM kInkPageRuled = 2;
inline constexpr WPARAM kInkPagePlain = 16;

// Moves the stream's bytes. Stream in: fill up to `count` bytes of `buffer`
// and report how many in *done (0 ends the stream). Stream out: take up to
// `count` bytes from `buffer` and report how many were taken (with no room
// left, 0 stops the stream with an error). A nonzero return aborts the
// transfer and becomes the stream's error.
using EDITSTREAMCALLBACK = uint32_t (*)(uintptr_t cookie, uint8_t* buffer, int32_t count, int32_t* done);

struct EDITSTREAM {
    uintptr_t dwCookie = 0;
    uint32_t dwError = 0;
    EDITSTREAMCALLBACK pfnCallback = nullptr;
};

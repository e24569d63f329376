// The bytes the ink control streams out in format 0x10802 and reads back in.
//
// Three forms, told apart by their first bytes:
//  - nothing at all: an empty control;
//  - typed text only: FE FF, the text in UTF-16LE, a zero unit (the typed-notes
//    form of the store), so notes imported as text open as typed text;
//  - anything with strokes: "DVIK", a 16-bit version, then the text and the
//    strokes (layout in InkStream.cpp).
// Every block the reader accepts is written back byte for byte by the writer;
// the reader refuses anything else (other ink, damage, trailing bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ink/InkContent.h"

inline constexpr uint32_t kInkStreamFormat = 0x10802;

std::vector<uint8_t> WriteInkStream(const InkContent& content);
// Nothing for bytes this control did not write.
std::optional<InkContent> ReadInkStream(const uint8_t* data, size_t size);

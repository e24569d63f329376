// What the ink control holds: typed text and the pen strokes drawn over it.
// Points are in the control's document pixels at 100 % zoom, so a stroke
// keeps its place on the text whatever the zoom and scroll position.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct InkPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const InkPoint&) const = default;
};

struct InkStroke {
    uint32_t color = 0;  // 0x00BBGGRR
    uint16_t width = 1;  // pixels at 100 %, 1..kMaxInkPenWidth
    std::vector<InkPoint> points;  // at least one
    bool operator==(const InkStroke&) const = default;
};

inline constexpr uint16_t kMaxInkPenWidth = 255;

struct InkContent {
    std::string text;  // UTF-8
    std::vector<InkStroke> strokes;

    bool Empty() const { return text.empty() && strokes.empty(); }
    bool operator==(const InkContent&) const = default;
};

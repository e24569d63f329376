#include <gtest/gtest.h>

#include "platform/ink/InkStream.h"
#include "platform/text/NotesText.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::optional<InkContent> Read(const Bytes& bytes) { return ReadInkStream(bytes.data(), bytes.size()); }

InkContent Sketch()
{
    return InkContent{"회의 메모\n둘째 줄",
                      {InkStroke{0x0000FF, 3, {{10, 20}, {30, 25}, {-4, 70000}}}, InkStroke{0x123456, 1, {{5, 5}}}}};
}

}  // namespace

TEST(InkStreamTest, EachFormReadsBackExactly)
{
    EXPECT_TRUE(WriteInkStream(InkContent{}).empty());
    EXPECT_EQ(Read({}), InkContent{});

    // Text alone is the store's typed-notes form, so imported notes open as text.
    const InkContent typed{"안건\n1. 예산", {}};
    const Bytes typedBytes = WriteInkStream(typed);
    EXPECT_EQ(typedBytes, NotesFromText(typed.text));
    EXPECT_EQ(Read(typedBytes), typed);

    const Bytes drawn = WriteInkStream(Sketch());
    ASSERT_GE(drawn.size(), 6u);
    EXPECT_EQ(Bytes(drawn.begin(), drawn.begin() + 4), (Bytes{'D', 'V', 'I', 'K'}));
    EXPECT_EQ(Read(drawn), Sketch());
    EXPECT_EQ(WriteInkStream(*Read(drawn)), drawn);

    InkContent strokesOnly = Sketch();
    strokesOnly.text.clear();
    EXPECT_EQ(Read(WriteInkStream(strokesOnly)), strokesOnly);
}

TEST(InkStreamTest, RefusesWhatItDidNotWrite)
{
    const Bytes drawn = WriteInkStream(Sketch());
    // Every cut of a good block, and one byte more, is damage.
    for (size_t size = 1; size < drawn.size(); ++size)
        EXPECT_FALSE(ReadInkStream(drawn.data(), size)) << size;
    Bytes longer = drawn;
    longer.push_back(0);
    EXPECT_FALSE(Read(longer));

    auto patched = [&](size_t at, uint8_t value) {
        Bytes copy = drawn;
        copy[at] = value;
        return copy;
    };
    EXPECT_FALSE(Read(patched(4, 2)));  // a later version

    // Zero strokes would not come back in this form.
    Bytes noStrokes = {'D', 'V', 'I', 'K', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(Read(noStrokes));
    // A huge stroke count with no strokes behind it.
    Bytes hugeCount = {'D', 'V', 'I', 'K', 1, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_FALSE(Read(hugeCount));
    // A colour with a high byte, and a zero pen width.
    //                 magic               version text  count       colour      width pts         x           y
    Bytes oneDot = {'D', 'V', 'I', 'K', 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(Read(oneDot));
    EXPECT_FALSE(Read(patched(0, 'X')));
    Bytes badColour = oneDot;
    badColour[17] = 1;
    EXPECT_FALSE(Read(badColour));
    Bytes noWidth = oneDot;
    noWidth[18] = 0;
    EXPECT_FALSE(Read(noWidth));
    Bytes noPoints = oneDot;
    noPoints[20] = 0;
    EXPECT_FALSE(Read(Bytes(noPoints.begin(), noPoints.begin() + 24)));

    // The emptied control's mark, other ink, and a lone surrogate in the text.
    EXPECT_FALSE(Read({0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_FALSE(Read({0x00, 0x01, 0x02, 0x03, 0x04}));
    EXPECT_FALSE(Read({0xFE, 0xFF, 0x00, 0xD8, 0x00, 0x00}));
}

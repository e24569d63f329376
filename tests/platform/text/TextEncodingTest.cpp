#include "platform/text/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

const std::string kHangul = "설날 추석";                       // UTF-8
const std::string kHangulCp949 = "\xBC\xB3\xB3\xAF \xC3\xDF\xBC\xAE";
const std::string kReplacement = "\xEF\xBF\xBD";

TEST(TextEncoding, Cp949RoundTripsHangulAndAscii) {
    EXPECT_EQ(Cp949ToUtf8(kHangulCp949), kHangul);
    EXPECT_EQ(Utf8ToCp949(kHangul).value(), kHangulCp949);
    EXPECT_EQ(Utf8ToCp949("[#ff0000] 2001/05/05 a\r\n").value(), "[#ff0000] 2001/05/05 a\r\n");
    // A syllable outside KS X 1001 lies in the extended (UHC) area of 949.
    EXPECT_EQ(Cp949ToUtf8(Utf8ToCp949("똠").value()), "똠");
    EXPECT_EQ(Utf8ToCp949("").value(), "");
}

TEST(TextEncoding, Cp949DecodingReplacesBadBytesAndKeepsTheRest) {
    // A lone 0x80, a lead byte followed by a line feed, a lead byte at the end.
    EXPECT_EQ(Cp949ToUtf8("a\x80" "b"), "a" + kReplacement + "b");
    EXPECT_EQ(Cp949ToUtf8("\xBC\nx"), kReplacement + "\nx");
    EXPECT_EQ(Cp949ToUtf8("x\xBC"), "x" + kReplacement);
    EXPECT_EQ(Cp949ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextEncoding, Cp949EncodingRefusesWhatItCannotHold) {
    EXPECT_FALSE(Utf8ToCp949("emoji \xF0\x9F\x98\x80").has_value());
    EXPECT_FALSE(Utf8ToCp949("bad \xFF utf-8").has_value());
}

TEST(TextEncoding, Utf16LeDecodesPairsAndRepairsDamage) {
    EXPECT_EQ(Utf16LeToUtf8(std::string("a\0\x24\xC1", 4)), "a설");
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x3D\xD8\x00\xDE", 4)), "\xF0\x9F\x98\x80");
    // Odd length, a lone low surrogate, a high surrogate before a letter.
    EXPECT_EQ(Utf16LeToUtf8(std::string("a\0b", 3)), "a" + kReplacement);
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x00\xDC" "a\0", 4)), kReplacement + "a");
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x3D\xD8" "a\0", 4)), kReplacement + "a");
    EXPECT_EQ(Utf16LeToUtf8(""), "");
}

TEST(TextEncoding, Utf16LeEncodingRoundTrips) {
    const std::string text = "생일 \xF0\x9F\x98\x80\r\n";
    EXPECT_EQ(Utf16LeToUtf8(Utf8ToUtf16Le(text)), text);
    EXPECT_EQ(Utf8ToUtf16Le("a"), std::string("a\0", 2));
    EXPECT_EQ(Utf16LeToUtf8(Utf8ToUtf16Le("x\xFFy")), "x" + kReplacement + "y");
}

}  // namespace

// Small text helpers of the weather parsers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A leading decimal number: white space and a sign first, digits up to the
// first non-digit; 0 for none. Saturates at the int32 range instead of overflowing.
int32_t LeadingDecimal(std::u16string_view text);

// Decimal digits only, exactly as many as given, else -1.
int32_t FixedDigits(std::u16string_view text);

std::string ToUtf8(std::u16string_view text);
std::u16string ToUtf16(std::string_view utf8);

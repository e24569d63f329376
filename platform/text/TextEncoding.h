// Conversions between UTF-8 (the program's strings) and the encodings of the
// handheld's text files: code page 949 (the Korean ANSI code page) and UTF-16LE.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Decoders never fail: each undecodable byte (code page 949) or unit (UTF-16)
// becomes U+FFFD, so a damaged file still yields all of its good text.
std::string Cp949ToUtf8(std::string_view bytes);
std::string Utf16LeToUtf8(std::string_view bytes);

// Nullopt when the text holds a character that code page 949 cannot represent,
// or is not valid UTF-8: the caller picks another encoding instead of losing it.
std::optional<std::string> Utf8ToCp949(std::string_view utf8);

// UTF-16LE without a byte-order mark; invalid UTF-8 becomes U+FFFD.
std::string Utf8ToUtf16Le(std::string_view utf8);

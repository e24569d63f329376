// Text in registry values: the API speaks UTF-8, REG_SZ data is UTF-16LE with
// a terminator, as the platform stores it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/PlatformRegistry.h"

// Number of code points, or nothing when `text` is not valid UTF-8.
std::optional<size_t> Utf8Length(std::string_view text);

// REG_SZ bytes for `text`: (length + 1) x 2 bytes. Nothing for invalid UTF-8.
std::optional<std::vector<BYTE>> EncodeRegSz(std::string_view text);

// The text of REG_SZ bytes up to the first terminator. Tolerates what other
// writers may leave: no terminator, an odd byte at the end, lone surrogates
// (read as U+FFFD).
std::string DecodeRegSz(const BYTE* data, size_t size);

// One line for a value: DWORDs in decimal, texts as text, anything else (and a
// DWORD of the wrong size) as hexadecimal bytes.
std::string FormatRegistryData(DWORD type, const std::vector<BYTE>& data);
std::string RegistryTypeName(DWORD type);

// Base64 (RFC 4648) for binary values in iCalendar files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/store/ItemRow.h"

std::string EncodeBase64(const Bytes& bytes);
// Nothing when the text is not base64; white space is skipped.
std::optional<Bytes> DecodeBase64(std::string_view text);

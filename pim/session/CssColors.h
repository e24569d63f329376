// The CSS3 colour names that iCalendar's COLOR property (RFC 7986) uses, to and
// from the store's COLORREF (0x00BBGGRR).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A CSS3 colour name (any case) or "#rrggbb"; nothing for anything else.
std::optional<uint32_t> ColorRefFromCss(std::string_view text);
// The name of the CSS3 colour nearest to `colorref`.
std::string NearestCssColorName(uint32_t colorref);

// The built-in list of Korean public holidays and memorial days, in the
// anniversary line form (UTF-8), compiled in from resources/anniversary.
#pragma once

#include <string_view>

std::string_view DefaultAnniversariesText();

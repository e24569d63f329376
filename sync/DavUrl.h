// Where a resource named by a server's href lives, and the names Dayvane gives
// its own resources inside a collection.
#pragma once

#include <string>

// The absolute URL of `href` (a path, or a whole URL) seen from `base`.
std::string ResolveHref(const std::string& base, const std::string& href);
// The last segment of the href's path, percent-decoded ("" for a collection).
std::string ResourceName(const std::string& href);
// A file name for a UID that every server accepts without encoding: the UID
// itself when it is made of safe characters only, else a hash of it.
std::string ResourceNameForUid(const std::string& uid);
// A stable hex digest (SHA-1) of the text.
std::string HexDigest(const std::string& text);

// How an anniversary editor stores what it saves.
#pragma once

#include <functional>
#include <string>

struct Anniversary;

// Stores one anniversary: index -1 appends, any other replaces that record.
// False with `error` saying why when it was not saved (the record changed
// elsewhere meanwhile, or the file could not be written).
using AnniversaryWriter = std::function<bool(int index, const Anniversary& record, std::string* error)>;

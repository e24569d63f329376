// How an anniversary editor stores what it saves.
#pragma once

#include <functional>

struct Anniversary;

// Stores one anniversary: index -1 appends, any other replaces that record.
// False when the file could not be written (the list then holds what the
// file holds).
using AnniversaryWriter = std::function<bool(int index, const Anniversary& record)>;

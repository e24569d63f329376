// The string table as the application reads it: Qt strings, and "%s" filled in.
#pragma once

#include <QString>

#include <initializer_list>

#include "resources/StringTable.h"

// The text of the id, or an empty string when the table has no such id.
QString LoadString(int id);

// The text of the id with each "%s" replaced by the next argument, taken
// literally: a "%" inside an argument is never read as a placeholder.
// Missing arguments leave their "%s" in place; extra ones are ignored.
QString FormatString(int id, std::initializer_list<QString> arguments);


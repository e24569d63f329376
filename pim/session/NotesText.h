// The typed-notes form lives with the text encodings, below the ink control
// that writes it; kept here for the session's importers and exporters.
#pragma once

#include "platform/text/NotesText.h"

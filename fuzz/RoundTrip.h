// Checks shared by the anniversary fuzz targets.
#pragma once

#include "calendar/Anniversary.h"

// True when the line form can hold the record exactly: fields fit their
// columns and the name has no control characters (those become spaces).
bool FitsLineForm(const Anniversary& record);

// Formats the record, reads it back and aborts unless it comes back the same.
void CheckLineRoundTrip(const Anniversary& record);

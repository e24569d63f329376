// Time values and the store's OLE dates, through local calendar records.
#pragma once

#include "pim/time/TimeValue.h"

// The OLE date of a time value's local calendar time; 0 when it cannot be had.
double OleFromTime(TimeValue t);
// The time value of an OLE date taken as local time; 0 before 1900 or when
// the date is not valid.
TimeValue TimeFromOle(double date);

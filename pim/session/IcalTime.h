// iCalendar times and the store's local OLE dates.
#pragma once

#include <libical/ical.h>

#include <optional>

// The zone a property's TZID names: a VTIMEZONE of the calendar, else the
// system's zone of that name; null for none or an unknown one.
icaltimezone* ZoneOfProperty(icalcomponent* component, icalproperty* property);

// The device's local time of an iCalendar time: zoned and UTC times are
// converted to the device zone, floating times and dates are taken as they are.
std::optional<double> LocalOleFromIcal(const icaltimetype& t);

// A floating iCalendar time (or date) of a local OLE date.
icaltimetype IcalFromLocalOle(double date, bool dateOnly);
// The UTC iCalendar time of a local OLE date.
icaltimetype UtcIcalFromLocalOle(double date);

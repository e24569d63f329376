// iCalendar times and the store's local OLE dates.
#pragma once

#include <libical/ical.h>

#include <optional>
#include <string>

// The zone a property's TZID names: a VTIMEZONE of the calendar, else the
// system's zone of that name; null for none or an unknown one.
icaltimezone* ZoneOfProperty(icalcomponent* component, icalproperty* property);

// The zone a date-time property keeps on its item (ItemRow's forms):
// floating for dates and floating times, UTC, the IANA name of its TZID, or
// empty when the TZID names no zone libical knows (times are then converted
// to the device's zone once, on reading).
std::string ZoneNameOf(icalcomponent* component, icalproperty* property);

// The device's local time of an iCalendar time: zoned and UTC times are
// converted to the device zone, floating times and dates are taken as they are.
std::optional<double> LocalOleFromIcal(const icaltimetype& t);

// A floating iCalendar time (or date) of a local OLE date.
icaltimetype IcalFromLocalOle(double date, bool dateOnly);
// The UTC iCalendar time of a local OLE date.
icaltimetype UtcIcalFromLocalOle(double date);

// The zones an export writes times in, and the VTIMEZONEs that name them.
#pragma once

#include <libical/ical.h>

#include <string>

#include "platform/store/PimTypes.h"

class PoomApplication;

inline constexpr char kUtcZoneName[] = "UTC";

// The zone an item's times are written in: an IANA name, "UTC", or empty for
// floating times. Items made here are in the device's zone.
std::string ItemZoneName(PoomApplication& app, CEOID oid);

// The device's zone as an IANA name: $TZ when it names one, else the target
// of /etc/localtime, else /etc/timezone; "UTC" when none is known.
std::string DeviceZoneName();

// libical's own definition of an IANA zone (or UTC); null when it has none.
icaltimezone* BuiltinZone(const std::string& name);

// The zone's VTIMEZONE with the plain name as its TZID; null for UTC.
icalcomponent* NewZoneComponent(const std::string& name);

// A local OLE date as an iCalendar time in the zone `name`: UTC, floating
// when empty, a date with `dateOnly`. A named zone's time is its wall time;
// WithZone adds the TZID parameter that names the zone.
icaltimetype ZonedTime(double localDate, const std::string& name, bool dateOnly = false);
icalproperty* WithZone(icalproperty* property, const std::string& name);

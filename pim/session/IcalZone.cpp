#include "pim/session/IcalZone.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "pim/session/IcalTime.h"
#include "pim/session/ItemDates.h"

namespace {

std::string KnownZone(std::string name)
{
    if (!name.empty() && name[0] == ':') name.erase(0, 1);
    return BuiltinZone(name) ? name : std::string();
}

} // namespace

std::string ItemZoneName(PoomApplication&, CEOID)
{
    // Items carry no zone of their own yet: they were made in the device's.
    return DeviceZoneName();
}

std::string DeviceZoneName()
{
    if (const char* tz = std::getenv("TZ"); tz && *tz) {
        if (std::string name = KnownZone(tz); !name.empty()) return name;
    }
    std::error_code error;
    const std::string target = std::filesystem::read_symlink("/etc/localtime", error).string();
    if (const size_t at = target.find("zoneinfo/"); !error && at != std::string::npos) {
        if (std::string name = KnownZone(target.substr(at + 9)); !name.empty()) return name;
    }
    std::ifstream file("/etc/timezone");
    std::string line;
    if (std::getline(file, line)) {
        if (std::string name = KnownZone(line); !name.empty()) return name;
    }
    return kUtcZoneName;
}

icaltimezone* BuiltinZone(const std::string& name)
{
    if (name == kUtcZoneName) return icaltimezone_get_utc_timezone();
    if (name.empty() || name.find('/') == std::string::npos) return nullptr;
    return icaltimezone_get_builtin_timezone(name.c_str());
}

icalcomponent* NewZoneComponent(const std::string& name)
{
    icaltimezone* zone = BuiltinZone(name);
    if (!zone || name == kUtcZoneName) return nullptr;
    icalcomponent* definition = icaltimezone_get_component(zone);
    if (!definition) return nullptr;
    icalcomponent* copy = icalcomponent_new_clone(definition);
    // Named as the items name it, without libical's prefix.
    if (icalproperty* tzid = icalcomponent_get_first_property(copy, ICAL_TZID_PROPERTY))
        icalproperty_set_tzid(tzid, name.c_str());
    return copy;
}

icaltimetype ZonedTime(double localDate, const std::string& name, bool dateOnly)
{
    icaltimezone* zone = dateOnly ? nullptr : BuiltinZone(name);
    if (!zone) return IcalFromLocalOle(localDate, dateOnly);
    icaltimetype t = icaltime_from_timet_with_zone(time_t(TimeFromOle(localDate)), 0, zone);
    if (name != kUtcZoneName) t.zone = nullptr;  // the TZID parameter names it
    return t;
}

icalproperty* WithZone(icalproperty* property, const std::string& name)
{
    const icaltimetype t = icalvalue_get_datetime(icalproperty_get_value(property));
    if (!t.is_date && name != kUtcZoneName && BuiltinZone(name))
        icalproperty_add_parameter(property, icalparameter_new_tzid(name.c_str()));
    return property;
}

#include "pim/session/IcalZone.h"

#include "pim/session/IcalTime.h"
#include "pim/session/ItemDates.h"
#include "platform/store/ItemRow.h"
#include "platform/time/DeviceZone.h"

namespace {

// The zone database's other names for UTC: written as UTC times, since a
// UTC value must not carry a TZID.
bool IsUtcAlias(const std::string& name)
{
    for (const char* alias : {"Etc/UTC", "Etc/UCT", "Etc/Universal", "Etc/Zulu", "Etc/GMT", "Etc/GMT+0", "Etc/GMT-0",
                              "Etc/GMT0", "Etc/Greenwich", "GMT", "UCT", "Universal", "Zulu", "Greenwich"})
        if (name == alias) return true;
    return false;
}

} // namespace

std::string ItemZoneName(const std::string& itemZone)
{
    if (itemZone == kFloatingZone) return {};
    // Items stored before zones were kept are in the device's.
    const std::string zone = itemZone.empty() ? DeviceZoneName() : itemZone;
    return zone.empty() || IsUtcAlias(zone) ? kUtcZoneName : zone;
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

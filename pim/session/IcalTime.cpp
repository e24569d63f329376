#include "pim/session/IcalTime.h"

#include "pim/session/ItemDates.h"
#include "platform/store/ItemRow.h"
#include "platform/store/OleTime.h"

icaltimezone* ZoneOfProperty(icalcomponent* component, icalproperty* property)
{
    icalparameter* parameter = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char* tzid = parameter ? icalparameter_get_tzid(parameter) : nullptr;
    if (!tzid) return nullptr;
    for (icalcomponent* c = component; c; c = icalcomponent_get_parent(c))
        if (icaltimezone* zone = icalcomponent_get_timezone(c, tzid)) return zone;
    return icaltimezone_get_builtin_timezone(tzid);
}

std::string ZoneNameOf(icalcomponent* component, icalproperty* property)
{
    if (!property) return {};
    const icaltimetype t = icalvalue_get_datetime(icalproperty_get_value(property));
    if (t.is_date) return kFloatingZone;
    if (icaltime_is_utc(t)) return kUtcZone;
    icaltimezone* zone = ZoneOfProperty(component, property);
    if (!zone) {
        const bool named = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER) != nullptr;
        return named ? std::string() : std::string(kFloatingZone);
    }
    // A calendar's own VTIMEZONE usually carries the IANA name, sometimes
    // behind a vendor prefix ("/mozilla.org/.../Europe/Berlin").
    const char* tzid = icaltimezone_get_tzid(zone);
    std::string name = tzid ? tzid : "";
    for (size_t slash = 0; !name.empty(); name.erase(0, slash + 1)) {
        if (icaltimezone_get_builtin_timezone(name.c_str())) return name;
        slash = name.find('/');
        if (slash == std::string::npos) break;
    }
    return {};
}

std::optional<double> LocalOleFromIcal(const icaltimetype& t)
{
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t)) return std::nullopt;
    if (t.is_date) return OleFromFields(t.year, t.month, t.day);
    if (t.zone) {
        const icaltimezone* zone = icaltime_get_timezone(t);
        const time_t universal = icaltime_as_timet_with_zone(t, zone);
        // Time values cover 1970 to 2106; beyond, the wall time is kept.
        if (universal >= 0 && universal <= time_t(UINT32_MAX)) {
            const double date = OleFromTime(TimeValue(universal));
            if (date != 0) return date;
        }
    }
    return OleFromFields(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

icaltimetype IcalFromLocalOle(double date, bool dateOnly)
{
    icaltimetype t = icaltime_null_time();
    if (const auto st = OleToSystemTime(date)) {
        t.year = st->wYear;
        t.month = st->wMonth;
        t.day = st->wDay;
        if (dateOnly) {
            t.is_date = 1;
        } else {
            t.hour = st->wHour;
            t.minute = st->wMinute;
            t.second = st->wSecond;
        }
    }
    return t;
}

icaltimetype UtcIcalFromLocalOle(double date)
{
    return icaltime_from_timet_with_zone(time_t(TimeFromOle(date)), 0, icaltimezone_get_utc_timezone());
}

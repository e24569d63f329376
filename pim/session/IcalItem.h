// One item at a time as iCalendar, for synchronisation: the item as a whole
// iCalendar object, and such an object stored into one item.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/store/PimTypes.h"

class PoomApplication;

using Oid = CEOID;

// One item as a whole iCalendar object: VCALENDAR with its VTIMEZONEs, the master and its RECURRENCE-ID overrides.
struct IcalItemText {
    bool ok = false;
    std::string error;
    std::string uid;
    std::string text;
};
IcalItemText ExportItemIcal(PoomApplication& app, Oid oid);

struct IcalItemApplied {
    bool ok = false;
    std::string error;
    Oid oid = 0;
    std::string uid;
};
// Stores one iCalendar object holding one UID (master and overrides): replaces the item `into` when given, else the
// item with that UID, else creates one. Never deletes anything else. All or nothing.
IcalItemApplied ApplyItemIcal(PoomApplication& app, std::string_view text, std::optional<Oid> into = std::nullopt);

std::optional<Oid> FindItemByUid(PoomApplication& app, std::string_view uid);
// Empty when there is no such item.
std::string ItemUid(PoomApplication& app, Oid oid);

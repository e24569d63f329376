// How the sync turns store items into iCalendar resources and back. The
// engine needs only these three operations; the store's iCalendar layer
// provides them (IcalItemCodec), tests may count or fail them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/store/PimTypes.h"

class ItemCodec {
public:
    struct Text {
        bool ok = false;
        std::string error;
        std::string uid;
        std::string text;  // a VCALENDAR: the master and its overrides
    };
    struct Applied {
        bool ok = false;
        std::string error;
        CEOID oid = 0;
        std::string uid;
    };

    virtual ~ItemCodec() = default;
    virtual Text Export(CEOID oid) = 0;
    // Writes the resource into the item `into`, or a new item (or the item
    // with the same UID) when none is given.
    virtual Applied Apply(std::string_view text, std::optional<CEOID> into) = 0;
    virtual std::optional<CEOID> FindByUid(std::string_view uid) = 0;
};

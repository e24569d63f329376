// The sync's item codec over the store's iCalendar layer.
#pragma once

#include "sync/ItemCodec.h"

class PoomApplication;

class IcalItemCodec : public ItemCodec {
public:
    explicit IcalItemCodec(PoomApplication& app) : m_app(app) {}
    Text Export(CEOID oid) override;
    Applied Apply(std::string_view text, std::optional<CEOID> into) override;
    std::optional<CEOID> FindByUid(std::string_view uid) override;

private:
    PoomApplication& m_app;
};

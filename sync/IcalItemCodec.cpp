#include "sync/IcalItemCodec.h"

#include "pim/session/IcalItem.h"

ItemCodec::Text IcalItemCodec::Export(CEOID oid)
{
    IcalItemText exported = ExportItemIcal(m_app, oid);
    return {exported.ok, std::move(exported.error), std::move(exported.uid), std::move(exported.text)};
}

ItemCodec::Applied IcalItemCodec::Apply(std::string_view text, std::optional<CEOID> into)
{
    IcalItemApplied applied = ApplyItemIcal(m_app, text, into);
    return {applied.ok, std::move(applied.error), applied.oid, std::move(applied.uid)};
}

std::optional<CEOID> IcalItemCodec::FindByUid(std::string_view uid) { return FindItemByUid(m_app, uid); }

// An item codec for the engine's tests that carries only the UID and the
// subject, so that the engine's rules are tested apart from the iCalendar layer.
#pragma once

#include <map>
#include <string>

#include "platform/store/PoomApplication.h"
#include "sync/IcalText.h"
#include "sync/ItemCodec.h"

class FakeCodec : public ItemCodec {
public:
    explicit FakeCodec(PoomApplication& app) : m_app(app) {}

    Text Export(CEOID oid) override
    {
        auto item = m_app.GetItemFromOid(oid);
        if (!item) return {false, "no item", "", ""};
        std::string& uid = m_uids[oid];
        if (uid.empty()) uid = NewUid();
        return {true, "", uid,
                "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//fake//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
                    "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:20260105T100000Z\r\nSUMMARY:" + item->Subject() +
                    "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"};
    }

    Applied Apply(std::string_view text, std::optional<CEOID> into) override
    {
        const std::string uid = CalendarUid(text);
        const size_t at = text.find("SUMMARY:");
        if (uid.empty() || at == std::string_view::npos) return {false, "unreadable", 0, ""};
        const std::string summary(text.substr(at + 8, text.find_first_of("\r\n", at) - at - 8));
        if (!into) into = FindByUid(uid);
        auto item = into ? m_app.GetItemFromOid(*into) : m_app.CreateItem(1);
        if (!item) return {false, "no item", 0, ""};
        item->SetSubject(summary);
        if (!item->Save()) return {false, item->LastError(), 0, ""};
        m_uids[item->Oid()] = uid;
        return {true, "", item->Oid(), uid};
    }

    std::optional<CEOID> FindByUid(std::string_view uid) override
    {
        for (const auto& [oid, known] : m_uids) {
            if (known == uid && m_app.GetItemFromOid(oid)) return oid;
        }
        return std::nullopt;
    }

private:
    PoomApplication& m_app;
    std::map<CEOID, std::string> m_uids;
};

// One device of the sync tests: its own store, the real iCalendar codec and
// a configuration pointing at a shared collection.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/store/PoomApplication.h"
#include "platform/store/PoomItems.h"
#include "sync/DavClient.h"
#include "sync/IcalItemCodec.h"
#include "sync/SyncEngine.h"
#include "tests/platform/store/StoreTestSupport.h"
#include "tests/sync/RadicaleServer.h"

struct SyncDevice {
    SyncDevice(const std::filesystem::path& file, const std::string& url) : codec(app)
    {
        app.Logon(file);
        config.url = url;
        config.user = RadicaleServer::kUser;
        config.passwordCommand = RadicaleServer::PasswordCommand();
    }

    SyncSummary Sync()
    {
        DavClient client({config.user, config.passwordCommand});
        SyncSummary summary = RunSync(app, codec, client, config);
        lastRequests = client.RequestsSent();
        return summary;
    }

    // An hour-long appointment.
    CEOID Add(const std::string& subject, double start)
    {
        auto item = app.CreateItem(olAppointmentItem);
        item->SetSubject(subject);
        item->AsAppointment()->SetStart(start);
        item->AsAppointment()->SetDuration(60);
        item->Save();
        return item->Oid();
    }

    void Rename(CEOID oid, const std::string& subject)
    {
        auto item = app.GetItemFromOid(oid);
        ASSERT_TRUE(item);
        item->SetSubject(subject);
        ASSERT_TRUE(item->Save()) << item->LastError();
    }

    // The same item on this device, found by the UID it has on `other`.
    CEOID Same(SyncDevice& other, CEOID oid)
    {
        const auto found = codec.FindByUid(other.codec.Export(oid).uid);
        return found ? *found : 0;
    }

    // Every occurrence between the two dates as "start subject", sorted:
    // what the user sees, recurrences expanded and exceptions applied.
    std::vector<std::string> Occurrences(double from, double to)
    {
        auto items = app.GetDefaultFolder(olFolderCalendar)->Items();
        items->SetIncludeRecurrences(true);
        std::vector<std::string> found;
        const std::string restriction = "[Start] < " + std::to_string(to) + " AND [End] >= " + std::to_string(from);
        for (auto item = items->Find(restriction); item; item = items->FindNext())
            found.push_back(std::to_string(item->AsAppointment()->Start()) + " " + item->Subject());
        std::sort(found.begin(), found.end());
        return found;
    }

    std::vector<std::string> Subjects()
    {
        std::vector<std::string> subjects;
        auto items = app.GetDefaultFolder(olFolderCalendar)->Items();
        for (int i = 1; i <= items->Count(); ++i) subjects.push_back(items->Item(i)->Subject());
        std::sort(subjects.begin(), subjects.end());
        return subjects;
    }

    PoomApplication app;
    IcalItemCodec codec;
    SyncConfig config;
    int lastRequests = 0;
};

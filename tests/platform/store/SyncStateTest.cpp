// What a push uploads is decided in the store's query; it must pick exactly
// the items the bookkeeping calls changed here or unknown to the server.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/store/PoomApplication.h"
#include "platform/store/PoomItem.h"
#include "platform/store/SyncState.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

std::vector<CEOID> Oids(const std::vector<SyncItemState>& items)
{
    std::vector<CEOID> oids;
    for (const SyncItemState& item : items) oids.push_back(item.oid);
    return oids;
}

TEST(SyncState, ToPushIsWhatChangedHereOrTheServerNeverHad)
{
    TempStore store;
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
    auto add = [&](const std::string& subject) {
        auto item = app.CreateItem(olAppointmentItem);
        item->SetSubject(subject);
        EXPECT_TRUE(item->Save()) << item->LastError();
        return item->Oid();
    };
    SyncState state(*app.Connection());
    const CEOID fresh = add("new"), inStep = add("in step"), edited = add("edited"), pushing = add("pushing"),
                forgotten = add("forgotten");
    state.NoteInStep(inStep, "/c/", "/c/a.ics", "a", "\"1\"");
    state.NoteInStep(edited, "/c/", "/c/b.ics", "b", "\"1\"");
    state.NoteInStep(forgotten, "/c/", "/c/d.ics", "d", "\"1\"");
    auto item = app.GetItemFromOid(edited);
    item->SetSubject("edited again");
    ASSERT_TRUE(item->Save());
    state.NotePushing(pushing, "/c/", "/c/p.ics", "p", 1);
    state.ForgetServerCopy(forgotten);

    const std::vector<SyncItemState> all = state.Items(1);
    std::vector<CEOID> expected;
    for (const SyncItemState& each : all)
        if (each.ChangedLocally() || !each.KnownToServer()) expected.push_back(each.oid);
    std::vector<CEOID> pending = Oids(state.ToPush(1));
    EXPECT_EQ(pending, expected);
    std::sort(pending.begin(), pending.end());
    std::vector<CEOID> named{fresh, edited, pushing, forgotten};
    std::sort(named.begin(), named.end());
    EXPECT_EQ(pending, named);
    EXPECT_TRUE(state.ToPush(2).empty());
}

} // namespace

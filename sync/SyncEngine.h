// One sync run between the store and its CalDAV collections.
//
// Per collection: pull first (the changes since the stored sync token, or an
// ETag comparison where the server offers no tokens), apply them, then push
// what changed here (deletions, then items). The order of writes keeps an
// interrupted run safe: a sync token is stored only after everything it
// covers is applied; an item records where it is being uploaded (with the
// change count it carries) before the PUT and that the server has it only
// after the server confirmed; new resources are created with
// If-None-Match: * under a name derived from the UID, so a repeated upload can
// never make a second copy. A pull that meets the run's own unconfirmed upload
// takes it as the server's copy instead of a conflict.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sync/SyncConfig.h"

class DavClient;
class ItemCodec;
class PoomApplication;

struct SyncSummary {
    bool ok = false;
    std::string error;  // why the run did not complete
    int pulled = 0;
    int pushed = 0;
    int deleted = 0;    // on either side
    int conflicts = 0;
    std::vector<std::string> unreadable;  // resources left untouched on the server
    std::vector<std::string> refused;     // items the server would not take

    // "받음 1, 보냄 2, 삭제 0, 충돌 0", and the unreadable resources.
    std::string Line() const;
};

// done of total steps; total may grow as the run learns more.
using SyncProgress = std::function<void(int done, int total)>;

SyncSummary RunSync(PoomApplication& app, ItemCodec& codec, DavClient& client, const SyncConfig& config,
                    const SyncProgress& progress = {});

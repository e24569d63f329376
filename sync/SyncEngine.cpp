#include "sync/SyncEngine.h"

#include <map>
#include <set>
#include <utility>

#include "platform/store/PoomApplication.h"
#include "platform/store/StoreConnection.h"
#include "platform/store/SyncState.h"
#include "resources/StringTable.h"
#include "sync/DavClient.h"
#include "sync/DavUrl.h"
#include "sync/DavXml.h"
#include "sync/IcalText.h"
#include "sync/ItemCodec.h"

namespace {

constexpr size_t kMultigetBatch = 200;
constexpr size_t kPushBatch = 100;

// A failure that ends the run (the server or the network); the message is for the user.
struct RunFailed {
    std::string message;
};

struct ServerChanges {
    std::map<std::string, std::string> changed;  // href -> ETag
    std::set<std::string> removed;
    std::string token;
};

class CollectionSync {
public:
    CollectionSync(PoomApplication& app, ItemCodec& codec, DavClient& client, SyncSummary& summary,
                   const SyncProgress& progress, std::string url, std::vector<int> kinds)
        : m_app(app), m_codec(codec), m_client(client), m_summary(summary), m_progress(progress),
          m_url(std::move(url)), m_kinds(std::move(kinds)), m_state(*app.Connection())
    {
    }

    void Run()
    {
        const ServerChanges changes = ListChanges();
        Pull(changes);
        PushDeletions();
        PushItems();
        // Items made by conflicts during the pushes go up too.
        PushItems();
    }

private:
    template <typename Write>
    void InBatch(Write&& write)
    {
        auto batch = m_app.BeginBatch();
        if (!batch) throw RunFailed{m_app.LastError()};
        write();
        std::string error;
        if (!batch->Commit(&error)) throw RunFailed{error};
    }

    void Step()
    {
        ++m_done;
        if (m_progress) m_progress(m_done, m_total);
    }

    DavReply Send(const DavRequest& request)
    {
        DavReply reply = m_client.Send(request);
        if (!reply.answered || reply.status == 401 || reply.status >= 500) throw RunFailed{reply.Problem(request.url)};
        return reply;
    }

    DavMultistatus Multistatus(const DavReply& reply, const std::string& url)
    {
        if (reply.status != 207) throw RunFailed{reply.Problem(url)};
        DavMultistatus status;
        std::string error;
        if (!ParseMultistatus(reply.body, status, error)) throw RunFailed{FormatText(IDS_SYNC_BAD_REPLY, {error})};
        return status;
    }

    std::string Href(const std::string& href) const { return ResourceName(href).empty() ? std::string() : href; }

    ServerChanges ListChanges()
    {
        ServerChanges changes;
        const std::string token = m_state.Token(m_url);
        DavRequest report = MakeDavRequest("REPORT", m_url, SyncCollectionBody(token), 0);
        DavReply reply = Send(report);
        if (reply.status != 207 && !token.empty()) {  // the token expired: start over
            report.body = SyncCollectionBody("");
            reply = Send(report);
        }
        if (reply.status == 207) {
            const DavMultistatus status = Multistatus(reply, m_url);
            for (const DavResource& resource : status.resources) {
                if (Href(resource.href).empty() || resource.collection) continue;
                if (resource.status == 404 || resource.status == 410) changes.removed.insert(resource.href);
                else changes.changed[resource.href] = resource.etag;
            }
            changes.token = status.syncToken;
            if (!token.empty()) return changes;
        } else {
            // No sync tokens here: every member with its ETag.
            const DavMultistatus status = Multistatus(Send(MakeDavRequest("PROPFIND", m_url, EtagPropfindBody(), 1)), m_url);
            for (const DavResource& resource : status.resources) {
                if (!resource.collection && !Href(resource.href).empty() && resource.status < 300)
                    changes.changed[resource.href] = resource.etag;
            }
        }
        // A full listing: what the store knows here and the server no longer has is gone.
        for (int kind : m_kinds) {
            for (const SyncItemState& item : m_state.Items(kind)) {
                if (item.collection == m_url && item.KnownToServer() && !item.pushing &&
                    changes.changed.count(item.href) == 0)
                    changes.removed.insert(item.href);
            }
        }
        return changes;
    }

    void Pull(const ServerChanges& changes)
    {
        std::vector<std::string> fetch;
        for (const auto& [href, etag] : changes.changed) {
            const auto known = m_state.ItemAtHref(href);
            if (known && !etag.empty() && known->etag == etag) continue;  // our own upload
            fetch.push_back(href);
        }
        m_total += static_cast<int>(fetch.size() + changes.removed.size());
        Fetch(fetch);
        for (const std::string& href : changes.removed) {
            RemovedOnServer(href);
            Step();
        }
        // Unchanged on both sides is the common run: it writes nothing.
        if (!changes.token.empty() && changes.token != m_state.Token(m_url))
            InBatch([&] { m_state.SetToken(m_url, changes.token); });
    }

    void Fetch(const std::vector<std::string>& hrefs)
    {
        for (size_t start = 0; start < hrefs.size(); start += kMultigetBatch) {
            const std::vector<std::string> batch(hrefs.begin() + static_cast<long>(start),
                                                 hrefs.begin() + static_cast<long>(std::min(hrefs.size(), start + kMultigetBatch)));
            const DavMultistatus status =
                Multistatus(Send(MakeDavRequest("REPORT", m_url, MultigetBody(batch), 1)), m_url);
            // One transaction per batch: the whole reply was read before any of it is applied.
            InBatch([&] {
                for (const DavResource& resource : status.resources) {
                    if (resource.status == 404 || resource.status == 410) RemovedOnServer(resource.href);
                    else if (resource.status < 300) ChangedOnServer(resource);
                    Step();
                }
            });
        }
    }

    void ChangedOnServer(const DavResource& resource)
    {
        const std::string uid = CalendarUid(resource.calendarData);
        if (uid.empty()) {
            m_summary.unreadable.push_back(resource.href);
            return;
        }
        std::optional<SyncItemState> local = m_state.ItemAtHref(resource.href);
        if (!local) {
            if (const auto oid = m_codec.FindByUid(uid)) local = m_state.Item(*oid);
        }
        if (local && local->ChangedLocally()) KeepLocalCopyIfDifferent(*local, resource.calendarData);
        const ItemCodec::Applied applied =
            m_codec.Apply(resource.calendarData, local ? std::optional<CEOID>(local->oid) : std::nullopt);
        if (!applied.ok) {
            m_summary.unreadable.push_back(resource.href);
            return;
        }
        m_state.NoteInStep(applied.oid, m_url, resource.href, applied.uid.empty() ? uid : applied.uid, resource.etag);
        ++m_summary.pulled;
    }

    // Server wins in place; the local version lives on as a new item.
    // When both say the same (our own upload whose confirmation was lost, or
    // the same edit on both sides) there is nothing to keep.
    void KeepLocalCopyIfDifferent(const SyncItemState& local, const std::string& server)
    {
        const ItemCodec::Text mine = m_codec.Export(local.oid);
        if (!mine.ok) throw RunFailed{mine.error};
        if (SameCalendarContent(mine.text, server)) return;
        const std::string copy = ConflictCopy(mine.text, NewUid(), StringText(IDS_SYNC_CONFLICT_SUFFIX));
        const ItemCodec::Applied applied = m_codec.Apply(copy, std::nullopt);
        if (!applied.ok) throw RunFailed{applied.error};
        ++m_summary.conflicts;
    }

    void RemovedOnServer(const std::string& href)
    {
        const auto local = m_state.ItemAtHref(href);
        if (!local) return;
        InBatch([&] {
            m_state.ForgetServerCopy(local->oid);
            // An edit made here since survives: it goes up again as a new resource.
            if (local->ChangedLocally()) return;
            auto item = m_app.GetItemFromOid(local->oid);
            if (item && !item->Delete()) throw RunFailed{m_app.LastError()};
            ++m_summary.deleted;
        });
    }

    void PushDeletions()
    {
        for (const SyncDeletion& deletion : m_state.Deletions(m_url)) {
            DavRequest remove = MakeDavRequest("DELETE", ResolveHref(m_url, deletion.href));
            remove.ifMatch = deletion.etag;
            const DavReply reply = Send(remove);
            if (reply.status == 412) {
                // Changed on the server since: its version wins and comes back.
                Fetch({deletion.href});
            } else if (!reply.Success() && reply.status != 404 && reply.status != 410) {
                m_summary.refused.push_back(deletion.href + " (" + std::to_string(reply.status) + ")");
                continue;
            } else {
                ++m_summary.deleted;
            }
            InBatch([&] { m_state.DeletionDone(deletion.id); });
        }
    }

    void PushItems()
    {
        std::vector<SyncItemState> pending;
        for (int kind : m_kinds) {
            const std::vector<SyncItemState> items = m_state.ToPush(kind);
            pending.insert(pending.end(), items.begin(), items.end());
        }
        m_total += static_cast<int>(pending.size());
        std::vector<SyncItemState> batch;
        for (const SyncItemState& item : pending) {
            if (m_pushed.insert(item.oid).second) batch.push_back(item);
            else Step();
            if (batch.size() == kPushBatch) Push(std::exchange(batch, {}), /*retry*/ true);
        }
        if (!batch.empty()) Push(batch, /*retry*/ true);
    }

    struct Upload {
        SyncItemState item;
        ItemCodec::Text text;
        std::string href;
        bool known = false;
        DavReply reply;
    };

    // The store records where each item goes before any of the PUTs and what
    // the server confirmed after them, one transaction each, rather than two
    // per item: an upload that happened but was not recorded is met by the
    // next pull as the run's own.
    void Push(const std::vector<SyncItemState>& items, bool retry)
    {
        std::vector<Upload> uploads;
        for (const SyncItemState& item : items) {
            Upload upload{item, m_codec.Export(item.oid), {}, false, {}};
            if (!upload.text.ok) {
                m_summary.refused.push_back(
                    FormatText(IDS_SYNC_ITEM_NOT_STORED, {std::to_string(item.oid), upload.text.error}));
                if (retry) Step();
                continue;
            }
            upload.known = item.KnownToServer() && item.collection == m_url;
            upload.href = upload.known ? item.href : ResolveHrefPath(ResourceNameForUid(upload.text.uid));
            uploads.push_back(std::move(upload));
        }
        InBatch([&] {
            for (const Upload& upload : uploads)
                m_state.NotePushing(upload.item.oid, m_url, upload.href, upload.text.uid, upload.item.changes);
        });
        size_t sent = 0;
        try {
            for (; sent < uploads.size(); ++sent) {
                Upload& upload = uploads[sent];
                DavRequest put = MakeDavRequest("PUT", ResolveHref(m_url, upload.href), std::move(upload.text.text));
                put.contentType = "text/calendar; charset=utf-8";
                if (upload.known && !upload.item.etag.empty()) put.ifMatch = upload.item.etag;
                else put.ifNoneMatchAny = true;
                upload.reply = Send(put);
                if (retry) Step();  // a second attempt is not a step of its own
            }
        } catch (const RunFailed&) {
            // What the server took before it failed stays recorded.
            uploads.resize(sent);
            RecordReplies(uploads);
            throw;
        }
        RecordReplies(uploads);
        for (const Upload& upload : uploads) {
            if (!upload.reply.Success()) Refused(upload, retry);
        }
    }

    void RecordReplies(const std::vector<Upload>& uploads)
    {
        InBatch([&] {
            for (const Upload& upload : uploads) {
                if (upload.reply.Success()) {
                    m_state.NotePushed(upload.item.oid, upload.item.changes, upload.reply.etag);
                    ++m_summary.pushed;
                } else {
                    // Not stored: forget the attempt so that a pull judges the item fairly.
                    m_state.NotePushFailed(upload.item.oid);
                }
            }
        });
    }

    void Refused(const Upload& upload, bool retry)
    {
        const SyncItemState& item = upload.item;
        if (upload.reply.status == 412 && retry) {
            // Changed on the server in between: pull it (a conflict keeps ours
            // as a new item, pushed next) and try once more.
            Fetch({upload.href});
            if (const auto now = m_state.Item(item.oid); now && (now->ChangedLocally() || !now->KnownToServer()))
                Push({*now}, false);
            return;
        }
        if (upload.reply.status == 404 && upload.known) {  // gone meanwhile: upload it anew
            InBatch([&] { m_state.ForgetServerCopy(item.oid); });
            if (const auto now = m_state.Item(item.oid); now && retry) Push({*now}, false);
            return;
        }
        m_summary.refused.push_back(upload.href + " (" + std::to_string(upload.reply.status) + ")");
    }

    // The path of a new resource inside the collection, as the server names hrefs.
    std::string ResolveHrefPath(const std::string& name) const
    {
        const std::string absolute = ResolveHref(m_url, name);
        const size_t scheme = absolute.find("://");
        const size_t path = scheme == std::string::npos ? 0 : absolute.find('/', scheme + 3);
        return path == std::string::npos ? absolute : absolute.substr(path);
    }

    PoomApplication& m_app;
    ItemCodec& m_codec;
    DavClient& m_client;
    SyncSummary& m_summary;
    const SyncProgress& m_progress;
    std::string m_url;
    std::vector<int> m_kinds;
    SyncState m_state;
    std::set<CEOID> m_pushed;
    int m_done = 0;
    int m_total = 0;
};

} // namespace

std::string SyncSummary::Line() const
{
    std::string line = FormatText(IDS_SYNC_SUMMARY, {std::to_string(pulled), std::to_string(pushed),
                                                     std::to_string(deleted), std::to_string(conflicts)});
    std::vector<std::string> untouched = unreadable;
    untouched.insert(untouched.end(), refused.begin(), refused.end());
    if (!untouched.empty()) {
        std::string names;
        for (const std::string& name : untouched) names += (names.empty() ? "" : ", ") + name;
        line += "; " + FormatText(IDS_SYNC_UNREADABLE, {names});
    }
    return line;
}

SyncSummary RunSync(PoomApplication& app, ItemCodec& codec, DavClient& client, const SyncConfig& config,
                    const SyncProgress& progress)
{
    SyncSummary summary;
    if (!config.Configured()) {
        summary.error = StringText(IDS_SYNC_NOT_CONFIGURED);
        return summary;
    }
    if (!app.LoggedOn()) {
        summary.error = app.LastError();
        return summary;
    }
    std::vector<std::pair<std::string, std::vector<int>>> collections;
    if (config.TasksUrl() == config.url) collections.push_back({config.url, {1, 2}});
    else collections = {{config.url, {1}}, {config.TasksUrl(), {2}}};
    try {
        for (auto& [url, kinds] : collections) CollectionSync(app, codec, client, summary, progress, url, kinds).Run();
        summary.ok = true;
    } catch (const RunFailed& failure) {
        summary.error = failure.message;
    } catch (const std::exception& e) {
        summary.error = e.what();
    }
    return summary;
}

#include "platform/store/StoreSchema.h"

#include <string>

#include "platform/store/ItemIdentity.h"
#include "platform/store/StoreConnection.h"

namespace {

// Version 1. Items of both kinds share one table so that Oids are unique across
// the store; the row id is the Oid and gives the databases their creation
// order. Dates are OLE dates. Triggers keep the appointment spans and the
// change journal up to date whoever writes, the sqlite3 shell included.
constexpr char kSchemaV1[] = R"sql(
CREATE TABLE items(
    oid INTEGER PRIMARY KEY AUTOINCREMENT,
    kind INTEGER NOT NULL CHECK (kind IN (1, 2)),
    subject TEXT NOT NULL DEFAULT '',
    location TEXT NOT NULL DEFAULT '',
    start_time REAL NOT NULL DEFAULT 0,
    end_time REAL NOT NULL DEFAULT 0,
    all_day INTEGER NOT NULL DEFAULT 0,
    reminder_set INTEGER NOT NULL DEFAULT 0,
    reminder_minutes INTEGER NOT NULL DEFAULT 15,
    reminder_time REAL NOT NULL DEFAULT 949998.0,
    start_date REAL NOT NULL DEFAULT 949998.0,
    due_date REAL NOT NULL DEFAULT 949998.0,
    date_completed REAL NOT NULL DEFAULT 949998.0,
    complete INTEGER NOT NULL DEFAULT 0,
    importance INTEGER NOT NULL DEFAULT 1,
    notes BLOB,
    rec_type INTEGER NOT NULL DEFAULT -1,
    rec_interval INTEGER NOT NULL DEFAULT 1,
    rec_dow_mask INTEGER NOT NULL DEFAULT 0,
    rec_day_of_month INTEGER NOT NULL DEFAULT 0,
    rec_instance INTEGER NOT NULL DEFAULT 0,
    rec_month_of_year INTEGER NOT NULL DEFAULT 0,
    rec_start REAL NOT NULL DEFAULT 0,
    rec_end REAL NOT NULL DEFAULT 949998.0,
    rec_range INTEGER NOT NULL DEFAULT 0,
    rec_occurrences INTEGER NOT NULL DEFAULT 0,
    rec_last REAL NOT NULL DEFAULT 949998.0,
    span_first REAL NOT NULL DEFAULT 0,
    span_last REAL NOT NULL DEFAULT 0);
CREATE INDEX items_by_kind ON items(kind);

CREATE TABLE exceptions(
    series INTEGER NOT NULL,
    original INTEGER NOT NULL,
    deleted INTEGER NOT NULL DEFAULT 0,
    subject TEXT NOT NULL DEFAULT '',
    location TEXT NOT NULL DEFAULT '',
    start_time REAL NOT NULL DEFAULT 0,
    end_time REAL NOT NULL DEFAULT 0,
    all_day INTEGER NOT NULL DEFAULT 0,
    reminder_set INTEGER NOT NULL DEFAULT 0,
    reminder_minutes INTEGER NOT NULL DEFAULT 15,
    notes BLOB,
    PRIMARY KEY (series, original)) WITHOUT ROWID;

CREATE TABLE named_props(
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE,
    type INTEGER NOT NULL);

CREATE TABLE item_props(
    oid INTEGER NOT NULL,
    prop INTEGER NOT NULL,
    value,
    PRIMARY KEY (oid, prop)) WITHOUT ROWID;

CREATE VIRTUAL TABLE appointment_spans USING rtree(oid, first, last);

CREATE TABLE journal(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    kind INTEGER NOT NULL,
    oid INTEGER NOT NULL,
    event INTEGER NOT NULL);

CREATE TRIGGER journal_prune AFTER INSERT ON journal BEGIN
    DELETE FROM journal WHERE id <= NEW.id - 50000;
END;

CREATE TRIGGER items_created AFTER INSERT ON items BEGIN
    INSERT INTO journal(kind, oid, event) VALUES (NEW.kind, NEW.oid, 1025);
    INSERT INTO appointment_spans(oid, first, last)
        SELECT NEW.oid,
               CASE WHEN NEW.rec_type < 0 THEN min(NEW.start_time, NEW.end_time) ELSE NEW.span_first END,
               CASE WHEN NEW.rec_type < 0 THEN max(NEW.start_time, NEW.end_time) ELSE NEW.span_last END
        WHERE NEW.kind = 1;
END;

CREATE TRIGGER items_changed AFTER UPDATE ON items BEGIN
    INSERT INTO journal(kind, oid, event) VALUES (NEW.kind, NEW.oid, 1030);
    DELETE FROM appointment_spans WHERE oid = OLD.oid;
    INSERT INTO appointment_spans(oid, first, last)
        SELECT NEW.oid,
               CASE WHEN NEW.rec_type < 0 THEN min(NEW.start_time, NEW.end_time) ELSE NEW.span_first END,
               CASE WHEN NEW.rec_type < 0 THEN max(NEW.start_time, NEW.end_time) ELSE NEW.span_last END
        WHERE NEW.kind = 1;
END;

CREATE TRIGGER items_deleted AFTER DELETE ON items BEGIN
    INSERT INTO journal(kind, oid, event) VALUES (OLD.kind, OLD.oid, 1027);
    DELETE FROM appointment_spans WHERE oid = OLD.oid;
    DELETE FROM exceptions WHERE series = OLD.oid;
    DELETE FROM item_props WHERE oid = OLD.oid;
END;

CREATE TRIGGER exceptions_created AFTER INSERT ON exceptions BEGIN
    INSERT INTO journal(kind, oid, event) SELECT kind, oid, 1030 FROM items WHERE oid = NEW.series;
END;
CREATE TRIGGER exceptions_changed AFTER UPDATE ON exceptions BEGIN
    INSERT INTO journal(kind, oid, event) SELECT kind, oid, 1030 FROM items WHERE oid = NEW.series;
END;
CREATE TRIGGER exceptions_deleted AFTER DELETE ON exceptions BEGIN
    INSERT INTO journal(kind, oid, event) SELECT kind, oid, 1030 FROM items WHERE oid = OLD.series;
END;

CREATE TRIGGER props_created AFTER INSERT ON item_props BEGIN
    INSERT INTO journal(kind, oid, event) SELECT kind, oid, 1030 FROM items WHERE oid = NEW.oid;
END;
CREATE TRIGGER props_changed AFTER UPDATE ON item_props BEGIN
    INSERT INTO journal(kind, oid, event) SELECT kind, oid, 1030 FROM items WHERE oid = NEW.oid;
END;
CREATE TRIGGER props_deleted AFTER DELETE ON item_props BEGIN
    INSERT INTO journal(kind, oid, event) SELECT kind, oid, 1030 FROM items WHERE oid = OLD.oid;
END;
)sql";

// Version 2: when the whole file was last checked for damage, so that the
// check runs at most once a day.
constexpr char kSchemaV2[] = R"sql(
CREATE TABLE store_checks(
    id INTEGER PRIMARY KEY CHECK (id = 1),
    checked REAL NOT NULL);
)sql";

// Version 3: iCalendar identity. Every item gets a UID (existing ones a random
// one now) and may keep the component it was imported from, so that what
// Dayvane does not use survives an export. The side table goes with its item.
constexpr char kSchemaV3[] = "ALTER TABLE items ADD COLUMN uid TEXT;"
                             "UPDATE items SET uid = " NEW_ITEM_UID_SQL ";"
                             "CREATE UNIQUE INDEX items_by_uid ON items(uid) WHERE uid IS NOT NULL;"
                             "CREATE TABLE item_sources(oid INTEGER PRIMARY KEY, ical TEXT NOT NULL);"
                             "CREATE TRIGGER item_sources_deleted AFTER DELETE ON items BEGIN "
                             "DELETE FROM item_sources WHERE oid = OLD.oid; END;";

// Version 4: the item's zone (empty: the device's, as before zones were kept;
// "floating", "UTC" or an IANA name) and the iCalendar rules of a series no
// pattern can hold. Each such series' occurrences are cached per local year
// and dropped whenever its item changes.
constexpr char kSchemaV4[] = R"sql(
ALTER TABLE items ADD COLUMN zone TEXT NOT NULL DEFAULT '';
ALTER TABLE items ADD COLUMN rule_ical TEXT NOT NULL DEFAULT '';

CREATE TABLE rule_occurrences(
    series INTEGER NOT NULL,
    year INTEGER NOT NULL,
    basis TEXT NOT NULL,
    starts BLOB,
    cut INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (series, year)) WITHOUT ROWID;

CREATE TRIGGER rule_occurrences_changed AFTER UPDATE ON items BEGIN
    DELETE FROM rule_occurrences WHERE series = OLD.oid;
END;
CREATE TRIGGER rule_occurrences_deleted AFTER DELETE ON items BEGIN
    DELETE FROM rule_occurrences WHERE series = OLD.oid;
END;
)sql";

// Version 5: what a CalDAV sync must push, kept per item so that no number of
// changes between two runs can lose one (the journal is bounded). Every local
// write bumps `changes`; the sync records the value the server holds in
// `synced`, and `pushing` while a PUT is unconfirmed, so that an interrupted
// run can tell its own upload from someone else's edit. A deleted item that
// the server knew leaves a row in sync_deletions until the server forgets it.
constexpr char kSchemaV5[] = R"sql(
CREATE TABLE sync_items(
    oid INTEGER PRIMARY KEY,
    changes INTEGER NOT NULL DEFAULT 0,
    synced INTEGER NOT NULL DEFAULT -1,
    pushing INTEGER,
    collection TEXT,
    href TEXT,
    etag TEXT,
    uid TEXT);
CREATE INDEX sync_items_by_href ON sync_items(href);

CREATE TABLE sync_deletions(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    uid TEXT NOT NULL DEFAULT '',
    collection TEXT NOT NULL,
    href TEXT NOT NULL,
    etag TEXT);

CREATE TABLE sync_collections(
    url TEXT PRIMARY KEY,
    token TEXT);

CREATE TRIGGER sync_items_created AFTER INSERT ON items BEGIN
    INSERT OR IGNORE INTO sync_items(oid) VALUES (NEW.oid);
    UPDATE sync_items SET changes = changes + 1 WHERE oid = NEW.oid;
END;
CREATE TRIGGER sync_items_changed AFTER UPDATE ON items BEGIN
    INSERT OR IGNORE INTO sync_items(oid) VALUES (NEW.oid);
    UPDATE sync_items SET changes = changes + 1 WHERE oid = NEW.oid;
END;
CREATE TRIGGER sync_items_deleted AFTER DELETE ON items BEGIN
    INSERT INTO sync_deletions(uid, collection, href, etag)
        SELECT coalesce(uid, ''), collection, href, etag
        FROM sync_items WHERE oid = OLD.oid AND href IS NOT NULL;
    DELETE FROM sync_items WHERE oid = OLD.oid;
END;
CREATE TRIGGER sync_exceptions_created AFTER INSERT ON exceptions BEGIN
    UPDATE sync_items SET changes = changes + 1 WHERE oid = NEW.series;
END;
CREATE TRIGGER sync_exceptions_changed AFTER UPDATE ON exceptions BEGIN
    UPDATE sync_items SET changes = changes + 1 WHERE oid = NEW.series;
END;
CREATE TRIGGER sync_exceptions_deleted AFTER DELETE ON exceptions BEGIN
    UPDATE sync_items SET changes = changes + 1 WHERE oid = OLD.series;
END;
CREATE TRIGGER sync_props_created AFTER INSERT ON item_props BEGIN
    UPDATE sync_items SET changes = changes + 1 WHERE oid = NEW.oid;
END;
CREATE TRIGGER sync_props_changed AFTER UPDATE ON item_props BEGIN
    UPDATE sync_items SET changes = changes + 1 WHERE oid = NEW.oid;
END;
CREATE TRIGGER sync_props_deleted AFTER DELETE ON item_props BEGIN
    UPDATE sync_items SET changes = changes + 1 WHERE oid = OLD.oid;
END;
)sql";

// Version 6: bulk loads. Row by row, the span index and the sync counters cost
// more than the rest of an item's insert (each R-tree insert reloads its nodes),
// so a load of many items marks itself in bulk_loads and fills both for its new
// items in one statement each before it commits (FinishBulkLoad). The mark is
// written and removed inside the loading transaction: no other connection and
// no committed file ever holds it. The span of an appointment row is spelled
// once, in appointment_span_rows.
constexpr char kSchemaV6[] = R"sql(
CREATE TABLE bulk_loads(first_oid INTEGER NOT NULL);

CREATE VIEW appointment_span_rows AS
    SELECT oid,
           CASE WHEN rec_type < 0 THEN min(start_time, end_time) ELSE span_first END AS first,
           CASE WHEN rec_type < 0 THEN max(start_time, end_time) ELSE span_last END AS last
    FROM items WHERE kind = 1;

DROP TRIGGER items_created;
CREATE TRIGGER items_created AFTER INSERT ON items BEGIN
    INSERT INTO journal(kind, oid, event) VALUES (NEW.kind, NEW.oid, 1025);
END;
CREATE TRIGGER items_spanned AFTER INSERT ON items
WHEN NEW.kind = 1 AND NOT EXISTS (SELECT 1 FROM bulk_loads) BEGIN
    INSERT INTO appointment_spans(oid, first, last)
        SELECT oid, first, last FROM appointment_span_rows WHERE oid = NEW.oid;
END;

DROP TRIGGER sync_items_created;
CREATE TRIGGER sync_items_created AFTER INSERT ON items
WHEN NOT EXISTS (SELECT 1 FROM bulk_loads) BEGIN
    INSERT OR IGNORE INTO sync_items(oid) VALUES (NEW.oid);
    UPDATE sync_items SET changes = changes + 1 WHERE oid = NEW.oid;
END;
)sql";

struct Migration {
    int toVersion;
    const char* sql;
};

// Each step brings the file one version forward; new versions append a step.
constexpr Migration kMigrations[] = {
    {1, kSchemaV1},
    {2, kSchemaV2},
    {3, kSchemaV3},
    {4, kSchemaV4},
    {5, kSchemaV5},
    {6, kSchemaV6},
};

} // namespace

void MigrateStoreSchema(SQLite::Database& db, int fromVersion, int toVersion)
{
    if (toVersion < 0) toVersion = kStoreSchemaVersion;
    static_assert(kJournalWindow == 50000, "the prune trigger keeps this many events");
    for (const Migration& step : kMigrations) {
        if (step.toVersion <= fromVersion || step.toVersion > toVersion) continue;
        db.exec(step.sql);
        db.exec("PRAGMA user_version = " + std::to_string(step.toVersion));
    }
    db.exec("PRAGMA application_id = " + std::to_string(kStoreApplicationId));
}

void StartBulkLoad(SQLite::Database& db)
{
    db.exec("INSERT INTO bulk_loads(first_oid) "
            "SELECT coalesce((SELECT seq FROM sqlite_sequence WHERE name = 'items'), 0) + 1");
}

void FinishBulkLoad(SQLite::Database& db)
{
    // Items changed after their insert in this load already have their span
    // (the update trigger wrote it) and their sync row.
    db.exec("INSERT INTO appointment_spans(oid, first, last) "
            "SELECT oid, first, last FROM appointment_span_rows "
            "WHERE oid >= (SELECT min(first_oid) FROM bulk_loads) "
            "AND NOT EXISTS (SELECT 1 FROM appointment_spans s WHERE s.oid = appointment_span_rows.oid)");
    db.exec("INSERT INTO sync_items(oid, changes) "
            "SELECT oid, 1 FROM items WHERE oid >= (SELECT min(first_oid) FROM bulk_loads) "
            "ON CONFLICT(oid) DO UPDATE SET changes = changes + 1");
    db.exec("DELETE FROM bulk_loads");
}

#include "pim/session/IcalItem.h"

#include <algorithm>

#include "pim/session/IcalExport.h"
#include "pim/session/IcalStoreWriter.h"
#include "resources/StringTable.h"

namespace {

// Why nothing could be stored: the reader's last note names the component.
std::string Why(const std::vector<std::string>& notes, int fallback)
{
    return notes.empty() ? StringText(fallback) : notes.back();
}

} // namespace

IcalItemText ExportItemIcal(PoomApplication& app, Oid oid)
{
    IcalItemText result;
    const IcalExportResult exported = ExportIcalItems(app, {oid});
    if (!exported.ok) {
        result.error = exported.error;
        return result;
    }
    if (exported.appointments + exported.tasks == 0) {
        result.error = Why(exported.notes, IDS_ICAL_ITEM_MISSING);
        return result;
    }
    result.uid = app.ItemUid(oid);
    result.text = exported.text;
    result.ok = true;
    return result;
}

IcalItemApplied ApplyItemIcal(PoomApplication& app, std::string_view text, std::optional<Oid> into)
{
    IcalItemApplied result;
    const IcalReading reading = ReadIcal(text);
    if (!reading.error.empty()) {
        result.error = reading.error;
        return result;
    }
    if (reading.items.empty()) {
        result.error = Why(reading.notes, IDS_ICAL_NO_ITEM);
        return result;
    }
    const std::string& uid = reading.items.front().uid;
    const auto isMaster = [](const ImportedItem& item) { return item.task || !item.recurrenceId; };
    const bool oneUid = std::all_of(reading.items.begin(), reading.items.end(),
                                    [&](const ImportedItem& item) { return item.uid == uid; });
    if (!oneUid || std::count_if(reading.items.begin(), reading.items.end(), isMaster) != 1) {
        result.error = StringText(IDS_ICAL_ONE_UID_ONLY);
        return result;
    }
    if (into && !uid.empty()) {
        if (const auto holder = app.FindItemByUid(uid); holder && *holder != *into) {
            result.error = StringText(IDS_ICAL_UID_TAKEN);
            return result;
        }
    }
    auto batch = app.BeginBatch();
    if (!batch) {
        result.error = app.LastError();
        return result;
    }
    IcalImportReport report;
    std::optional<CEOID> oid;
    {
        StoreWriter writer(app, reading, report);
        oid = writer.Write(*std::find_if(reading.items.begin(), reading.items.end(), isMaster), into);
        if (!oid) {
            result.error = Why(report.notes, IDS_ICAL_NO_ITEM);
            return result;
        }
        for (const ImportedItem& item : reading.items)
            if (!isMaster(item)) writer.Change(item);
        if (report.skipped > 0) {
            result.error = Why(report.notes, IDS_ICAL_NO_ITEM);
            return result;
        }
        if (into && !uid.empty() && !app.SetItemUid(*oid, uid)) {
            result.error = app.LastError();
            return result;
        }
        if (!writer.SaveSources()) {
            result.error = report.error;
            return result;
        }
    }
    if (!batch->Commit(&result.error)) return result;
    result.ok = true;
    result.oid = *oid;
    result.uid = app.ItemUid(*oid);
    return result;
}

std::optional<Oid> FindItemByUid(PoomApplication& app, std::string_view uid) { return app.FindItemByUid(uid); }

std::string ItemUid(PoomApplication& app, Oid oid) { return app.ItemUid(oid); }

#include "pim/session/IcalImport.h"

#include <map>
#include <memory>

#include "resources/StringTable.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "pim/session/IcalReadAhead.h"
#include "pim/session/IcalStoreWriter.h"

namespace {

void SetPattern(PoomItem& item, const RecurrenceFields& fields)
{
    PoomRecurrencePattern* p = item.GetRecurrencePattern();
    p->SetRecurrenceType(fields.type);
    p->SetInterval(fields.interval);
    p->SetDayOfWeekMask(fields.dayOfWeekMask);
    p->SetDayOfMonth(fields.dayOfMonth);
    p->SetInstance(fields.instance);
    p->SetMonthOfYear(fields.monthOfYear);
    p->SetPatternStartDate(fields.patternStart);
    switch (fields.range) {
    case RecurrenceRange::Count: p->SetOccurrences(fields.occurrences); break;
    case RecurrenceRange::Until: p->SetPatternEndDate(fields.patternEnd); break;
    default: p->SetNoEndDate(true); break;
    }
}

void SetAppointment(PoomAppointment& appt, const ImportedItem& item)
{
    appt.SetSubject(item.subject);
    appt.SetLocation(item.location);
    appt.SetAllDayEvent(item.allDay);
    appt.SetStart(item.start);
    appt.SetEnd(item.end);
    appt.SetReminderSet(item.reminderSet);
    if (item.reminderSet) appt.SetReminderMinutesBeforeStart(item.reminderMinutes);
    if (item.notes) appt.SetBodyInk(*item.notes);
}

void SetTask(PoomTask& task, const ImportedItem& item)
{
    task.SetSubject(item.subject);
    task.SetStartDate(item.startDate);
    task.SetDueDate(item.dueDate);
    task.SetImportance(item.importance);
    task.SetReminderSet(item.reminderSet);
    task.SetReminderTime(item.reminderTime);
    if (item.notes) task.SetBodyInk(*item.notes);
    if (item.complete) {
        task.SetDateCompleted(item.completed);
        task.SetComplete(true);
    }
}

} // namespace

StoreWriter::StoreWriter(PoomApplication& app, const IcalReading& reading, IcalImportReport& report)
    : m_app(app), m_reading(reading), m_report(report)
{
    std::vector<CEPROPID> ids;
    if (m_app.GetIDsFromNames({kItemColorName}, kItemColorFlags, ids)) m_color = ids[0];
}

StoreWriter::~StoreWriter() = default;

std::optional<CEOID> StoreWriter::Write(const ImportedItem& item, std::optional<CEOID> into)
{
    const int type = item.task ? olTaskItem : olAppointmentItem;
    // A UID met twice in one file is a second item, not a change of the first.
    const bool ownUid = !item.uid.empty() && !m_written.contains(item.uid);
    std::optional<CEOID> target = into;
    if (!target && ownUid) target = m_app.FindItemByUid(item.uid);
    std::unique_ptr<PoomItem> made;
    if (target) {
        made = m_app.GetItemFromOid(*target);
        if (!made && into) return Refuse(item, StringText(IDS_ICAL_ITEM_MISSING));
        if (made && made->ItemType() != type) {
            // An event that became a to-do (or back) is a new item under the same UID.
            if (!made->Delete()) return Refuse(item, made->LastError());
            made.reset();
        }
    }
    const bool updating = made != nullptr;
    if (updating && made->IsRecurring()) {
        // Its changed and deleted occurrences are the file's from now on.
        made->ClearRecurrencePattern();
        if (!made->Save()) return Refuse(item, made->LastError());
    }
    if (!made) {
        made = m_app.CreateItem(type);
        if (!made) return Refuse(item, m_app.LastError());
        if (ownUid) made->KeepUid(item.uid);
    }
    if (item.task)
        SetTask(*made->AsTask(), item);
    else
        SetAppointment(*made->AsAppointment(), item);
    if (updating && !item.notes) made->SetBodyInk({});
    made->SetZone(item.zone);
    if (item.pattern) SetPattern(*made, *item.pattern);
    if (!item.ruleIcal.empty() && !made->SetRuleIcal(item.ruleIcal)) return Refuse(item, made->LastError());
    SetColor(*made, item, updating);
    if (!made->Save()) return Refuse(item, made->LastError());
    ++(item.task ? m_report.tasks : m_report.appointments);
    if (updating) ++m_report.updated;
    const CEOID oid = made->Oid();
    if (!item.uid.empty()) m_written.insert(item.uid);
    m_sources[oid].push_back(&item);
    if (item.pattern || !item.ruleIcal.empty()) {
        for (double original : item.exdates)
            if (auto occurrence = made->GetRecurrencePattern()->OccurrenceAt(original)) occurrence->Delete();
        if (!item.uid.empty() && !item.task) m_series[item.uid] = std::move(made);
    }
    return oid;
}

void StoreWriter::Change(const ImportedItem& item)
{
    auto series = m_series.find(item.uid);
    if (series == m_series.end() && !m_written.contains(item.uid)) {
        // The series may be in the store already, from an earlier import.
        if (const auto stored = m_app.FindItemByUid(item.uid))
            if (auto found = m_app.GetItemFromOid(*stored); found && found->AsAppointment() && found->IsRecurring())
                series = m_series.emplace(item.uid, std::move(found)).first;
    }
    if (series == m_series.end()) {
        m_report.notes.push_back(item.Label() + ": 되풀이 일정을 찾을 수 없어 따로 가져옵니다");
        ImportedItem alone = item;
        alone.recurrenceId.reset();
        alone.uid.clear();
        m_detached.push_back(std::move(alone));
        Write(m_detached.back());
        return;
    }
    auto occurrence = series->second->GetRecurrencePattern()->OccurrenceAt(*item.recurrenceId);
    if (!occurrence) {
        Refuse(item, "되풀이에 그런 날짜가 없습니다");
        return;
    }
    SetAppointment(*occurrence, item);
    if (!occurrence->Save()) {
        Refuse(item, occurrence->LastError());
        return;
    }
    m_sources[series->second->Oid()].push_back(&item);
}

bool StoreWriter::SaveSources()
{
    std::vector<std::pair<CEOID, std::string>> sources;
    sources.reserve(m_sources.size());
    for (const auto& [oid, items] : m_sources) {
        const ImportedItem& first = *items.front();
        std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
        if (first.calendar < m_reading.calendarProperties.size()) text += m_reading.calendarProperties[first.calendar];
        text += first.sourceZones;
        for (const ImportedItem* item : items) text += item->source;
        text += "END:VCALENDAR\r\n";
        sources.emplace_back(oid, std::move(text));
    }
    if (m_app.SetItemSources(sources)) return true;
    m_report.error = m_app.LastError();
    return false;
}

void StoreWriter::SetColor(PoomItem& made, const ImportedItem& item, bool updating)
{
    if (!m_color || (!item.color && !updating)) return;
    CEPROPVAL value{};
    value.propid = m_color;
    value.val.ulVal = item.color.value_or(0);
    made.SetProps(1, &value);
}

std::nullopt_t StoreWriter::Refuse(const ImportedItem& item, const std::string& why)
{
    ++m_report.skipped;
    m_report.notes.push_back(item.Label() + ": " + StringText(IDS_ICAL_NOT_IMPORTED) + why);
    return std::nullopt;
}

IcalImportReport ImportIcal(PoomApplication& app, std::string_view text, bool commit)
{
    IcalImportReport report;
    auto batch = app.BeginBatch(StoreBatch::Bulk);
    if (!batch) {
        report.error = app.LastError();
        return report;
    }
    IcalReadAhead reader(text);
    IcalReading& reading = reader.Reading();  // complete once Next gives null
    {
        StoreWriter writer(app, reading, report);
        // Changed occurrences wait for their series, which may come later.
        while (const ImportedItem* item = reader.Next())
            if (!item->recurrenceId || item->task) writer.Write(*item);
        if (!reading.error.empty()) {
            // Nothing of an unreadable file is stored.
            report = IcalImportReport{};
            report.error = reading.error;
            report.notes = std::move(reading.notes);
            report.skipped = reading.skipped;
            return report;
        }
        report.notes.insert(report.notes.begin(), reading.notes.begin(), reading.notes.end());
        report.skipped += reading.skipped;
        for (const ImportedItem& item : reader.Items())
            if (item.recurrenceId && !item.task) writer.Change(item);
        if (!writer.SaveSources()) return report;
    }
    if (commit && !batch->Commit(&report.error)) {
        report.appointments = report.tasks = report.updated = 0;
        return report;
    }
    report.ok = true;
    return report;
}

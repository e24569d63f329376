#include "pim/session/IcalImport.h"

#include <map>
#include <memory>

#include "pim/session/IcalReader.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/PoomRecurrencePattern.h"

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

class StoreWriter {
public:
    StoreWriter(PoomApplication& app, IcalImportReport& report) : m_app(app), m_report(report)
    {
        std::vector<CEPROPID> ids;
        if (m_app.GetIDsFromNames({kItemColorName}, kItemColorFlags, ids)) m_color = ids[0];
    }

    void Add(const ImportedItem& item)
    {
        auto made = m_app.CreateItem(item.task ? olTaskItem : olAppointmentItem);
        if (!made) return Refuse(item, m_app.LastError());
        if (item.task)
            SetTask(*made->AsTask(), item);
        else
            SetAppointment(*made->AsAppointment(), item);
        made->SetZone(item.zone);
        if (item.pattern) SetPattern(*made, *item.pattern);
        if (!item.ruleIcal.empty() && !made->SetRuleIcal(item.ruleIcal)) return Refuse(item, made->LastError());
        SetColor(*made, item);
        if (!made->Save()) return Refuse(item, made->LastError());
        Count(item);
        if (item.pattern || !item.ruleIcal.empty()) {
            for (double original : item.exdates)
                if (auto occurrence = made->GetRecurrencePattern()->OccurrenceAt(original)) occurrence->Delete();
            if (!item.uid.empty() && !item.task) m_series[item.uid] = std::move(made);
        }
    }

    // A changed occurrence of a series read earlier in the file.
    void Change(const ImportedItem& item)
    {
        auto series = m_series.find(item.uid);
        if (series == m_series.end()) {
            m_report.notes.push_back(item.Label() + ": 되풀이 일정을 찾을 수 없어 따로 가져옵니다");
            ImportedItem alone = item;
            alone.recurrenceId.reset();
            return Add(alone);
        }
        auto occurrence = series->second->GetRecurrencePattern()->OccurrenceAt(*item.recurrenceId);
        if (!occurrence) return Refuse(item, "되풀이에 그런 날짜가 없습니다");
        SetAppointment(*occurrence, item);
        if (!occurrence->Save()) return Refuse(item, occurrence->LastError());
    }

private:
    void SetColor(PoomItem& made, const ImportedItem& item)
    {
        if (!item.color || !m_color) return;
        CEPROPVAL value;
        value.propid = m_color;
        value.val.ulVal = *item.color;
        made.SetProps(1, &value);
    }

    void Refuse(const ImportedItem& item, const std::string& why)
    {
        m_report.notes.push_back(item.Label() + ": 가져오지 않았습니다: " + why);
    }

    void Count(const ImportedItem& item) { ++(item.task ? m_report.tasks : m_report.appointments); }

    PoomApplication& m_app;
    IcalImportReport& m_report;
    CEPROPID m_color = 0;
    std::map<std::string, std::unique_ptr<PoomItem>> m_series;
};

} // namespace

IcalImportReport ImportIcal(PoomApplication& app, std::string_view text, bool commit)
{
    IcalImportReport report;
    IcalReading reading = ReadIcal(text);
    report.notes = std::move(reading.notes);
    if (!reading.error.empty()) {
        report.error = reading.error;
        return report;
    }
    auto batch = app.BeginBatch();
    if (!batch) {
        report.error = app.LastError();
        return report;
    }
    {
        StoreWriter writer(app, report);
        for (const ImportedItem& item : reading.items)
            if (!item.recurrenceId || item.task) writer.Add(item);
        for (const ImportedItem& item : reading.items)
            if (item.recurrenceId && !item.task) writer.Change(item);
    }
    if (commit && !batch->Commit(&report.error)) {
        report.appointments = report.tasks = 0;
        return report;
    }
    report.ok = true;
    return report;
}

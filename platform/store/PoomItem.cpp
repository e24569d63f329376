#include "platform/store/PoomItem.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/store/ItemDateRange.h"
#include "platform/store/OccurrenceSearch.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "platform/store/PoomSession.h"
#include "platform/store/PropBuffer.h"

namespace {

// Spans of endless series reach past every date the store can hold.
constexpr double kEndlessSpan = 1.0e7;

double AddSeconds(double date, int64_t seconds) { return OleFromSeconds(OleToSeconds(date) + seconds); }

bool SameDay(double a, double b) { return OleToSeconds(OleDateOnly(a)) == OleToSeconds(OleDateOnly(b)); }

bool SamePattern(const RecurrenceFields& a, const RecurrenceFields& b)
{
    return a.type == b.type && a.interval == b.interval && a.dayOfWeekMask == b.dayOfWeekMask &&
           a.dayOfMonth == b.dayOfMonth && a.instance == b.instance && a.monthOfYear == b.monthOfYear &&
           a.patternStart == b.patternStart && a.patternEnd == b.patternEnd && a.range == b.range &&
           a.occurrences == b.occurrences;
}

// A series ended by a count gets its end date, one ended by a date its count,
// as readers of either field expect.
void ApplyExtent(ItemRow& row, const SeriesExtent& extent)
{
    row.lastStart = extent.lastStart;
    if (row.pattern.range == RecurrenceRange::Count) row.pattern.patternEnd = OleDateOnly(extent.lastStart);
    if (row.pattern.range == RecurrenceRange::Until) row.pattern.occurrences = extent.count;
}

// Every occurrence of a series, changed ones included, lies in its span.
void SetSeriesSpan(ItemRow& row, const std::vector<ExceptionRow>& exceptions)
{
    const double duration = DurationDays(row);
    row.spanFirst = row.start;
    row.spanLast = row.lastStart < kNoDate ? row.lastStart + duration : kEndlessSpan;
    for (const ExceptionRow& e : exceptions) {
        if (e.deleted) continue;
        row.spanFirst = std::min(row.spanFirst, std::min(e.start, e.end));
        row.spanLast = std::max(row.spanLast, std::max(e.start, e.end));
    }
}

// Moves a task's dates so that its anchor date falls on `anchor`.
void ShiftTaskDates(ItemRow& row, double anchor)
{
    const double current = TaskAnchorDate(row);
    if (current == kNoDate) {
        row.dueDate = anchor;
        return;
    }
    const int64_t delta = OleToSeconds(anchor) - OleToSeconds(OleDateOnly(current));
    if (row.startDate != kNoDate) row.startDate = AddSeconds(row.startDate, delta);
    if (row.dueDate != kNoDate) row.dueDate = AddSeconds(row.dueDate, delta);
    if (row.reminderTime != kNoDate) row.reminderTime = AddSeconds(row.reminderTime, delta);
}

} // namespace

double TaskAnchorDate(const ItemRow& row)
{
    if (row.dueDate != kNoDate) return row.dueDate;
    return row.startDate;
}

PoomItem::PoomItem(std::shared_ptr<PoomSession> session, ItemRow row)
    : m_session(std::move(session)), m_row(std::move(row))
{
}

PoomItem::~PoomItem() = default;

ItemTable* PoomItem::Table()
{
    return m_session && m_session->Open() ? m_session->table.get() : nullptr;
}

bool PoomItem::Fail(const std::string& error)
{
    m_error = error;
    return false;
}

const Bytes& PoomItem::BodyInk()
{
    if (!m_row.notesLoaded) {
        ItemTable* table = Table();
        GuardStore(m_error, [&] {
            if (!table) return false;
            std::optional<Bytes> notes;
            if (m_occurrence) notes = table->LoadExceptionNotes(m_occurrence->series, m_occurrence->original);
            m_row.notes = notes ? *notes : table->LoadNotes(Oid());
            return true;
        });
        m_row.notesLoaded = true;
    }
    return m_row.notes;
}

void PoomItem::SetBodyInk(const Bytes& ink)
{
    m_row.notes = ink;
    m_row.notesLoaded = true;
    m_notesChanged = true;
}

PoomRecurrencePattern* PoomItem::GetRecurrencePattern()
{
    if (m_occurrence) return nullptr;
    if (!m_pattern) {
        if (!m_row.pattern.Recurs()) {
            // A fresh pattern starts on the item's day and never ends.
            double anchor = m_row.kind == ItemKind::Task ? TaskAnchorDate(m_row) : m_row.start;
            if (anchor == kNoDate) anchor = OleToday();
            m_row.pattern = RecurrenceFields{};
            m_row.pattern.patternStart = OleDateOnly(anchor);
        }
        m_pattern = std::make_unique<PoomRecurrencePattern>(*this);
    }
    return m_pattern.get();
}

bool PoomItem::ClearRecurrencePattern()
{
    if (m_occurrence) return Fail("되풀이 일정의 한 항목에는 되풀이 방법이 없습니다.");
    m_row.pattern.type = olRecursOnce;
    m_patternChanged = true;
    return true;
}

bool PoomItem::Save()
{
    ItemTable* table = Table();
    if (!table) return Fail("저장소에 로그온되어 있지 않습니다.");
    if (const std::string refusal = CheckItemDates(m_row); !refusal.empty()) return Fail(refusal);
    return GuardStore(m_error, [&] {
        WriteTransaction transaction(*m_session->connection);
        if (!(m_occurrence ? SaveOccurrence(*table) : SaveRow(*table))) return false;
        for (const auto& [id, value] : m_pendingProps) table->SetProperty(Oid(), id, value);
        transaction.Commit();
        m_pendingProps.clear();
        m_patternChanged = false;
        m_notesChanged = false;
        return true;
    });
}

bool PoomItem::SaveRow(ItemTable& table)
{
    if (m_row.oid == 0) {
        m_row.oid = table.Insert(m_row, m_newUid);
        return true;
    }
    if (!table.Exists(m_row.oid, m_row.kind)) return Fail("항목이 저장소에 없습니다.");
    table.Update(m_row);
    return true;
}

bool PoomItem::SaveOccurrence(ItemTable& table)
{
    if (m_row.end < m_row.start) return Fail("끝 시각이 시작 시각보다 앞입니다.");
    auto series = table.Load(m_occurrence->series);
    if (!series || !series->pattern.Recurs()) return Fail("되풀이 일정이 저장소에 없습니다.");
    ExceptionRow exception;
    exception.series = m_occurrence->series;
    exception.original = m_occurrence->original;
    exception.subject = m_row.subject;
    exception.location = m_row.location;
    exception.start = m_row.start;
    exception.end = m_row.end;
    exception.allDay = m_row.allDay;
    exception.reminderSet = m_row.reminderSet;
    exception.reminderMinutes = m_row.reminderMinutes;
    exception.notes = m_notesChanged ? std::optional<Bytes>(m_row.notes)
                                     : table.LoadExceptionNotes(exception.series, exception.original);
    table.SaveException(exception);
    SetSeriesSpan(*series, table.LoadExceptions(series->oid));
    table.Update(*series);
    return true;
}

bool PoomItem::Delete()
{
    ItemTable* table = Table();
    if (!table) return Fail("저장소에 로그온되어 있지 않습니다.");
    return GuardStore(m_error, [&] {
        if (m_occurrence) {
            if (!table->Exists(m_occurrence->series, ItemKind::Appointment)) return Fail("항목이 저장소에 없습니다.");
            ExceptionRow exception;
            exception.series = m_occurrence->series;
            exception.original = m_occurrence->original;
            exception.deleted = true;
            WriteTransaction transaction(*m_session->connection);
            table->SaveException(exception);
            transaction.Commit();
            return true;
        }
        if (m_row.oid == 0) return Fail("저장되지 않은 항목입니다.");
        if (!table->Delete(m_row.oid)) return Fail("항목이 저장소에 없습니다.");
        return true;
    });
}

std::unique_ptr<PoomItem> PoomItem::Copy()
{
    ItemTable* table = Table();
    if (!table) {
        Fail("저장소에 로그온되어 있지 않습니다.");
        return nullptr;
    }
    ItemRow row = m_row;
    row.notes = BodyInk();
    row.notesLoaded = true;
    row.oid = 0;
    if (m_occurrence) {
        row.pattern = RecurrenceFields{};
        row.lastStart = kNoDate;
    }
    const CEOID source = Oid();
    const bool copied = GuardStore(m_error, [&] {
        WriteTransaction transaction(*m_session->connection);
        row.oid = table->Insert(row);
        if (source != 0) {
            table->CopyProperties(source, row.oid);
            if (!m_occurrence) {
                for (ExceptionRow exception : table->LoadExceptions(source)) {
                    exception.series = row.oid;
                    exception.notes = table->LoadExceptionNotes(source, exception.original);
                    table->SaveException(exception);
                }
            }
        }
        for (const auto& [id, value] : m_pendingProps) table->SetProperty(row.oid, id, value);
        transaction.Commit();
        return true;
    });
    if (!copied) return nullptr;
    if (row.kind == ItemKind::Task) return std::make_unique<PoomTask>(m_session, std::move(row));
    return std::make_unique<PoomAppointment>(m_session, std::move(row));
}

bool PoomItem::Display()
{
    if (!m_session || !m_session->display) return Fail("항목 편집기가 없습니다.");
    return m_session->display(*this);
}

bool PoomItem::GetProps(const CEPROPID* ids, uint16_t count, CEPROPVAL** values, uint32_t* size)
{
    if (!values || !size || (count && !ids)) return Fail("잘못된 인수입니다.");
    ItemTable* table = Table();
    if (!table) return Fail("저장소에 로그온되어 있지 않습니다.");
    return GuardStore(m_error, [&] {
        std::vector<PropEntry> entries;
        for (uint16_t i = 0; i < count; ++i) {
            PropEntry entry{ids[i], {}};
            const auto type = m_session->NamedPropertyType(NumberFromPropId(ids[i]));
            if (type && *type == TypeFromPropId(ids[i])) {
                auto pending = m_pendingProps.find(ids[i]);
                if (pending != m_pendingProps.end())
                    entry.value = pending->second;
                else if (Oid() != 0)
                    entry.value = table->GetProperty(Oid(), ids[i]);
            }
            entries.push_back(std::move(entry));
        }
        uint8_t* buffer = nullptr;
        if (!FillPropBuffer(entries, &buffer, size, true)) return Fail("메모리가 부족합니다.");
        *values = reinterpret_cast<CEPROPVAL*>(buffer);
        return true;
    });
}

bool PoomItem::SetProps(uint16_t count, const CEPROPVAL* values)
{
    if (count && !values) return Fail("잘못된 인수입니다.");
    ItemTable* table = Table();
    if (!table) return Fail("저장소에 로그온되어 있지 않습니다.");
    return GuardStore(m_error, [&] {
        std::map<CEPROPID, PropValue> accepted;
        for (uint16_t i = 0; i < count; ++i) {
            const CEPROPVAL& record = values[i];
            const auto type = m_session->NamedPropertyType(NumberFromPropId(record.propid));
            if (!type || *type != TypeFromPropId(record.propid)) return Fail("알 수 없는 속성입니다.");
            accepted[record.propid] = (record.wFlags & CEDB_PROPDELETE) ? PropValue{} : ValueOfRecord(record);
        }
        for (auto& [id, value] : accepted) m_pendingProps[id] = std::move(value);
        return true;
    });
}

PoomAppointment::PoomAppointment(std::shared_ptr<PoomSession> session, ItemRow series, OccurrenceKey key,
                                 const ExceptionRow* exception, double start)
    : PoomItem(std::move(session), std::move(series))
{
    m_occurrence = key;
    const int64_t duration = OleToSeconds(m_row.end) - OleToSeconds(m_row.start);
    m_row.start = start;
    m_row.end = AddSeconds(start, duration);
    if (exception) {
        m_row.subject = exception->subject;
        m_row.location = exception->location;
        m_row.start = exception->start;
        m_row.end = exception->end;
        m_row.allDay = exception->allDay;
        m_row.reminderSet = exception->reminderSet;
        m_row.reminderMinutes = exception->reminderMinutes;
    }
    m_row.notes.clear();
    m_row.notesLoaded = false;
}

void PoomAppointment::SetStart(double start)
{
    const int64_t duration = OleToSeconds(m_row.end) - OleToSeconds(m_row.start);
    // A new day for the series' start is a new first day for its pattern; the
    // same day leaves a first day chosen through the pattern alone.
    if (!m_occurrence && !SameDay(start, m_row.start)) m_row.pattern.patternStart = OleDateOnly(start);
    m_row.start = start;
    m_row.end = AddSeconds(start, duration);
}

int32_t PoomAppointment::Duration() const
{
    return int32_t((OleToSeconds(m_row.end) - OleToSeconds(m_row.start)) / 60);
}

void PoomAppointment::SetDuration(int32_t minutes)
{
    m_row.end = AddSeconds(m_row.start, int64_t(minutes) * 60);
}

bool PoomAppointment::SaveRow(ItemTable& table)
{
    if (m_row.end < m_row.start) return Fail("끝 시각이 시작 시각보다 앞입니다.");
    if (!m_row.pattern.Recurs()) {
        m_row.lastStart = kNoDate;
        m_row.spanFirst = m_row.start;
        m_row.spanLast = m_row.end;
        if (m_row.oid != 0) table.DeleteExceptions(m_row.oid);
        return PoomItem::SaveRow(table);
    }
    const std::string problem = NormalizePattern(m_row.pattern);
    if (!problem.empty()) return Fail(problem);
    const auto extent = ComputeExtent(m_row.pattern, SeriesStart(m_row));
    if (!extent) return Fail("되풀이 범위에 일정이 없습니다.");
    // The series starts with its first occurrence.
    const int64_t duration = OleToSeconds(m_row.end) - OleToSeconds(m_row.start);
    m_row.start = extent->firstStart;
    m_row.end = AddSeconds(m_row.start, duration);
    m_row.pattern.patternStart = OleDateOnly(extent->firstStart);
    ApplyExtent(m_row, *extent);

    std::vector<ExceptionRow> exceptions;
    if (m_row.oid != 0) {
        // Exceptions are keyed by their original starts: a series whose
        // occurrences moved drops them, as they no longer match any.
        const auto stored = table.Load(m_row.oid);
        const bool moved = !stored || !stored->pattern.Recurs() || !SamePattern(stored->pattern, m_row.pattern) ||
                           OleToSeconds(SeriesStart(*stored)) != OleToSeconds(SeriesStart(m_row));
        if (moved)
            table.DeleteExceptions(m_row.oid);
        else
            exceptions = table.LoadExceptions(m_row.oid);
    }
    SetSeriesSpan(m_row, exceptions);
    return PoomItem::SaveRow(table);
}

bool PoomTask::SaveRow(ItemTable& table)
{
    if (m_row.importance < olImportanceLow || m_row.importance > olImportanceHigh)
        return Fail("중요도는 0, 1, 2 중 하나여야 합니다.");
    if (m_row.pattern.Recurs()) {
        const std::string problem = NormalizePattern(m_row.pattern);
        if (!problem.empty()) return Fail(problem);
        const auto extent = ComputeExtent(m_row.pattern, SeriesStart(m_row));
        if (!extent) return Fail("되풀이 범위에 작업이 없습니다.");
        // A new pattern puts the task on its first occurrence from the task's
        // own day on.
        const double anchor = TaskAnchorDate(m_row);
        if (m_patternChanged || m_row.oid == 0 || anchor == kNoDate) {
            std::optional<double> target;
            if (anchor != kNoDate && OleDateOnly(anchor) > extent->firstStart)
                target = NextOccurrenceAfter(m_row.pattern, SeriesStart(m_row), extent->lastStart,
                                             AddSeconds(OleDateOnly(anchor), -1));
            ShiftTaskDates(m_row, target.value_or(extent->firstStart));
        }
        ApplyExtent(m_row, *extent);
        const bool wasComplete = m_row.oid != 0 && [&] {
            const auto stored = table.Load(m_row.oid);
            return stored && stored->complete;
        }();
        if (m_row.complete && !wasComplete) return SaveCompletedRecurrence(table);
    } else {
        m_row.lastStart = kNoDate;
    }
    if (m_row.complete && m_row.dateCompleted == kNoDate) m_row.dateCompleted = OleToday();
    if (!m_row.complete) m_row.dateCompleted = kNoDate;
    return PoomItem::SaveRow(table);
}

bool PoomTask::SaveCompletedRecurrence(ItemTable& table)
{
    // The finished instance stays behind as a completed plain task and the
    // series moves on to its next occurrence; the last instance simply ends.
    ItemRow done = m_row;
    done.notes = BodyInk();
    done.notesLoaded = true;
    done.pattern = RecurrenceFields{};
    done.lastStart = kNoDate;
    done.complete = true;
    if (done.dateCompleted == kNoDate) done.dateCompleted = OleToday();
    const auto next = NextOccurrenceAfter(m_row.pattern, SeriesStart(m_row), m_row.lastStart, TaskAnchorDate(m_row));
    if (!next) {
        done.oid = m_row.oid;
        m_row = std::move(done);
        return PoomItem::SaveRow(table);
    }
    done.oid = 0;
    const CEOID copy = table.Insert(done);
    if (m_row.oid != 0) table.CopyProperties(m_row.oid, copy);
    for (const auto& [id, value] : m_pendingProps) table.SetProperty(copy, id, value);
    ShiftTaskDates(m_row, *next);
    m_row.complete = false;
    m_row.dateCompleted = kNoDate;
    return PoomItem::SaveRow(table);
}

bool PoomTask::SkipRecurrence()
{
    if (!m_row.pattern.Recurs()) return Fail("되풀이 작업이 아닙니다.");
    RecurrenceFields pattern = m_row.pattern;
    const std::string problem = NormalizePattern(pattern);
    if (!problem.empty()) return Fail(problem);
    const auto extent = ComputeExtent(pattern, pattern.patternStart);
    const auto next = extent ? NextOccurrenceAfter(pattern, pattern.patternStart, extent->lastStart, TaskAnchorDate(m_row))
                             : std::nullopt;
    if (!next) return Fail("더 이상 되풀이가 없습니다.");
    ShiftTaskDates(m_row, *next);
    return Save();
}

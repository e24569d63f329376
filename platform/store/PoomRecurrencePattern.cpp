#include "platform/store/PoomRecurrencePattern.h"

#include <algorithm>

#include "platform/store/OccurrenceSearch.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomItem.h"
#include "platform/store/PoomSession.h"

RecurrenceFields& PoomRecurrencePattern::Fields()
{
    m_item.m_patternChanged = true;
    return m_item.m_row.pattern;
}

const RecurrenceFields& PoomRecurrencePattern::Fields() const { return m_item.m_row.pattern; }

int32_t PoomRecurrencePattern::RecurrenceType() const { return Fields().type; }
void PoomRecurrencePattern::SetRecurrenceType(int32_t type) { Fields().type = type; }
int32_t PoomRecurrencePattern::Interval() const { return Fields().interval; }
void PoomRecurrencePattern::SetInterval(int32_t interval) { Fields().interval = interval; }
int32_t PoomRecurrencePattern::DayOfWeekMask() const { return Fields().dayOfWeekMask; }
void PoomRecurrencePattern::SetDayOfWeekMask(int32_t mask) { Fields().dayOfWeekMask = mask; }
int32_t PoomRecurrencePattern::DayOfMonth() const { return Fields().dayOfMonth; }
void PoomRecurrencePattern::SetDayOfMonth(int32_t day) { Fields().dayOfMonth = day; }
int32_t PoomRecurrencePattern::Instance() const { return Fields().instance; }
void PoomRecurrencePattern::SetInstance(int32_t instance) { Fields().instance = instance; }
int32_t PoomRecurrencePattern::MonthOfYear() const { return Fields().monthOfYear; }
void PoomRecurrencePattern::SetMonthOfYear(int32_t month) { Fields().monthOfYear = month; }
double PoomRecurrencePattern::PatternStartDate() const { return Fields().patternStart; }
void PoomRecurrencePattern::SetPatternStartDate(double date) { Fields().patternStart = OleDateOnly(date); }
double PoomRecurrencePattern::PatternEndDate() const { return Fields().patternEnd; }
bool PoomRecurrencePattern::NoEndDate() const { return Fields().range == RecurrenceRange::NoEnd; }
int32_t PoomRecurrencePattern::Occurrences() const { return Fields().occurrences; }
RecurrenceRange PoomRecurrencePattern::RangeKind() const { return Fields().range; }

void PoomRecurrencePattern::SetPatternEndDate(double date)
{
    RecurrenceFields& fields = Fields();
    fields.patternEnd = OleDateOnly(date);
    fields.range = RecurrenceRange::Until;
}

void PoomRecurrencePattern::SetNoEndDate(bool noEnd)
{
    RecurrenceFields& fields = Fields();
    if (noEnd)
        fields.range = RecurrenceRange::NoEnd;
    else if (fields.range == RecurrenceRange::NoEnd)
        fields.range = fields.patternEnd < kNoDate ? RecurrenceRange::Until : RecurrenceRange::Count;
    if (fields.range == RecurrenceRange::Count && fields.occurrences <= 0) fields.occurrences = 10;
}

void PoomRecurrencePattern::SetOccurrences(int32_t count)
{
    RecurrenceFields& fields = Fields();
    fields.occurrences = count;
    fields.range = RecurrenceRange::Count;
}

std::unique_ptr<PoomAppointment> PoomRecurrencePattern::GetOccurrence(double date)
{
    const ItemRow& series = m_item.m_row;
    ItemTable* table = m_item.Table();
    if (!table || series.kind != ItemKind::Appointment || series.oid == 0 || !series.pattern.Recurs()) return nullptr;
    std::unique_ptr<PoomAppointment> found;
    GuardStore(m_item.m_error, [&] {
        const double day = OleDateOnly(date);
        const double nextDay = OleFromSeconds(OleToSeconds(day) + 86400);
        const std::vector<ExceptionRow> exceptions = table->LoadExceptions(series.oid);
        // A changed occurrence is found on the day it was moved to.
        for (const ExceptionRow& e : exceptions) {
            if (!e.deleted && e.start >= day && e.start < nextDay) {
                found = std::make_unique<PoomAppointment>(m_item.m_session, series, OccurrenceKey{series.oid, e.original},
                                                          &e, e.start);
                return true;
            }
        }
        for (double start : SeriesStarts(series, day, nextDay).starts) {
            const int64_t original = OleToSeconds(start);
            const bool excepted = std::any_of(exceptions.begin(), exceptions.end(),
                                              [&](const ExceptionRow& e) { return e.original == original; });
            if (excepted) continue;
            found = std::make_unique<PoomAppointment>(m_item.m_session, series, OccurrenceKey{series.oid, original},
                                                      nullptr, start);
            return true;
        }
        return false;
    });
    return found;
}

std::unique_ptr<PoomAppointment> PoomRecurrencePattern::OccurrenceAt(double originalStart)
{
    const ItemRow& series = m_item.m_row;
    ItemTable* table = m_item.Table();
    if (!table || series.kind != ItemKind::Appointment || series.oid == 0 || !series.pattern.Recurs()) return nullptr;
    std::unique_ptr<PoomAppointment> found;
    GuardStore(m_item.m_error, [&] {
        const int64_t original = OleToSeconds(originalStart);
        for (const ExceptionRow& e : table->LoadExceptions(series.oid)) {
            if (e.original != original) continue;
            if (!e.deleted)
                found = std::make_unique<PoomAppointment>(m_item.m_session, series,
                                                          OccurrenceKey{series.oid, original}, &e, e.start);
            return true;
        }
        const double from = OleFromSeconds(original - 1), to = OleFromSeconds(original + 1);
        for (double start : SeriesStarts(series, from, to).starts) {
            if (OleToSeconds(start) != original) continue;
            found = std::make_unique<PoomAppointment>(m_item.m_session, series, OccurrenceKey{series.oid, original},
                                                      nullptr, start);
        }
        return true;
    });
    return found;
}

std::vector<PoomException> PoomRecurrencePattern::Exceptions()
{
    std::vector<PoomException> result;
    const ItemRow& series = m_item.m_row;
    ItemTable* table = m_item.Table();
    if (!table || series.oid == 0) return result;
    GuardStore(m_item.m_error, [&] {
        for (const ExceptionRow& e : table->LoadExceptions(series.oid)) {
            PoomException exception;
            exception.originalDate = OleFromSeconds(e.original);
            exception.deleted = e.deleted;
            if (!e.deleted)
                exception.appointment = std::make_unique<PoomAppointment>(
                    m_item.m_session, series, OccurrenceKey{series.oid, e.original}, &e, e.start);
            result.push_back(std::move(exception));
        }
        return true;
    });
    return result;
}

// The recurrence pattern object of an item: the object model's fields, the
// occurrence on a given day and the series' exceptions. It belongs to its item
// and edits the item's pattern; the item's Save writes it.
#pragma once

#include <memory>
#include <vector>

#include "platform/store/PimTypes.h"
#include "platform/store/Recurrence.h"

class PoomItem;
class PoomAppointment;

struct PoomException {
    double originalDate = 0;  // the occurrence's original start
    bool deleted = false;
    std::unique_ptr<PoomAppointment> appointment;  // the changed occurrence; null when deleted
};

class PoomRecurrencePattern {
public:
    explicit PoomRecurrencePattern(PoomItem& item) : m_item(item) {}

    int32_t RecurrenceType() const;
    void SetRecurrenceType(int32_t type);
    int32_t Interval() const;
    void SetInterval(int32_t interval);
    int32_t DayOfWeekMask() const;
    void SetDayOfWeekMask(int32_t mask);
    int32_t DayOfMonth() const;
    void SetDayOfMonth(int32_t day);
    int32_t Instance() const;
    void SetInstance(int32_t instance);
    int32_t MonthOfYear() const;
    void SetMonthOfYear(int32_t month);
    double PatternStartDate() const;
    void SetPatternStartDate(double date);
    double PatternEndDate() const;
    void SetPatternEndDate(double date);
    bool NoEndDate() const;
    void SetNoEndDate(bool noEnd);
    int32_t Occurrences() const;
    void SetOccurrences(int32_t count);
    // Which of NoEndDate, Occurrences and PatternEndDate ends the series.
    RecurrenceRange RangeKind() const;

    // The occurrence of an appointment series on the day of `date` (any time of
    // that day), as changed if it was; null when there is none.
    std::unique_ptr<PoomAppointment> GetOccurrence(double date);
    // The occurrence that originally starts at `originalStart`, as changed if
    // it was; null when there is none or it was deleted.
    std::unique_ptr<PoomAppointment> OccurrenceAt(double originalStart);
    std::vector<PoomException> Exceptions();
    // All fields at once.
    const RecurrenceFields& Fields() const;

private:
    RecurrenceFields& Fields();

    PoomItem& m_item;
};

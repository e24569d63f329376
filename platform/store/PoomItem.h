// Items of the object model: appointments and tasks, their properties, Save,
// Delete, Copy, Display, the recurrence pattern and the generic property
// access for named properties. Changes stay in the object until Save.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/store/ItemRow.h"
#include "platform/store/ItemTable.h"
#include "platform/store/PimTypes.h"

struct PoomSession;
class PoomAppointment;
class PoomTask;
class PoomRecurrencePattern;

// Identifies one occurrence of a series: the series and the original start.
struct OccurrenceKey {
    CEOID series = 0;
    int64_t original = 0;  // seconds since 30 December 1899
};

class PoomItem {
public:
    PoomItem(std::shared_ptr<PoomSession> session, ItemRow row);
    virtual ~PoomItem();
    PoomItem(const PoomItem&) = delete;
    PoomItem& operator=(const PoomItem&) = delete;

    virtual PoomAppointment* AsAppointment() { return nullptr; }
    virtual PoomTask* AsTask() { return nullptr; }
    int ItemType() const { return m_row.kind == ItemKind::Task ? olTaskItem : olAppointmentItem; }

    CEOID Oid() const { return m_occurrence ? m_occurrence->series : m_row.oid; }
    const std::string& Subject() const { return m_row.subject; }
    void SetSubject(const std::string& subject) { m_row.subject = subject; }
    // The notes (ink) block, property 0x001E of the databases.
    const Bytes& BodyInk();
    void SetBodyInk(const Bytes& ink);
    bool IsRecurring() const { return m_occurrence.has_value() || m_row.pattern.Recurs(); }

    // The pattern object stays owned by the item. An occurrence has none.
    PoomRecurrencePattern* GetRecurrencePattern();
    bool ClearRecurrencePattern();

    // The iCalendar UID a new item takes at its first save instead of a new
    // random one: an imported item keeps its own.
    void KeepUid(std::string uid) { m_newUid = std::move(uid); }

    virtual bool Save();
    bool Delete();
    // A new stored item with the same properties (an occurrence copies as a
    // plain appointment).
    std::unique_ptr<PoomItem> Copy();
    // The platform's own editor; false while none is installed.
    bool Display();

    // Generic property access (named properties). GetProps allocates one
    // buffer of records with malloc; the caller frees it with free().
    bool GetProps(const CEPROPID* ids, uint16_t count, CEPROPVAL** values, uint32_t* size);
    // Kept with the item and written by Save.
    bool SetProps(uint16_t count, const CEPROPVAL* values);

    const std::string& LastError() const { return m_error; }

protected:
    virtual bool SaveRow(ItemTable& table);
    bool SaveOccurrence(ItemTable& table);
    bool Fail(const std::string& error);
    ItemTable* Table();

    std::shared_ptr<PoomSession> m_session;
    ItemRow m_row;
    std::optional<OccurrenceKey> m_occurrence;
    bool m_notesChanged = false;
    bool m_patternChanged = false;
    std::map<CEPROPID, PropValue> m_pendingProps;
    std::unique_ptr<PoomRecurrencePattern> m_pattern;
    std::string m_newUid;
    std::string m_error;

    friend class PoomRecurrencePattern;
};

class PoomAppointment : public PoomItem {
public:
    PoomAppointment(std::shared_ptr<PoomSession> session, ItemRow row) : PoomItem(std::move(session), std::move(row)) {}
    // One occurrence of a series, with its own dates (and changes, if any).
    PoomAppointment(std::shared_ptr<PoomSession> session, ItemRow series, OccurrenceKey key,
                    const ExceptionRow* exception, double start);

    PoomAppointment* AsAppointment() override { return this; }

    const std::string& Location() const { return m_row.location; }
    void SetLocation(const std::string& location) { m_row.location = location; }
    double Start() const { return m_row.start; }
    // Moves the end along, keeping the duration.
    void SetStart(double start);
    double End() const { return m_row.end; }
    void SetEnd(double end) { m_row.end = end; }
    int32_t Duration() const;  // minutes
    void SetDuration(int32_t minutes);
    bool AllDayEvent() const { return m_row.allDay; }
    void SetAllDayEvent(bool allDay) { m_row.allDay = allDay; }
    bool ReminderSet() const { return m_row.reminderSet; }
    void SetReminderSet(bool set) { m_row.reminderSet = set; }
    int32_t ReminderMinutesBeforeStart() const { return m_row.reminderMinutes; }
    void SetReminderMinutesBeforeStart(int32_t minutes) { m_row.reminderMinutes = minutes; }

protected:
    bool SaveRow(ItemTable& table) override;
};

class PoomTask : public PoomItem {
public:
    using PoomItem::PoomItem;

    PoomTask* AsTask() override { return this; }

    double StartDate() const { return m_row.startDate; }
    void SetStartDate(double date) { m_row.startDate = date; }
    double DueDate() const { return m_row.dueDate; }
    void SetDueDate(double date) { m_row.dueDate = date; }
    double DateCompleted() const { return m_row.dateCompleted; }
    void SetDateCompleted(double date) { m_row.dateCompleted = date; }
    bool Complete() const { return m_row.complete; }
    void SetComplete(bool complete) { m_row.complete = complete; }
    int32_t Importance() const { return m_row.importance; }
    void SetImportance(int32_t importance) { m_row.importance = importance; }
    bool ReminderSet() const { return m_row.reminderSet; }
    void SetReminderSet(bool set) { m_row.reminderSet = set; }
    double ReminderTime() const { return m_row.reminderTime; }
    void SetReminderTime(double time) { m_row.reminderTime = time; }

    // Moves a recurring task on to its next occurrence and saves it. False when
    // the task does not recur or the series has no further occurrence.
    bool SkipRecurrence();

protected:
    bool SaveRow(ItemTable& table) override;

private:
    bool SaveCompletedRecurrence(ItemTable& table);
};

// The date a task's recurrence is anchored to: due date, else start date.
double TaskAnchorDate(const ItemRow& row);

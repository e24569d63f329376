#include "pim/session/TaskScan.h"

#include "pim/session/NotesTest.h"
#include "pim/session/RecordBuffer.h"

std::vector<TaskRecord> ScanTaskDatabase(CEDBHANDLE db, const std::function<bool(const TaskRecord&)>& take)
{
    std::vector<TaskRecord> tasks;
    if (db == kInvalidDbHandle) return tasks;
    static const CEPROPID kDates[] = {PROPID_RECORD_ID, PROPID_TASK_START, PROPID_TASK_DUE, PROPID_TASK_COMPLETED};
    static const CEPROPID kDetails[] = {PROPID_TASK_SUBJECT, PROPID_TASK_RECURRING, PROPID_TASK_REMINDER,
                                        PROPID_TASK_IMPORTANCE, PROPID_NOTES};
    RecordBuffer buffer;
    CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0);
    while (CEOID record = ReadRecord(db, kDates, 4, buffer)) {
        TaskRecord task;
        task.oid = OidFromTaskRecord(buffer[0].val.ulVal);
        task.startDate = DateOf(buffer[1]);
        task.dueDate = DateOf(buffer[2]);
        task.completedDate = DateOf(buffer[3]);
        task.complete = task.completedDate != kNoDate;
        if (!take(task)) continue;
        // Each read moved on: step back for the second read of the same record.
        if (CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, uint32_t(-1)) != record) break;
        if (!ReadRecord(db, kDetails, 5, buffer)) break;
        if (IsSet(buffer[0]) && buffer[0].val.lpsz) task.subject = buffer[0].val.lpsz;
        task.recurring = IsSet(buffer[1]) && buffer[1].val.boolVal == 1;
        task.reminder = IsSet(buffer[2]) && buffer[2].val.boolVal == 1;
        task.importance = IsSet(buffer[3]) ? int32_t(buffer[3].val.ulVal) : olImportanceNormal;
        task.hasNotes = NotesPropertyHasContent(buffer[4]);
        tasks.push_back(std::move(task));
    }
    return tasks;
}

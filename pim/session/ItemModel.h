// Items as the views and editors carry them: kinds, the task record of the
// week's task scan and the entry a view keeps per shown item.
#pragma once

#include <cstdint>
#include <string>

#include "pim/session/EntryMarks.h"
#include "platform/store/PimTypes.h"

inline constexpr int32_t kKindAppointment = 1;
inline constexpr int32_t kKindTask = 2;
inline constexpr int32_t kKindAnniversary = 3;

// A task as the scan of the task database reads it.
struct TaskRecord {
    CEOID oid = kNoItem;
    std::string subject;
    bool recurring = false;
    bool reminder = false;
    int32_t importance = olImportanceNormal;
    double startDate = kNoDate;
    double dueDate = kNoDate;
    double completedDate = kNoDate;
    bool complete = false;
    bool hasNotes = false;
};

// Colours of tasks that override the item colour (COLORREF, 0x00BBGGRR).
inline constexpr uint32_t kCompletedTaskColor = 0x969696;
inline constexpr uint32_t kOverdueTaskColor = 0x9600FF;

// One item shown in a day of the week view.
struct ItemEntry {
    CEOID oid = kNoItem;
    int32_t kind = kKindAppointment;
    double start = 0;  // OLE date
    std::string leadText;
    std::string rangeText;
    std::string bodyText;
    std::string title;  // for the delete question; bodyText when empty
    uint32_t color = 0;
    uint32_t style = 0;
    uint32_t marks = 0;
};

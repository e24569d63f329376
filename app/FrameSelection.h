// What the active view has selected, as the frame's commands use it.
#pragma once

#include <QString>

#include <cstdint>

#include "platform/store/PimTypes.h"

inline constexpr int32_t kSelectionAppointment = 1;
inline constexpr int32_t kSelectionTask = 2;
inline constexpr int32_t kSelectionAnniversary = 3;

struct FrameSelection {
    CEOID oid = kNoItem;  // the item, or the anniversary's index; kNoItem: none
    int32_t kind = 0;     // 1 appointment, 2 task, 3 anniversary
    double start = 0;     // the occurrence's start (OLE date)
    QString title;        // for the delete question

    bool HasItem() const { return oid != kNoItem; }
};

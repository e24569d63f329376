// Style and mark bits of an entry shown in a view; shared by the item model
// and the views that draw it.
#pragma once

#include <cstdint>

// Style bits of an entry.
inline constexpr uint32_t kStyleBold = 1;
inline constexpr uint32_t kStyleCompleted = 2;

// Mark bits of an entry.
inline constexpr uint32_t kMarkNotes = 1;
inline constexpr uint32_t kMarkReminder = 2;
inline constexpr uint32_t kMarkRecurring = 4;
inline constexpr uint32_t kMarkHighImportance = 8;
inline constexpr uint32_t kMarkLowImportance = 16;

// The dates appointments and tasks may carry: those every part of the system
// can hold. Time values end in February 2106, and a day needs its local
// midnight on both sides of the epoch in every zone, so 1970-01-02 to
// 2105-12-31.
#pragma once

#include <string>

#include "platform/store/ItemRow.h"

inline constexpr char kItemDateRangeText[] = "일정과 작업의 날짜는 1970-01-02부터 2105-12-31까지만 쓸 수 있습니다";

// A moment from 1970-01-02 00:00 up to 2106-01-01 00:00 (the end of the last day).
bool InItemDateRange(double date);

// A task date: unset (kNoDate) or a day in the range.
bool InTaskDateRange(double date);

// Empty when the row's dates may be stored, else why not.
std::string CheckItemDates(const ItemRow& row);

#include "platform/store/ItemDateRange.h"

namespace {

// OLE dates (days since 30 December 1899) of 1970-01-02 and 2106-01-01.
constexpr double kFirst = 25570.0;
constexpr double kEnd = 75242.0;

} // namespace

bool InItemDateRange(double date) { return date >= kFirst && date <= kEnd; }

bool InTaskDateRange(double date) { return date == kNoDate || (InItemDateRange(date) && date < kEnd); }

std::string CheckItemDates(const ItemRow& row)
{
    const bool ok = row.kind == ItemKind::Appointment
                        ? InItemDateRange(row.start) && row.start < kEnd && InItemDateRange(row.end)
                        : InTaskDateRange(row.startDate) && InTaskDateRange(row.dueDate);
    return ok ? std::string() : std::string(kItemDateRangeText);
}

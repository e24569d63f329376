#include "calendar/Anniversary.h"

#include <tuple>

namespace {

auto Fields(const Anniversary& a) {
    return std::tie(a.year, a.month, a.day, a.dayBefore, a.dayAfter, a.kind, a.lunar,
                    a.leapMonth, a.name, a.color);
}

Anniversary MakeRecord(int32_t kind, int32_t year, int32_t month, int32_t day,
                       int32_t dayBefore, int32_t dayAfter, int32_t lunar, int32_t leapMonth,
                       const std::string& name, uint32_t color) {
    Anniversary a;
    a.year = year;
    a.month = month;
    a.day = day;
    a.dayBefore = dayBefore;
    a.dayAfter = dayAfter;
    a.kind = kind;
    a.lunar = lunar;
    a.leapMonth = leapMonth;
    a.name = name;
    a.color = color;
    return a;
}

}  // namespace

bool SameAnniversary(const Anniversary& a, const Anniversary& b) {
    return Fields(a) == Fields(b);
}

void AnniversaryList::Append(std::unique_ptr<Anniversary> record) {
    records_.push_back(std::move(record));
}

bool AnniversaryList::Remove(size_t index) {
    if (index >= records_.size()) return false;
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

void AnniversaryList::Clear() {
    records_.clear();
}

void AnniversaryList::NoteLoad(size_t skippedLines) {
    skippedLines_ = skippedLines;
    loadedFileNeedsBackup_ = skippedLines > 0;
}

size_t AddAnniversary(AnniversaryList& list, const Anniversary& record) {
    list.Append(std::make_unique<Anniversary>(record));
    return list.Count() - 1;
}

size_t AddAnniversary(AnniversaryList& list, int32_t kind, int32_t year, int32_t month,
                      int32_t day, int32_t dayBefore, int32_t dayAfter, int32_t lunar,
                      int32_t leapMonth, const std::string& name, uint32_t color) {
    return AddAnniversary(list, MakeRecord(kind, year, month, day, dayBefore, dayAfter, lunar,
                                           leapMonth, name, color));
}

int32_t UpdateAnniversary(AnniversaryList& list, size_t index, const Anniversary& record) {
    if (index >= list.Count()) return 0;
    list.At(index) = record;
    return 1;
}

int32_t UpdateAnniversary(AnniversaryList& list, size_t index, int32_t kind, int32_t year,
                          int32_t month, int32_t day, int32_t dayBefore, int32_t dayAfter,
                          int32_t lunar, int32_t leapMonth, const std::string& name,
                          uint32_t color) {
    return UpdateAnniversary(list, index, MakeRecord(kind, year, month, day, dayBefore,
                                                     dayAfter, lunar, leapMonth, name, color));
}

int32_t RemoveAnniversary(AnniversaryList& list, size_t index) {
    return list.Remove(index) ? 1 : 0;
}

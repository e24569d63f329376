// Anniversaries (birthdays, memorial days, holidays) and the list that owns
// them. Views and editors refer to a record by its index in the list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

inline constexpr int32_t kAnniversaryByDate = 1;
inline constexpr int32_t kAnniversaryByWeekday = 2;
inline constexpr int32_t kAnniversaryBirthday = 3;  // by date, Korean age shown

struct Anniversary {
    int32_t year = 0;       // first year, civil or lunar; 0 = not given
    int32_t month = 0;      // 1..12; by weekday: month * 10 + ordinal (1..4, 5 = last)
    int32_t day = 0;        // 1..31 (lunar 1..30); by weekday: weekday 1..7, 1 = Sunday
    int32_t dayBefore = 0;  // also mark the day before each occurrence
    int32_t dayAfter = 0;   // also mark the day after
    int32_t kind = kAnniversaryByDate;
    int32_t lunar = 0;      // month/day are a Korean lunar date
    int32_t leapMonth = 0;  // ... in the leap month that follows `month`
    std::string name;       // UTF-8
    uint32_t color = 0;     // COLORREF 0x00BBGGRR; 0 = black

    Anniversary() = default;
    Anniversary(const Anniversary&) = default;
    Anniversary(Anniversary&&) = default;
    Anniversary& operator=(const Anniversary&) = default;
    Anniversary& operator=(Anniversary&&) = default;
    virtual ~Anniversary() = default;

    // The parts of a by-weekday month field.
    int32_t WeekdayMonth() const { return month / 10; }
    int32_t WeekdayOrdinal() const { return month % 10; }
};

bool SameAnniversary(const Anniversary& a, const Anniversary& b);  // every field equal

class AnniversaryList {
public:
    size_t Count() const { return records_.size(); }
    const Anniversary& At(size_t index) const { return *records_[index]; }
    Anniversary& At(size_t index) { return *records_[index]; }

    void Append(std::unique_ptr<Anniversary> record);
    bool Remove(size_t index);
    void Clear();

    // Bookkeeping of the last load: lines it could not read, and whether the
    // file as loaded still has to be kept aside before it is first rewritten
    // (a save writes only records, so those lines would be gone).
    size_t SkippedLines() const { return skippedLines_; }
    bool LoadedFileNeedsBackup() const { return loadedFileNeedsBackup_; }
    void NoteLoad(size_t skippedLines);
    void NoteBackupDone() { loadedFileNeedsBackup_ = false; }

private:
    std::vector<std::unique_ptr<Anniversary>> records_;
    size_t skippedLines_ = 0;
    bool loadedFileNeedsBackup_ = false;
};

// Appends a copy of `record`; returns its index.
size_t AddAnniversary(AnniversaryList& list, const Anniversary& record);
size_t AddAnniversary(AnniversaryList& list, int32_t kind, int32_t year, int32_t month,
                      int32_t day, int32_t dayBefore, int32_t dayAfter, int32_t lunar,
                      int32_t leapMonth, const std::string& name, uint32_t color);

// Replace every field of the record at `index`, keeping its position.
// 0 when the index is out of range.
int32_t UpdateAnniversary(AnniversaryList& list, size_t index, const Anniversary& record);
int32_t UpdateAnniversary(AnniversaryList& list, size_t index, int32_t kind, int32_t year,
                          int32_t month, int32_t day, int32_t dayBefore, int32_t dayAfter,
                          int32_t lunar, int32_t leapMonth, const std::string& name,
                          uint32_t color);

// Removes the record and closes the gap; 0 when the index is out of range.
int32_t RemoveAnniversary(AnniversaryList& list, size_t index);

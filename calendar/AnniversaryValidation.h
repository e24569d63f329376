// The check the anniversary editors (and the command line) run before saving.
#pragma once

#include <string>

#include "calendar/Anniversary.h"

inline constexpr const char* kAnniversaryTitleMissing = "일정의 제목을 입력해 주세요.";
inline constexpr const char* kAnniversaryLunarDateInvalid = "잘못된 음력 날짜를 입력하였습니다.";
inline constexpr const char* kAnniversaryDateInvalid = "잘못된 날짜를 입력하였습니다.";

// Returns "" when the record may be saved, else the message to show. Also
// normalises it: a date that is not lunar cannot be in a leap month, and a
// by-weekday record is never lunar.
// Years are 0 (not given) or 1881..2050, the years the date field offers. A
// lunar date with a year must exist in that lunar year; without a year any day
// up to 30 is taken, since some year has it. A civil date must exist (29
// February only in a leap year, or without a year).
std::string CheckAnniversary(Anniversary& record);

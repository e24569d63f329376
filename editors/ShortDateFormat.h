// The short date of the pickers, "2026-01-30", with the Korean locale so that
// the morning and afternoon marks of a time picker read "오전" and "오후".
#pragma once

class QDateTimeEdit;

void UseKoreanLocale(QDateTimeEdit* picker);
void UseShortDateFormat(QDateTimeEdit* picker);

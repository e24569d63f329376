// The editors' simple recurrence choice: which of "없음", "매일", "매주",
// "매월", "매년" a stored pattern is, or "<되풀이 편집>" for any other, and
// the pattern each simple choice writes on Save.
#pragma once

class PoomItem;

enum RecurrenceChoice : int {
    kRecurrenceNone = 0,
    kRecurrenceDaily = 1,
    kRecurrenceWeekly = 2,
    kRecurrenceMonthly = 3,
    kRecurrenceYearly = 4,
    kRecurrenceCustom = 5,  // edited in the wizard, already written to the item
};

// `start`: the item's start (OLE date), the anchor of the simple choices.
// A simple choice only when the pattern starts on that day and never ends.
int DeriveRecurrenceChoice(PoomItem& item, double start);

// Clears the pattern (none), writes a simple one, or leaves the wizard's.
void WriteRecurrenceChoice(PoomItem& item, int choice, double start);

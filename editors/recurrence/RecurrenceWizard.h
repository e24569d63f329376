// The recurrence dialog as the appointment and task editors open it.
#pragma once

class PoomItem;
class QWidget;
struct Settings;

// Shows the recurrence choice for the item, starting at `choice` (0-5).
// Returns 1 with the choice taken (5: the detailed pattern is already written
// to the item's pattern, not saved) or 2 with nothing changed.
int RunRecurrenceDlg(QWidget* owner, const Settings& settings, PoomItem& item, int& choice);

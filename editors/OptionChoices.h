// The fixed (text, value) tables behind the options' drop-down lists, and the
// list helpers every option list uses: each entry carries its value as item
// data, the entry whose value equals the setting is selected, and a list with
// no selection reads back as -1.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class QComboBox;

struct OptionChoice {
    QString text;
    int32_t value;
};

// "TodayEventPeriod", in days: 3 to 6 days, then 1 to 3 weeks.
std::vector<OptionChoice> TodayEventPeriodChoices();
// "TodayEventItemCount": the nearest day only (0), 1 to 7 entries, all (9999).
std::vector<OptionChoice> TodayEventCountChoices();
// "TodayTaskItemCount": 1 to 10 tasks, all (9999).
std::vector<OptionChoice> TodayTaskCountChoices();
// "AgeCount": Korean age (0), full years (1).
std::vector<OptionChoice> AgeCountChoices();

inline constexpr int32_t kNoChoice = -1;

void FillChoices(QComboBox& list, const std::vector<OptionChoice>& choices);
// Selects the entry carrying `value`; none when no entry does.
void SelectChoice(QComboBox& list, int32_t value);
// The selected entry's value, kNoChoice without a selection.
int32_t SelectedChoice(const QComboBox& list);

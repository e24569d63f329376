#include "editors/OptionChoices.h"

#include <QComboBox>

#include "resources/Strings.h"

namespace {

OptionChoice Counted(int textId, int32_t count, int32_t value)
{
    return {FormatString(textId, {QString::number(count)}), value};
}

}  // namespace

std::vector<OptionChoice> TodayEventPeriodChoices()
{
    std::vector<OptionChoice> choices;
    for (int32_t days = 3; days <= 6; ++days)
        choices.push_back(Counted(IDS_TODAY_PERIOD_DAYS, days, days));
    for (int32_t weeks = 1; weeks <= 3; ++weeks)
        choices.push_back(Counted(IDS_TODAY_PERIOD_WEEKS, weeks, weeks * 7));
    return choices;
}

std::vector<OptionChoice> TodayEventCountChoices()
{
    std::vector<OptionChoice> choices{{LoadString(IDS_TODAY_EVENTS_NEAREST_DAY), 0}};
    for (int32_t count = 1; count <= 7; ++count)
        choices.push_back(Counted(IDS_TODAY_EVENTS_COUNT, count, count));
    choices.push_back({LoadString(IDS_TODAY_EVENTS_ALL), 9999});
    return choices;
}

std::vector<OptionChoice> TodayTaskCountChoices()
{
    std::vector<OptionChoice> choices;
    for (int32_t count = 1; count <= 10; ++count)
        choices.push_back(Counted(IDS_TODAY_TASKS_COUNT, count, count));
    choices.push_back({LoadString(IDS_TODAY_TASKS_ALL), 9999});
    return choices;
}

std::vector<OptionChoice> AgeCountChoices()
{
    return {{LoadString(IDS_OPTION_AGE_KOREAN), 0}, {LoadString(IDS_OPTION_AGE_FULL_YEARS), 1}};
}

void FillChoices(QComboBox& list, const std::vector<OptionChoice>& choices)
{
    for (const OptionChoice& choice : choices)
        list.addItem(choice.text, choice.value);
}

void SelectChoice(QComboBox& list, int32_t value)
{
    list.setCurrentIndex(list.findData(value));
}

int32_t SelectedChoice(const QComboBox& list)
{
    const int index = list.currentIndex();
    return index < 0 ? kNoChoice : list.itemData(index).toInt();
}

#include "editors/OptionPages.h"

#include <QFontDatabase>

#include "resources/Strings.h"

namespace {

// Check boxes one under another, in dialog units.
constexpr int kLeft = 6;
constexpr int kWidth = 138;
constexpr int kRow = 13;
constexpr int kCheckHeight = 11;
constexpr int kListHeight = 13;

QStringList FontSizeTexts()
{
    QStringList sizes;
    for (int size = 10; size <= 24; ++size)
        sizes << QString::number(size);
    return sizes;
}

}  // namespace

COptionCommonPage::COptionCommonPage(const Settings& settings)
    : COptionPage(settings, IDS_OPTION_PAGE_COMMON, "COptionCommonPage")
{
}

void COptionCommonPage::CreateControls()
{
    int y = 5;
    auto check = [&](int id, int textId, int32_t Settings::*member) {
        AddCheck(id, textId, kLeft, y, kWidth, kCheckHeight, member);
        y += kRow;
    };
    check(IDC_OPT_24HOUR, IDS_OPTION_24HOUR, &Settings::m_24hour);
    check(IDC_OPT_MULTILINE, IDS_OPTION_MULTILINE, &Settings::m_Multiline);
    check(IDC_OPT_SUNDAY_AS_START, IDS_OPTION_SUNDAY_AS_START, &Settings::m_SundayAsStart);
    check(IDC_OPT_SHOW_CALENDAR, IDS_OPTION_SHOW_CALENDAR, &Settings::m_ShowCalendar);
    check(IDC_OPT_NOTES_PEN_DEFAULT, IDS_OPTION_NOTES_PEN_DEFAULT, &Settings::m_NotesPenDefault);
    check(IDC_OPT_USE_SOFT_KEY, IDS_OPTION_USE_SOFT_KEY, &Settings::m_UseSoftKey);
    check(IDC_OPT_SHOW_HOLIDAYS, IDS_OPTION_SHOW_HOLIDAYS, &Settings::m_ShowHolidays);
    AddLabel(IDS_OPTION_AGE_COUNT, kLeft, y + 2, 50, kCheckHeight);
    AddChoiceList(IDC_OPT_AGE_COUNT, kLeft + 52, y, kWidth - 52, kListHeight, AgeCountChoices(),
                  &Settings::m_AgeCount);
}

COptionApptPage::COptionApptPage(const Settings& settings)
    : COptionPage(settings, IDS_OPTION_PAGE_APPOINTMENTS, "COptionApptPage")
{
}

void COptionApptPage::CreateControls()
{
    AddCheck(IDC_OPT_BOLD_ALL_DAY, IDS_OPTION_BOLD_ALL_DAY, kLeft, 5, kWidth, kCheckHeight,
             &Settings::m_BoldAllDayEvent);
    AddLabel(IDS_OPTION_TODAY_DISPLAY, kLeft, 24, kWidth, kCheckHeight);
    AddChoiceList(IDC_OPT_TODAY_EVENT_PERIOD, kLeft, 36, kWidth, kListHeight, TodayEventPeriodChoices(),
                  &Settings::m_TodayEventPeriod);
    AddChoiceList(IDC_OPT_TODAY_EVENT_COUNT, kLeft, 52, kWidth, kListHeight, TodayEventCountChoices(),
                  &Settings::m_TodayEventItemCount);
}

COptionTaskPage::COptionTaskPage(const Settings& settings)
    : COptionPage(settings, IDS_OPTION_PAGE_TASKS, "COptionTaskPage")
{
}

void COptionTaskPage::CreateControls()
{
    int y = 5;
    auto check = [&](int id, int textId, int32_t Settings::*member) {
        AddCheck(id, textId, kLeft, y, kWidth, kCheckHeight, member);
        y += kRow;
    };
    check(IDC_OPT_BOLD_IMPORTANT, IDS_OPTION_BOLD_IMPORTANT, &Settings::m_BoldImportantTask);
    check(IDC_OPT_SHOW_TASK_START, IDS_OPTION_SHOW_TASK_START, &Settings::m_ShowTaskStart);
    check(IDC_OPT_SHOW_COMPLETE, IDS_OPTION_SHOW_COMPLETE, &Settings::m_ShowCompleteTask);
    check(IDC_OPT_HIDE_UNDATED, IDS_OPTION_HIDE_UNDATED, &Settings::m_HideUndatedTask);
    AddLabel(IDS_OPTION_TODAY_DISPLAY, kLeft, y + 6, kWidth, kCheckHeight);
    AddChoiceList(IDC_OPT_TODAY_TASK_COUNT, kLeft, y + 18, kWidth, kListHeight, TodayTaskCountChoices(),
                  &Settings::m_TodayTaskItemCount);
    AddCheck(IDC_OPT_TODAY_HIDE_UNDATED, IDS_OPTION_HIDE_UNDATED, kLeft, y + 35, kWidth, kCheckHeight,
             &Settings::m_TodayHideUndatedTask);
}

COptionFontPage::COptionFontPage(const Settings& settings)
    : COptionPage(settings, IDS_OPTION_PAGE_FONTS, "COptionFontPage")
{
}

void COptionFontPage::CreateControls()
{
    const QStringList families = QFontDatabase::families();
    const QStringList sizes = FontSizeTexts();
    constexpr int kNameWidth = 98;
    constexpr int kSizeX = kLeft + kNameWidth + 4;
    constexpr int kSizeWidth = kWidth - kNameWidth - 4;
    AddLabel(IDS_OPTION_ANNV_FONT, kLeft, 5, kWidth, kCheckHeight);
    AddTextList(IDC_OPT_ANNV_FONT_NAME, kLeft, 17, kNameWidth, kListHeight, families, &Settings::m_AnnvFontName);
    AddNumberList(IDC_OPT_ANNV_FONT_SIZE, kSizeX, 17, kSizeWidth, kListHeight, sizes, &Settings::m_AnnvFontSize);
    AddLabel(IDS_OPTION_WEEK_FONT, kLeft, 37, kWidth, kCheckHeight);
    AddTextList(IDC_OPT_WEEK_FONT_NAME, kLeft, 49, kNameWidth, kListHeight, families, &Settings::m_WeekFontName);
    AddNumberList(IDC_OPT_WEEK_FONT_SIZE, kSizeX, 49, kSizeWidth, kListHeight, sizes, &Settings::m_WeekFontSize);
    AddCheck(IDC_OPT_CLEAR_TYPE, IDS_OPTION_CLEAR_TYPE, kLeft, 69, kWidth, kCheckHeight, &Settings::m_ClearType);
}

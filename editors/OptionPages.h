// The four pages of the options sheet: which control edits which setting.
#pragma once

#include "editors/OptionPage.h"

inline constexpr int IDC_OPT_24HOUR = 1132;
inline constexpr int IDC_OPT_MULTILINE = 1133;
inline constexpr int IDC_OPT_BOLD_ALL_DAY = 1134;
inline constexpr int IDC_OPT_CLEAR_TYPE = 1135;
inline constexpr int IDC_OPT_BOLD_IMPORTANT = 1136;
inline constexpr int IDC_OPT_SHOW_TASK_START = 1137;
inline constexpr int IDC_OPT_SHOW_COMPLETE = 1138;
inline constexpr int IDC_OPT_NOTES_PEN_DEFAULT = 1139;
inline constexpr int IDC_OPT_HIDE_UNDATED = 1140;
inline constexpr int IDC_OPT_USE_SOFT_KEY = 1142;
inline constexpr int IDC_OPT_SHOW_CALENDAR = 1143;
inline constexpr int IDC_OPT_SUNDAY_AS_START = 1144;
inline constexpr int IDC_OPT_ANNV_FONT_NAME = 1192;
inline constexpr int IDC_OPT_ANNV_FONT_SIZE = 1193;
inline constexpr int IDC_OPT_WEEK_FONT_NAME = 1194;
inline constexpr int IDC_OPT_WEEK_FONT_SIZE = 1195;
inline constexpr int IDC_OPT_TODAY_HIDE_UNDATED = 1230;
inline constexpr int IDC_OPT_TODAY_EVENT_PERIOD = 1231;
inline constexpr int IDC_OPT_TODAY_EVENT_COUNT = 1232;
inline constexpr int IDC_OPT_TODAY_TASK_COUNT = 1233;
inline constexpr int IDC_OPT_SHOW_HOLIDAYS = 1701;
inline constexpr int IDC_OPT_AGE_COUNT = 1702;

class COptionCommonPage : public COptionPage {
    Q_OBJECT
public:
    explicit COptionCommonPage(const Settings& settings);

protected:
    void CreateControls() override;
};

class COptionApptPage : public COptionPage {
    Q_OBJECT
public:
    explicit COptionApptPage(const Settings& settings);

protected:
    void CreateControls() override;
};

class COptionTaskPage : public COptionPage {
    Q_OBJECT
public:
    explicit COptionTaskPage(const Settings& settings);

protected:
    void CreateControls() override;
};

// Font families from the system's font database; sizes 10 to 24.
class COptionFontPage : public COptionPage {
    Q_OBJECT
public:
    explicit COptionFontPage(const Settings& settings);

protected:
    void CreateControls() override;
};

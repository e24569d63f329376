// The string table itself, without a window system: every text shown to the
// user, by id, as UTF-8. The Today items and the command-line tool read it
// here; the application through resources/Strings.h.
#pragma once

#include <string>
#include <vector>

enum StringId : int {
    // The Today items' own resources: window classes 1 and 101 and their texts.
    IDS_TODAY_CALENDAR_CLASS = 1,
    IDS_TODAY_MORNING = 2,               // before noon, in front of a time
    IDS_TODAY_AFTERNOON = 3,
    IDS_TODAY_RUNNING_PREFIX = 4,        // an entry going on since an earlier day
    IDS_TODAY_TOMORROW_PREFIX = 5,       // %s: weekday
    IDS_TODAY_DAYS_AHEAD_PREFIX = 6,     // %d: days, %s: weekday
    IDS_TODAY_NO_APPOINTMENTS = 7,
    IDS_TODAY_SUNDAY = 10,               // ... to IDS_TODAY_SUNDAY + 6, Saturday
    IDS_TODAY_TASK_CLASS = 101,
    IDS_TODAY_DAYS_LATE_PREFIX = 102,    // %d: days
    IDS_TODAY_HIGH_IMPORTANCE = 103,
    IDS_TODAY_LOW_IMPORTANCE = 104,
    IDS_TODAY_NO_TASKS = 105,
    // The Today screen (dayvane-today).
    IDS_TODAY_ITEM_REFUSED = 110,        // %s: the item, %s: why
    IDS_TODAY_PATH_NOT_ABSOLUTE = 111,
    IDS_TODAY_PATH_MISSING = 112,
    IDS_TODAY_PATH_WRITABLE = 113,
    IDS_TODAY_NOT_A_PLUGIN = 114,        // %s: the loader's message
    IDS_TODAY_EXPORT_MISSING = 115,      // %s: the export
    IDS_TODAY_ITEM_NOT_CREATED = 116,
    IDS_PRODUCT_NAME = 128,              // caption of every message box
    IDS_POOM_INIT_FAILED = 130,
    IDS_APPT_TITLE_MISSING = 139,
    IDS_DELETE_ITEM = 140,               // %s: the item's title
    IDS_DELETE_RECURRING = 141,          // %s: the item's title
    IDS_EDIT_RECURRING = 143,
    IDS_TASK_TITLE_MISSING = 151,
    IDS_ABOUT_TITLE = 159,
    IDS_OPTIONS_TITLE = 160,
    IDS_CLEAR_NOTES = 163,
    IDS_RECURRENCE_TITLE = 164,
    IDS_RECURRENCE_PATTERN_TITLE = 165,
    IDS_RECURRENCE_DAILY_TITLE = 166,
    IDS_RECURRENCE_WEEKLY_TITLE = 167,
    IDS_RECURRENCE_MONTHLY_TITLE = 168,
    IDS_RECURRENCE_YEARLY_TITLE = 169,
    IDS_RECURRENCE_RANGE_TITLE = 170,
    IDS_REMINDER_APPT_TITLE = 171,
    IDS_REMINDER_TASK_TITLE = 172,
    IDS_TIME_RANGE_TITLE = 173,
    IDS_END_NOT_AFTER_START = 174,
    IDS_RECURRING_NO_COPY = 175,
    IDS_WEATHER_NEEDS_INTERNET = 178,
    IDS_KEY_MENU = 302,
    IDS_KEY_OK = 303,
    IDS_KEY_SAVE = 305,
    IDS_KEY_CANCEL = 306,
    IDS_KEY_PREVIOUS = 308,
    IDS_KEY_NEXT = 309,
    IDS_KEY_FINISH = 310,
    // Start-up and validation messages that have no number of their own.
    IDS_ANNIVERSARY_FILE_FAILED = 401,
    IDS_PIM_DATABASE_FAILED = 402,
    IDS_INVALID_DATE = 403,
    IDS_LUNAR_DATE_INVALID = 404,
    IDS_ANNIVERSARY_DATE_INVALID = 405,
    IDS_ANNIVERSARY_SAVE_FAILED = 406,   // %s: why
    IDS_HOLIDAY_NOT_EDITABLE = 407,      // a computed substitute holiday was selected
    // The program's command line.
    IDS_APP_USAGE = 410,
    IDS_APP_UNKNOWN_OPTION = 411,     // %s: the option
    IDS_APP_OPTION_NEEDS_VALUE = 412, // %s: the option
    IDS_APP_BAD_OPTION_VALUE = 413,   // %s: the option, %s: the value
    IDS_APP_NO_DISPLAY = 414,
    // Dialog titles and the texts of their controls.
    IDS_COLOR_PICKER_TITLE = 420,
    IDS_ANNIVERSARY_TITLE = 421,
    IDS_DATE_PICKER_TITLE = 422,
    IDS_LABEL_TITLE = 430,
    IDS_LABEL_ANNIVERSARY_DATE = 431,
    IDS_CHECK_DAY_BEFORE = 432,
    IDS_CHECK_DAY_AFTER = 433,
    IDS_CHECK_NO_YEAR_DATE = 434,
    IDS_CHECK_BIRTHDAY = 435,
    IDS_CHECK_LUNAR = 436,
    IDS_CHECK_LEAP_MONTH = 437,
    IDS_CHECK_NO_YEAR_MONTH = 438,
    IDS_ORDINAL_FIRST = 440,             // then second, third, fourth, last
    IDS_WEEKDAY_SUNDAY = 450,            // then Monday .. Saturday
    IDS_LABEL_START_TIME = 460,
    IDS_LABEL_END_TIME = 461,
    // The anniversary list's date and days columns, and commands not built yet.
    IDS_LUNAR_DATE_PREFIX = 470,
    IDS_DAYS_LEFT_TODAY = 471,
    IDS_DAYS_LEFT_TOMORROW = 472,
    IDS_COMMAND_UNAVAILABLE = 473,
    IDS_WEATHER_CREDIT = 480,            // the forecast service's attribution
    // The appointment and task editors.
    IDS_APPT_CAPTION = 500,
    IDS_TASK_CAPTION = 501,
    IDS_LABEL_PLACE = 502,
    IDS_CHECK_ALL_DAY = 503,
    IDS_LABEL_START_DATE = 504,
    IDS_LABEL_END_DATE = 505,
    IDS_LABEL_TASK_TITLE = 506,
    IDS_LABEL_IMPORTANCE = 507,
    IDS_IMPORTANCE_HIGH = 508,
    IDS_IMPORTANCE_NORMAL = 509,
    IDS_IMPORTANCE_LOW = 510,
    IDS_CHECK_TASK_COMPLETE = 511,
    IDS_CHECK_TASK_START = 512,
    IDS_CHECK_TASK_DUE = 513,
    IDS_KEY_NOTES = 514,
    IDS_ITEM_SAVE_FAILED = 515,   // %s: why
    // The notes dialog.
    IDS_NOTES_CAPTION = 520,
    IDS_KEY_PEN_MODE = 521,
    // The recurrence wizard and the reminder dialogs.
    IDS_ENTER_INTEGER_BETWEEN = 600,     // %s: the least, %s: the greatest
    IDS_RECUR_CHOICE_NONE = 601,         // then "매일", "매주", "매월", "매년", "<되풀이 편집>"
    IDS_RECUR_CHOICE_DAILY = 602,
    IDS_RECUR_EVERY = 610,
    IDS_RECUR_EVERY_N_DAYS = 611,
    IDS_RECUR_EVERY_N_WEEKS = 612,
    IDS_RECUR_BY_DATE = 613,
    IDS_RECUR_EVERY_N_MONTHS = 614,
    IDS_RECUR_ON_DAY = 615,
    IDS_RECUR_BY_WEEKDAY = 616,
    IDS_RECUR_ON = 617,
    IDS_RECUR_EVERY_DAY_OF_YEAR = 618,
    IDS_RECUR_MONTH_JANUARY = 620,       // then February .. December
    IDS_RECUR_WEEK_FIRST = 635,          // then second, third, fourth, last week
    IDS_RECUR_RANGE_START = 640,
    IDS_RECUR_RANGE_NO_END = 641,
    IDS_RECUR_RANGE_COUNT = 642,
    IDS_RECUR_RANGE_TIMES = 643,
    IDS_RECUR_RANGE_END_BY = 644,
    IDS_REMINDER_BEFORE = 650,
    IDS_REMINDER_UNIT_MINUTES = 651,     // then hours, days, weeks
    IDS_REMINDER_AT = 655,
    // The options sheet and the weather-server dialog.
    IDS_OPTION_PAGE_COMMON = 700,
    IDS_OPTION_PAGE_APPOINTMENTS = 701,
    IDS_OPTION_PAGE_TASKS = 702,
    IDS_OPTION_PAGE_FONTS = 703,
    IDS_OPTION_WEATHER_TITLE = 704,
    IDS_OPTION_24HOUR = 710,
    IDS_OPTION_MULTILINE = 711,
    IDS_OPTION_SUNDAY_AS_START = 712,
    IDS_OPTION_SHOW_CALENDAR = 713,
    IDS_OPTION_NOTES_PEN_DEFAULT = 714,
    IDS_OPTION_USE_SOFT_KEY = 715,
    IDS_OPTION_SHOW_HOLIDAYS = 716,
    IDS_OPTION_AGE_COUNT = 717,
    IDS_OPTION_AGE_KOREAN = 718,
    IDS_OPTION_AGE_FULL_YEARS = 719,
    IDS_OPTION_BOLD_ALL_DAY = 720,
    IDS_OPTION_TODAY_DISPLAY = 721,
    IDS_OPTION_BOLD_IMPORTANT = 722,
    IDS_OPTION_SHOW_TASK_START = 723,
    IDS_OPTION_SHOW_COMPLETE = 724,
    IDS_OPTION_HIDE_UNDATED = 725,
    IDS_OPTION_ANNV_FONT = 726,
    IDS_OPTION_WEEK_FONT = 727,
    IDS_OPTION_CLEAR_TYPE = 728,
    IDS_OPTION_WEATHER_SERVER = 729,
    IDS_OPTION_WEATHER_LOCATION = 730,
    IDS_TODAY_PERIOD_DAYS = 740,         // %s: days
    IDS_TODAY_PERIOD_WEEKS = 741,        // %s: weeks
    IDS_TODAY_EVENTS_NEAREST_DAY = 742,
    IDS_TODAY_EVENTS_COUNT = 743,        // %s: entries
    IDS_TODAY_EVENTS_ALL = 744,
    IDS_TODAY_TASKS_COUNT = 745,         // %s: tasks
    IDS_TODAY_TASKS_ALL = 746,
    // iCalendar import and export: notes naming a line or an item.
    IDS_ICAL_NOT_A_PROPERTY = 760,
    IDS_ICAL_OUTSIDE_CALENDAR = 761,
    IDS_ICAL_MISSING_END = 762,          // after "END:VEVENT"
    IDS_ICAL_END_WITHOUT_BEGIN = 763,    // after "END:VEVENT"
    IDS_ICAL_CALENDAR_UNCLOSED = 764,
    IDS_ICAL_NOT_IMPORTED = 765,         // before why
    IDS_ICAL_UNREADABLE_PROPERTY = 766,  // after the property's name
    IDS_ICAL_NOT_IMPORTED_COUNT = 767,   // %d: items
    IDS_ICAL_UPDATED_COUNT = 768,        // %d: items
    IDS_ICAL_ONE_UID_ONLY = 769,
    IDS_ICAL_NO_ITEM = 770,
    IDS_ICAL_ITEM_MISSING = 771,
    IDS_ICAL_UID_TAKEN = 772,
    IDS_RECURRENCE_RULE_KEPT = 790,      // the series' rules came from a file and no pattern holds them
    // CalDAV sync.
    IDS_SYNC_COMMAND = 800,
    IDS_SYNC_NOT_CONFIGURED = 801,
    IDS_SYNC_WRONG_CREDENTIALS = 802,    // %s: the URL
    IDS_SYNC_REPLY_TOO_LARGE = 803,      // %s: the cap in bytes
    IDS_SYNC_NO_ANSWER = 804,            // %s: the URL, %s: why
    IDS_SYNC_SERVER_STATUS = 805,        // %s: the status, %s: the URL
    IDS_SYNC_BAD_REPLY = 806,            // %s: why
    IDS_SYNC_PASSWORD_COMMAND = 807,     // %s: why
    IDS_SYNC_SUMMARY = 808,              // %s pulled, pushed, deleted, conflicts
    IDS_SYNC_UNREADABLE = 809,           // %s: the resources
    IDS_SYNC_CONFLICT_SUFFIX = 810,
    IDS_SYNC_TITLE_PROGRESS = 811,       // %s: the product name, %s: "done/total"
    IDS_SYNC_FAILED = 812,               // %s: why
    IDS_SYNC_NOT_A_CALENDAR = 813,       // %s: the URL
    IDS_SYNC_ITEM_NOT_STORED = 814,      // %s: the resource, %s: why
    IDS_SYNC_PUBLISHED = 815,            // %s: written, %s: deleted, %s: unchanged
    IDS_SYNC_RUNNING = 816,
};

// The text of the id with each "%s" replaced by the next argument, taken
// literally; missing arguments leave their "%s", extra ones are ignored.
std::string FormatText(int id, const std::vector<std::string>& arguments);

// The text of the id, or an empty string when the table has no such id.
const char* StringText(int id);

// Every id of the table, ascending.
std::vector<int> StringIds();

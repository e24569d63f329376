// The application's string table: every text shown to the user, by id.
#pragma once

#include <QString>

#include <initializer_list>
#include <vector>

enum StringId : int {
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
    IDS_WEATHER_CREDIT = 404,            // the forecast service's attribution
    // The anniversary list's date and days columns, and commands not built yet.
    IDS_LUNAR_DATE_PREFIX = 420,
    IDS_DAYS_LEFT_TODAY = 421,
    IDS_DAYS_LEFT_TOMORROW = 422,
    IDS_COMMAND_UNAVAILABLE = 423,
};

// The text of the id, or an empty string when the table has no such id.
QString LoadString(int id);

// The text of the id with each "%s" replaced by the next argument, taken
// literally: a "%" inside an argument is never read as a placeholder.
// Missing arguments leave their "%s" in place; extra ones are ignored.
QString FormatString(int id, std::initializer_list<QString> arguments);

// Every id of the table, ascending.
std::vector<int> StringIds();

#include "resources/StringTable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct StringEntry {
    int id;
    const char* text;  // UTF-8
};

// Sorted by id.
constexpr std::array kStrings{
    StringEntry{IDS_TODAY_CALENDAR_CLASS, "Vanetoday Calendar"},
    StringEntry{IDS_TODAY_MORNING, "오전"},
    StringEntry{IDS_TODAY_AFTERNOON, "오후"},
    StringEntry{IDS_TODAY_RUNNING_PREFIX, "<< "},
    StringEntry{IDS_TODAY_TOMORROW_PREFIX, "내일(%s):"},
    StringEntry{IDS_TODAY_DAYS_AHEAD_PREFIX, "%d일후(%s):"},
    StringEntry{IDS_TODAY_NO_APPOINTMENTS, "표시할 일정이 없습니다"},
    StringEntry{IDS_TODAY_SUNDAY, "일"},
    StringEntry{IDS_TODAY_SUNDAY + 1, "월"},
    StringEntry{IDS_TODAY_SUNDAY + 2, "화"},
    StringEntry{IDS_TODAY_SUNDAY + 3, "수"},
    StringEntry{IDS_TODAY_SUNDAY + 4, "목"},
    StringEntry{IDS_TODAY_SUNDAY + 5, "금"},
    StringEntry{IDS_TODAY_SUNDAY + 6, "토"},
    StringEntry{IDS_TODAY_TASK_CLASS, "Vanetoday Task"},
    StringEntry{IDS_TODAY_DAYS_LATE_PREFIX, "%d일지연:"},
    StringEntry{IDS_TODAY_HIGH_IMPORTANCE, "↑"},
    StringEntry{IDS_TODAY_LOW_IMPORTANCE, "↓"},
    StringEntry{IDS_TODAY_NO_TASKS, "표시할 작업이 없습니다"},
    StringEntry{IDS_TODAY_ITEM_REFUSED, "%s 항목을 불러오지 않았습니다: %s"},
    StringEntry{IDS_TODAY_PATH_NOT_ABSOLUTE, "절대 경로가 아닙니다"},
    StringEntry{IDS_TODAY_PATH_MISSING, "파일이 없습니다"},
    StringEntry{IDS_TODAY_PATH_WRITABLE, "다른 사용자가 바꿀 수 있는 파일입니다"},
    StringEntry{IDS_TODAY_NOT_A_PLUGIN, "오늘 화면 항목이 아닙니다 (%s)"},
    StringEntry{IDS_TODAY_EXPORT_MISSING, "%s 함수가 없습니다"},
    StringEntry{IDS_TODAY_ITEM_NOT_CREATED, "항목 창을 만들지 못했습니다"},
    StringEntry{IDS_PRODUCT_NAME, "Dayvane"},
    StringEntry{IDS_POOM_INIT_FAILED, "Can't initialize POOM (Pocket Outlook Object Model)"},
    StringEntry{IDS_APPT_TITLE_MISSING, "일정의 제목을 입력해 주세요."},
    StringEntry{IDS_DELETE_ITEM,
                "선택한 항목이 영구적으로 삭제됩니다. 다음 항목을 삭제하시겠습니까?\n\n\"%s\""},
    StringEntry{IDS_DELETE_RECURRING,
                "모든 되풀이 항목을 삭제합니다. 다음 항목을 삭제하시겠습니까?\n\n\"%s\""},
    StringEntry{IDS_EDIT_RECURRING, "전체 되풀이 항목을 편집하시겠습니까?"},
    StringEntry{IDS_TASK_TITLE_MISSING, "작업의 제목을 입력해 주세요."},
    StringEntry{IDS_ABOUT_TITLE, "제품정보"},
    StringEntry{IDS_OPTIONS_TITLE, "옵션설정"},
    StringEntry{IDS_CLEAR_NOTES, "노트의 모든 내용이 삭제됩니다. 삭제하시겠습니까?"},
    StringEntry{IDS_RECURRENCE_TITLE, "되풀이 설정"},
    StringEntry{IDS_RECURRENCE_PATTERN_TITLE, "되풀이 방법 설정"},
    StringEntry{IDS_RECURRENCE_DAILY_TITLE, "매일반복 설정"},
    StringEntry{IDS_RECURRENCE_WEEKLY_TITLE, "매주반복 설정"},
    StringEntry{IDS_RECURRENCE_MONTHLY_TITLE, "매달반복 설정"},
    StringEntry{IDS_RECURRENCE_YEARLY_TITLE, "매년반복 설정"},
    StringEntry{IDS_RECURRENCE_RANGE_TITLE, "되풀이 범위 설정"},
    StringEntry{IDS_REMINDER_APPT_TITLE, "미리알림 설정"},
    StringEntry{IDS_REMINDER_TASK_TITLE, "미리알림 설정"},
    StringEntry{IDS_TIME_RANGE_TITLE, "시간설정"},
    StringEntry{IDS_END_NOT_AFTER_START,
                "종료시간이 시작시간보다 빠르거나 같습니다. 일정을 이틀에 걸쳐서 입력하시겠습니까?"},
    StringEntry{IDS_RECURRING_NO_COPY,
                "죄송합니다. 반복일정의 복사 및 이동 기능은 지원하지 않습니다."},
    StringEntry{IDS_WEATHER_NEEDS_INTERNET,
                "날씨정보 갱신은 인터넷 접속이 필요합니다. 계속 하시겠습니까?"},
    StringEntry{IDS_KEY_MENU, "메뉴"},
    StringEntry{IDS_KEY_OK, "확인"},
    StringEntry{IDS_KEY_SAVE, "저장"},
    StringEntry{IDS_KEY_CANCEL, "취소"},
    StringEntry{IDS_KEY_PREVIOUS, "이전"},
    StringEntry{IDS_KEY_NEXT, "다음"},
    StringEntry{IDS_KEY_FINISH, "완료"},
    StringEntry{IDS_ANNIVERSARY_FILE_FAILED, "Can not open resource file 'anniversary.dat'."},
    StringEntry{IDS_PIM_DATABASE_FAILED, "Can not open 'PIMs Database'."},
    StringEntry{IDS_INVALID_DATE, "Invalid Date"},
    StringEntry{IDS_LUNAR_DATE_INVALID, "잘못된 음력 날짜를 입력하였습니다."},
    StringEntry{IDS_ANNIVERSARY_DATE_INVALID, "잘못된 날짜를 입력하였습니다."},
    StringEntry{IDS_ANNIVERSARY_SAVE_FAILED, "기념일을 저장하지 못했습니다.\n\n%s"},
    StringEntry{IDS_HOLIDAY_NOT_EDITABLE, "대체공휴일은 계산된 공휴일이라 바꿀 수 없습니다."},
    StringEntry{IDS_APP_USAGE,
                "사용법: Dayvane [--device DIR] [--dpi N] [--size WxH]\n"
                "               [--screenshot FILE.png [--view week] [--dialog NAME] [--date YYYY-MM-DD]]\n"
                "  --device DIR      기기 폴더 (기본값 $DAYVANE_HOME 또는 $XDG_DATA_HOME/dayvane)\n"
                "  --dpi N           화면 해상도(dpi), 48에서 960까지 (기본값 192)\n"
                "  --size WxH        화면 크기(픽셀) (기본값 480x640, 가로가 더 길면 가로 화면)\n"
                "  --screenshot F    창을 화면 밖에서 그려 PNG 파일 F로 저장하고 끝냄\n"
                "  --view NAME       처음 보기: week, month-lunar, month-weather, anniversaries\n"
                "  --dialog NAME     프레임 위 대화상자의 그림: anniversary-date, anniversary-day,\n"
                "                    calendar, color, time-range, appointment, task\n"
                "  --date DATE       오늘 대신 처음 보여줄 날짜\n"
                "  --help, -h        이 도움말\n"},
    StringEntry{IDS_APP_UNKNOWN_OPTION, "알 수 없는 옵션입니다: %s"},
    StringEntry{IDS_APP_OPTION_NEEDS_VALUE, "옵션에 값이 없습니다: %s"},
    StringEntry{IDS_APP_BAD_OPTION_VALUE, "%s의 값이 잘못되었습니다: %s"},
    StringEntry{IDS_APP_NO_DISPLAY,
                "화면이 없습니다 (DISPLAY와 WAYLAND_DISPLAY가 비어 있음). "
                "--screenshot FILE로 창을 그림 파일로 저장할 수 있습니다.\n"},
    StringEntry{IDS_COLOR_PICKER_TITLE, "색상선택"},
    StringEntry{IDS_ANNIVERSARY_TITLE, "기념일"},
    StringEntry{IDS_DATE_PICKER_TITLE, "날짜선택"},
    StringEntry{IDS_LABEL_TITLE, "일정제목:"},
    StringEntry{IDS_LABEL_ANNIVERSARY_DATE, "기념일자:"},
    StringEntry{IDS_CHECK_DAY_BEFORE, "-"},
    StringEntry{IDS_CHECK_DAY_AFTER, "+"},
    StringEntry{IDS_CHECK_NO_YEAR_DATE, "월/일로 입력 (년도생략)"},
    StringEntry{IDS_CHECK_BIRTHDAY, "생일 (한국 나이로 표시)"},
    StringEntry{IDS_CHECK_LUNAR, "음력일정"},
    StringEntry{IDS_CHECK_LEAP_MONTH, "윤달"},
    StringEntry{IDS_CHECK_NO_YEAR_MONTH, "월로 입력 (년도생략)"},
    StringEntry{IDS_ORDINAL_FIRST, "첫째"},
    StringEntry{IDS_ORDINAL_FIRST + 1, "둘째"},
    StringEntry{IDS_ORDINAL_FIRST + 2, "셋째"},
    StringEntry{IDS_ORDINAL_FIRST + 3, "넷째"},
    StringEntry{IDS_ORDINAL_FIRST + 4, "마지막"},
    StringEntry{IDS_WEEKDAY_SUNDAY, "일요일"},
    StringEntry{IDS_WEEKDAY_SUNDAY + 1, "월요일"},
    StringEntry{IDS_WEEKDAY_SUNDAY + 2, "화요일"},
    StringEntry{IDS_WEEKDAY_SUNDAY + 3, "수요일"},
    StringEntry{IDS_WEEKDAY_SUNDAY + 4, "목요일"},
    StringEntry{IDS_WEEKDAY_SUNDAY + 5, "금요일"},
    StringEntry{IDS_WEEKDAY_SUNDAY + 6, "토요일"},
    StringEntry{IDS_LABEL_START_TIME, "시작시간:"},
    StringEntry{IDS_LABEL_END_TIME, "종료시간:"},
    StringEntry{IDS_LUNAR_DATE_PREFIX, "음 "},
    StringEntry{IDS_DAYS_LEFT_TODAY, "오늘"},
    StringEntry{IDS_DAYS_LEFT_TOMORROW, "내일"},
    StringEntry{IDS_COMMAND_UNAVAILABLE, "이 기능은 아직 사용할 수 없습니다."},
    StringEntry{IDS_WEATHER_CREDIT, "날씨 정보: Open-Meteo.com (CC BY 4.0)"},
    StringEntry{IDS_APPT_CAPTION, "일정"},
    StringEntry{IDS_TASK_CAPTION, "작업"},
    StringEntry{IDS_LABEL_PLACE, "약속장소:"},
    StringEntry{IDS_CHECK_ALL_DAY, "종일일정"},
    StringEntry{IDS_LABEL_START_DATE, "시작일자:"},
    StringEntry{IDS_LABEL_END_DATE, "종료일자:"},
    StringEntry{IDS_LABEL_TASK_TITLE, "작업제목:"},
    StringEntry{IDS_LABEL_IMPORTANCE, "중요도:"},
    StringEntry{IDS_IMPORTANCE_HIGH, "H"},
    StringEntry{IDS_IMPORTANCE_NORMAL, "M"},
    StringEntry{IDS_IMPORTANCE_LOW, "L"},
    StringEntry{IDS_CHECK_TASK_COMPLETE, "작업완료"},
    StringEntry{IDS_CHECK_TASK_START, "시작:"},
    StringEntry{IDS_CHECK_TASK_DUE, "기한:"},
    StringEntry{IDS_KEY_NOTES, "노트"},
    StringEntry{IDS_ITEM_SAVE_FAILED, "항목을 저장하지 못했습니다.\n\n%s"},
    StringEntry{IDS_NOTES_CAPTION, "노트"},
    StringEntry{IDS_KEY_PEN_MODE, "펜모드"},
    StringEntry{IDS_ENTER_INTEGER_BETWEEN, "Enter an integer between %s and %s."},
    StringEntry{IDS_RECUR_CHOICE_NONE, "없음"},
    StringEntry{IDS_RECUR_CHOICE_NONE + 1, "매일"},
    StringEntry{IDS_RECUR_CHOICE_NONE + 2, "매주"},
    StringEntry{IDS_RECUR_CHOICE_NONE + 3, "매월"},
    StringEntry{IDS_RECUR_CHOICE_NONE + 4, "매년"},
    StringEntry{IDS_RECUR_CHOICE_NONE + 5, "<되풀이 편집>"},
    StringEntry{IDS_RECUR_EVERY, "매"},
    StringEntry{IDS_RECUR_EVERY_N_DAYS, "일 마다 반복"},
    StringEntry{IDS_RECUR_EVERY_N_WEEKS, "주 마다 반복"},
    StringEntry{IDS_RECUR_BY_DATE, "날짜:"},
    StringEntry{IDS_RECUR_EVERY_N_MONTHS, "개월마다"},
    StringEntry{IDS_RECUR_ON_DAY, "일에"},
    StringEntry{IDS_RECUR_BY_WEEKDAY, "요일:"},
    StringEntry{IDS_RECUR_ON, "에"},
    StringEntry{IDS_RECUR_EVERY_DAY_OF_YEAR, "일마다"},
    StringEntry{IDS_RECUR_MONTH_JANUARY, "1월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 1, "2월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 2, "3월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 3, "4월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 4, "5월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 5, "6월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 6, "7월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 7, "8월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 8, "9월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 9, "10월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 10, "11월"},
    StringEntry{IDS_RECUR_MONTH_JANUARY + 11, "12월"},
    StringEntry{IDS_RECUR_WEEK_FIRST, "첫째주"},
    StringEntry{IDS_RECUR_WEEK_FIRST + 1, "둘째주"},
    StringEntry{IDS_RECUR_WEEK_FIRST + 2, "셋째주"},
    StringEntry{IDS_RECUR_WEEK_FIRST + 3, "넷째주"},
    StringEntry{IDS_RECUR_WEEK_FIRST + 4, "마지막주"},
    StringEntry{IDS_RECUR_RANGE_START, "시작일:"},
    StringEntry{IDS_RECUR_RANGE_NO_END, "끝 날짜 지정하지 않음"},
    StringEntry{IDS_RECUR_RANGE_COUNT, "반복:"},
    StringEntry{IDS_RECUR_RANGE_TIMES, "회"},
    StringEntry{IDS_RECUR_RANGE_END_BY, "기한:"},
    StringEntry{IDS_REMINDER_BEFORE, "다음 시간 전에"},
    StringEntry{IDS_REMINDER_UNIT_MINUTES, "minute(s)"},
    StringEntry{IDS_REMINDER_UNIT_MINUTES + 1, "hour(s)"},
    StringEntry{IDS_REMINDER_UNIT_MINUTES + 2, "day(s)"},
    StringEntry{IDS_REMINDER_UNIT_MINUTES + 3, "week(s)"},
    StringEntry{IDS_REMINDER_AT, "다음 시간에"},
    StringEntry{IDS_OPTION_PAGE_COMMON, "일반"},
    StringEntry{IDS_OPTION_PAGE_APPOINTMENTS, "일정"},
    StringEntry{IDS_OPTION_PAGE_TASKS, "작업"},
    StringEntry{IDS_OPTION_PAGE_FONTS, "폰트"},
    StringEntry{IDS_OPTION_WEATHER_TITLE, "날씨"},
    StringEntry{IDS_OPTION_24HOUR, "24시간 형식 표시"},
    StringEntry{IDS_OPTION_MULTILINE, "문단 자동 정렬 (word wrap)"},
    StringEntry{IDS_OPTION_SUNDAY_AS_START, "일요일을 시작일로 설정"},
    StringEntry{IDS_OPTION_SHOW_CALENDAR, "주간일정에 달력표시"},
    StringEntry{IDS_OPTION_NOTES_PEN_DEFAULT, "노트 시작시 펜모드 사용"},
    StringEntry{IDS_OPTION_USE_SOFT_KEY, "소프트키 사용 (재시작시)"},
    StringEntry{IDS_OPTION_SHOW_HOLIDAYS, "공휴일 표시"},
    StringEntry{IDS_OPTION_AGE_COUNT, "나이 표시"},
    StringEntry{IDS_OPTION_AGE_KOREAN, "세는 나이"},
    StringEntry{IDS_OPTION_AGE_FULL_YEARS, "만 나이"},
    StringEntry{IDS_OPTION_BOLD_ALL_DAY, "종일일정 굵게 표시"},
    StringEntry{IDS_OPTION_TODAY_DISPLAY, "투데이 표시:"},
    StringEntry{IDS_OPTION_BOLD_IMPORTANT, "중요작업 굵게 표시"},
    StringEntry{IDS_OPTION_SHOW_TASK_START, "시작 날짜에 항목 표시"},
    StringEntry{IDS_OPTION_SHOW_COMPLETE, "완료된 작업 표시"},
    StringEntry{IDS_OPTION_HIDE_UNDATED, "시작일/종료일 없는 작업 숨기기"},
    StringEntry{IDS_OPTION_ANNV_FONT, "기념일 글꼴:"},
    StringEntry{IDS_OPTION_WEEK_FONT, "주간보기 글꼴:"},
    StringEntry{IDS_OPTION_CLEAR_TYPE, "클리어타입 사용"},
    StringEntry{IDS_OPTION_WEATHER_SERVER, "날씨 서버:"},
    StringEntry{IDS_OPTION_WEATHER_LOCATION, "날씨 위치:"},
    StringEntry{IDS_TODAY_PERIOD_DAYS, "최근 %s일중"},
    StringEntry{IDS_TODAY_PERIOD_WEEKS, "최근 %s주일중"},
    StringEntry{IDS_TODAY_EVENTS_NEAREST_DAY, "가장 가까운날의 일정만 표시"},
    StringEntry{IDS_TODAY_EVENTS_COUNT, "%s개의 일정만 표시"},
    StringEntry{IDS_TODAY_EVENTS_ALL, "전체 일정 표시"},
    StringEntry{IDS_TODAY_TASKS_COUNT, "%s개의 할일 표시"},
    StringEntry{IDS_TODAY_TASKS_ALL, "모든 할일 표시"},
    StringEntry{IDS_ICAL_NOT_A_PROPERTY, "속성 줄이 아니어서 건너뜁니다 (':'가 없습니다)"},
    StringEntry{IDS_ICAL_OUTSIDE_CALENDAR, "VCALENDAR 밖의 줄이어서 건너뜁니다"},
    StringEntry{IDS_ICAL_MISSING_END, " 줄이 없습니다"},
    StringEntry{IDS_ICAL_END_WITHOUT_BEGIN, " 줄에 맞는 BEGIN이 없어 건너뜁니다"},
    StringEntry{IDS_ICAL_CALENDAR_UNCLOSED, "END:VCALENDAR 줄이 없습니다"},
    StringEntry{IDS_ICAL_NOT_IMPORTED, "가져오지 않았습니다: "},
    StringEntry{IDS_ICAL_UNREADABLE_PROPERTY, " 속성을 읽을 수 없습니다"},
    StringEntry{IDS_ICAL_NOT_IMPORTED_COUNT, "항목 %d개는 가져오지 못했습니다."},
    StringEntry{IDS_ICAL_UPDATED_COUNT, "그 가운데 %d개는 같은 UID의 항목을 새로 고쳤습니다."},
    StringEntry{IDS_ICAL_ONE_UID_ONLY, "한 UID의 일정이나 작업만 담아야 합니다"},
    StringEntry{IDS_ICAL_NO_ITEM, "일정이나 작업이 없습니다"},
    StringEntry{IDS_ICAL_ITEM_MISSING, "항목이 저장소에 없습니다"},
    StringEntry{IDS_ICAL_UID_TAKEN, "다른 항목이 이미 이 UID를 씁니다"},
    StringEntry{IDS_RECURRENCE_RULE_KEPT, "가져온 되풀이 규칙은 여기서 바꿀 수 없습니다 (그대로 둡니다)"},
    StringEntry{IDS_SYNC_COMMAND, "동기화"},
    StringEntry{IDS_SYNC_NOT_CONFIGURED, "동기화가 설정되지 않았습니다. 'dayvane-cli sync setup URL --user 이름'으로 설정해 주세요."},
    StringEntry{IDS_SYNC_WRONG_CREDENTIALS, "사용자 이름이나 암호가 맞지 않습니다: %s"},
    StringEntry{IDS_SYNC_REPLY_TOO_LARGE, "서버의 응답이 너무 커서 받지 않았습니다 (%s바이트 초과)."},
    StringEntry{IDS_SYNC_NO_ANSWER, "서버가 응답하지 않습니다: %s (%s)"},
    StringEntry{IDS_SYNC_SERVER_STATUS, "서버가 요청을 처리하지 못했습니다 (HTTP %s): %s"},
    StringEntry{IDS_SYNC_BAD_REPLY, "서버의 응답을 읽을 수 없습니다: %s"},
    StringEntry{IDS_SYNC_PASSWORD_COMMAND, "암호 명령이 실패했습니다: %s"},
    StringEntry{IDS_SYNC_SUMMARY, "받음 %s, 보냄 %s, 삭제 %s, 충돌 %s"},
    StringEntry{IDS_SYNC_UNREADABLE, "읽을 수 없어 그대로 둔 자원: %s"},
    StringEntry{IDS_SYNC_CONFLICT_SUFFIX, " (충돌)"},
    StringEntry{IDS_SYNC_TITLE_PROGRESS, "%s - 동기화 %s"},
    StringEntry{IDS_SYNC_FAILED, "동기화하지 못했습니다: %s"},
    StringEntry{IDS_SYNC_NOT_A_CALENDAR, "캘린더 모음이 아닙니다: %s"},
    StringEntry{IDS_SYNC_ITEM_NOT_STORED, "%s 항목을 저장하지 못했습니다: %s"},
    StringEntry{IDS_SYNC_PUBLISHED, "기념일 게시: 보냄 %s, 삭제 %s, 그대로 %s"},
    StringEntry{IDS_SYNC_RUNNING, "동기화하는 중입니다."},
};

constexpr bool IsSortedById()
{
    for (std::size_t i = 1; i < kStrings.size(); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id)
            return false;
    }
    return true;
}
static_assert(IsSortedById(), "the string table must be sorted by id without duplicates");

}  // namespace

const char* StringText(int id)
{
    const auto* entry = std::lower_bound(
        kStrings.begin(), kStrings.end(), id,
        [](const StringEntry& candidate, int wanted) { return candidate.id < wanted; });
    if (entry == kStrings.end() || entry->id != id)
        return "";
    return entry->text;
}

std::string FormatText(int id, const std::vector<std::string>& arguments)
{
    const std::string_view pattern = StringText(id);
    std::string result;
    size_t from = 0;
    for (const std::string& argument : arguments) {
        const size_t at = pattern.find("%s", from);
        if (at == std::string_view::npos)
            break;
        result.append(pattern.substr(from, at - from));
        result += argument;
        from = at + 2;
    }
    result.append(pattern.substr(from));
    return result;
}

std::vector<int> StringIds()
{
    std::vector<int> ids;
    ids.reserve(kStrings.size());
    for (const StringEntry& entry : kStrings)
        ids.push_back(entry.id);
    return ids;
}

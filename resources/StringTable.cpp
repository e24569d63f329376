#include "resources/StringTable.h"

#include <algorithm>
#include <array>

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

std::vector<int> StringIds()
{
    std::vector<int> ids;
    ids.reserve(kStrings.size());
    for (const StringEntry& entry : kStrings)
        ids.push_back(entry.id);
    return ids;
}

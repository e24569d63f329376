#include "resources/Strings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

struct StringEntry {
    int id;
    const char* text;  // UTF-8
};

// Sorted by id.
constexpr std::array kStrings{
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
    StringEntry{IDS_WEATHER_CREDIT, "날씨 정보: Open-Meteo.com (CC BY 4.0)"},
    StringEntry{IDS_LUNAR_DATE_PREFIX, "음 "},
    StringEntry{IDS_DAYS_LEFT_TODAY, "오늘"},
    StringEntry{IDS_DAYS_LEFT_TOMORROW, "내일"},
    StringEntry{IDS_COMMAND_UNAVAILABLE, "이 기능은 아직 사용할 수 없습니다."},
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

QString LoadString(int id)
{
    const auto* entry = std::lower_bound(
        kStrings.begin(), kStrings.end(), id,
        [](const StringEntry& candidate, int wanted) { return candidate.id < wanted; });
    if (entry == kStrings.end() || entry->id != id)
        return {};
    return QString::fromUtf8(entry->text);
}

QString FormatString(int id, std::initializer_list<QString> arguments)
{
    const QString pattern = LoadString(id);
    static const QString placeholder = QStringLiteral("%s");
    QString result;
    qsizetype from = 0;
    for (const QString& argument : arguments) {
        const qsizetype at = pattern.indexOf(placeholder, from);
        if (at < 0)
            break;
        result += QStringView(pattern).mid(from, at - from);
        result += argument;
        from = at + placeholder.size();
    }
    result += QStringView(pattern).mid(from);
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

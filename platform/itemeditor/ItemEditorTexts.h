// The texts of the platform's own item editor. They belong to the platform,
// not to the application's string table.
#pragma once

namespace ItemEditorText {

inline constexpr char kAppointmentTitle[] = "약속";
inline constexpr char kTaskTitle[] = "작업";
inline constexpr char kSubject[] = "제목";
inline constexpr char kLocation[] = "위치";
inline constexpr char kAllDay[] = "종일";
inline constexpr char kStart[] = "시작";
inline constexpr char kEnd[] = "종료";
inline constexpr char kReminder[] = "미리 알림";
inline constexpr char kMinutesBefore[] = " 분 전";
inline constexpr char kNotes[] = "메모";
inline constexpr char kImportance[] = "중요도";
inline constexpr char kImportanceLow[] = "낮음";
inline constexpr char kImportanceNormal[] = "보통";
inline constexpr char kImportanceHigh[] = "높음";
inline constexpr char kStartDate[] = "시작 날짜";
inline constexpr char kDueDate[] = "기한";
inline constexpr char kComplete[] = "완료";
inline constexpr char kSave[] = "저장";
inline constexpr char kCancel[] = "취소";
inline constexpr char kForeignNotes[] = "이 메모는 필기 형식이라 여기서 편집할 수 없습니다.";
inline constexpr char kEndBeforeStart[] = "종료 시간은 시작 시간보다 빠를 수 없습니다.";
inline constexpr char kDueBeforeStart[] = "기한은 시작 날짜보다 빠를 수 없습니다.";
inline constexpr char kSaveFailed[] = "항목을 저장할 수 없습니다.";

}  // namespace ItemEditorText

// Command identifiers of the menus, buttons and soft keys, and the ids of
// the menu resources.
#pragma once

// Frame commands.
inline constexpr int ID_NEW_APPOINTMENT = 32778;
inline constexpr int ID_NEW_TASK = 32779;
inline constexpr int ID_NEW_ANNIVERSARY_DATE = 32833;
inline constexpr int ID_NEW_ANNIVERSARY_DAY = 32834;
inline constexpr int ID_VIEW_WEEK = 32838;
inline constexpr int ID_VIEW_ANNIVERSARIES = 32849;
inline constexpr int ID_VIEW_MONTH_LUNAR = 32839;
inline constexpr int ID_VIEW_MONTH_WEATHER = 32841;
inline constexpr int ID_GO_TODAY = 32781;
inline constexpr int ID_GO_TO_DATE = 32807;
inline constexpr int ID_WEATHER_REFRESH = 32845;
inline constexpr int ID_WEATHER_SERVER = 32847;
inline constexpr int ID_EDIT_CUT = 32820;
inline constexpr int ID_EDIT_COPY = 32821;
inline constexpr int ID_EDIT_PASTE = 32822;
inline constexpr int ID_EDIT_ITEM = 32824;
inline constexpr int ID_SYNC = 32850;
inline constexpr int ID_DELETE_ITEM = 32823;
inline constexpr int ID_OPTIONS = 32783;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;

// The button row's own buttons (the others send the frame commands above).
inline constexpr int IDC_BUTTON_MENU = 1205;
inline constexpr int IDC_BUTTON_ADD = 1206;
inline constexpr int IDC_BUTTON_VIEWS = 1207;
inline constexpr int IDC_BUTTON_PREVIOUS = 1208;
inline constexpr int IDC_BUTTON_NEXT = 1209;

// Dialog commands (1 and 2 are the dialog's OK/save and cancel).
inline constexpr int ID_DIALOG_OK = 1;
inline constexpr int ID_DIALOG_CANCEL = 2;
inline constexpr int ID_NOTES_MENU_KEY = 106;
inline constexpr int ID_NOTES_EDIT = 32793;
inline constexpr int ID_DETAILED_EDIT = 32794;
inline constexpr int ID_NOTES_PEN_MODE = 32797;
inline constexpr int ID_NOTES_CLEAR = 32798;
inline constexpr int ID_PAGE_PREVIOUS = 32800;
inline constexpr int ID_PAGE_NEXT = 32804;
inline constexpr int ID_PAGE_FINISH = 32805;

// Menu resources.
inline constexpr int IDR_MAINFRAME = 128;         // the frame's soft-key bar
inline constexpr int IDR_SAVE_CANCEL = 224;       // "저장" / "취소"
inline constexpr int IDR_ITEM_EDITOR = 235;       // appointment and task editors
inline constexpr int IDR_NOTES = 236;             // notes dialog
inline constexpr int IDR_RECURRENCE_PAGE = 249;   // recurrence pages
inline constexpr int IDR_RECURRENCE_RANGE = 250;  // recurrence range page
inline constexpr int IDR_OK_CANCEL = 257;         // "확인" / "취소"

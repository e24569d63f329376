#include "resources/Menus.h"

#include <QString>

#include "resources/CommandIds.h"
#include "resources/Strings.h"

namespace {

using Item = MenuItem;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

Item Cmd(const char* caption, int id, bool checkable = false)
{
    return Item::Command(Text(caption), id, checkable);
}

Item Sep() { return Item::Separator(); }

Item AnniversaryAddPopup()
{
    return Item::Popup(Text("기념일추가"), {Cmd("기념일(날짜)", ID_NEW_ANNIVERSARY_DATE),
                                            Cmd("기념일(요일)", ID_NEW_ANNIVERSARY_DAY)});
}

MenuDesc AddCommands()
{
    return {Cmd("일정추가...", ID_NEW_APPOINTMENT), Cmd("작업추가...", ID_NEW_TASK),
            AnniversaryAddPopup()};
}

MenuDesc EditCommands(const char* cutCaption)
{
    return {Cmd(cutCaption, ID_EDIT_CUT),      Cmd("복사하기", ID_EDIT_COPY),
            Cmd("붙여넣기", ID_EDIT_PASTE),    Sep(),
            Cmd("수정...", ID_EDIT_ITEM),      Cmd("삭제", ID_DELETE_ITEM)};
}

void Append(MenuDesc& to, const MenuDesc& items)
{
    to.insert(to.end(), items.begin(), items.end());
}

MenuDesc DateCommands()
{
    return {Cmd("오늘날짜로", ID_GO_TODAY), Cmd("날짜이동...", ID_GO_TO_DATE)};
}

MenuDesc WeatherCommands()
{
    return {Cmd("날씨 새로고침", ID_WEATHER_REFRESH), Cmd("날씨서버 설정...", ID_WEATHER_SERVER)};
}

MenuDesc ApplicationCommands()
{
    return {Item::Command(LoadString(IDS_SYNC_COMMAND), ID_SYNC), Cmd("설정...", ID_OPTIONS),
            Cmd("정보...", ID_APP_ABOUT), Cmd("종료", ID_APP_EXIT)};
}

// The left key of the frame's soft-key bar: adding items and the views.
MenuDesc FrameLeftKeyMenu()
{
    MenuDesc items = AddCommands();
    items.push_back(Sep());
    Append(items, ViewButtonMenu());
    return items;
}

MenuDesc KeyPair(int leftStringId, int leftCommand, int rightStringId, int rightCommand)
{
    return {Item::Command(LoadString(leftStringId), leftCommand),
            Item::Command(LoadString(rightStringId), rightCommand)};
}

MenuDesc WithMenuKey(int leftStringId, int leftCommand, MenuDesc popup, int keyId = 0)
{
    return {Item::Command(LoadString(leftStringId), leftCommand),
            Item::Popup(LoadString(IDS_KEY_MENU), std::move(popup), keyId)};
}

}  // namespace

MenuDesc LoadMenu(int menuId)
{
    switch (menuId) {
    case IDR_MAINFRAME:
        return {Item::Popup(Text("일정"), FrameLeftKeyMenu()),
                Item::Popup(LoadString(IDS_KEY_MENU), WeekViewSoftKeyMenu())};
    case IDR_SAVE_CANCEL:
        return KeyPair(IDS_KEY_SAVE, ID_DIALOG_OK, IDS_KEY_CANCEL, ID_DIALOG_CANCEL);
    case IDR_OK_CANCEL:
        return KeyPair(IDS_KEY_OK, ID_DIALOG_OK, IDS_KEY_CANCEL, ID_DIALOG_CANCEL);
    case IDR_ITEM_EDITOR:
        return WithMenuKey(IDS_KEY_SAVE, ID_DIALOG_OK,
                           {Cmd("자세히 편집..", ID_DETAILED_EDIT), Cmd("노트 편집...", ID_NOTES_EDIT),
                            Sep(), Item::Command(LoadString(IDS_KEY_CANCEL), ID_DIALOG_CANCEL)});
    case IDR_NOTES:
        return WithMenuKey(IDS_KEY_OK, ID_DIALOG_OK,
                           {Cmd("그리기 모드", ID_NOTES_PEN_MODE, true), Cmd("내용삭제", ID_NOTES_CLEAR),
                            Sep(), Item::Command(LoadString(IDS_KEY_CANCEL), ID_DIALOG_CANCEL)},
                           ID_NOTES_MENU_KEY);
    case IDR_RECURRENCE_PAGE:
        return WithMenuKey(IDS_KEY_NEXT, ID_PAGE_NEXT,
                           {Item::Command(LoadString(IDS_KEY_PREVIOUS), ID_PAGE_PREVIOUS),
                            Item::Command(LoadString(IDS_KEY_CANCEL), ID_DIALOG_CANCEL)});
    case IDR_RECURRENCE_RANGE:
        return WithMenuKey(IDS_KEY_FINISH, ID_PAGE_FINISH,
                           {Item::Command(LoadString(IDS_KEY_PREVIOUS), ID_PAGE_PREVIOUS),
                            Item::Command(LoadString(IDS_KEY_CANCEL), ID_DIALOG_CANCEL)});
    default:
        return {};
    }
}

MenuDesc MainButtonMenu(int viewKind)
{
    MenuDesc items;
    if (viewKind != kViewKindAnniversaries) {
        Append(items, DateCommands());
        items.push_back(Sep());
    }
    if (viewKind == kViewKindMonthWeather) {
        Append(items, WeatherCommands());
        items.push_back(Sep());
    }
    if (viewKind == kViewKindWeek || viewKind == kViewKindAnniversaries) {
        items.push_back(Item::Popup(Text("일정"), AddButtonMenu(viewKind)));
        items.push_back(Item::Popup(Text("편집"), EditCommands("잘라내기")));
        items.push_back(Sep());
    }
    Append(items, ApplicationCommands());
    return items;
}

MenuDesc AddButtonMenu(int viewKind)
{
    if (viewKind == kViewKindAnniversaries)
        return AnniversaryAddPopup().popup;
    return AddCommands();
}

MenuDesc ViewButtonMenu()
{
    return {Cmd("주간일정", ID_VIEW_WEEK), Cmd("기념일목록", ID_VIEW_ANNIVERSARIES),
            Cmd("월간일정(음력)", ID_VIEW_MONTH_LUNAR),
            Cmd("월간일정(날씨)", ID_VIEW_MONTH_WEATHER)};
}

MenuDesc WeekViewSoftKeyMenu()
{
    MenuDesc items = DateCommands();
    items.push_back(Sep());
    items.push_back(Item::Popup(Text("편집"), EditCommands("&1. 잘라내기")));
    items.push_back(Sep());
    Append(items, ApplicationCommands());
    return items;
}

MenuDesc MonthLunarViewSoftKeyMenu()
{
    MenuDesc items = DateCommands();
    items.push_back(Sep());
    Append(items, ApplicationCommands());
    return items;
}

MenuDesc MonthWeatherViewSoftKeyMenu()
{
    MenuDesc items = DateCommands();
    items.push_back(Sep());
    Append(items, WeatherCommands());
    items.push_back(Sep());
    Append(items, ApplicationCommands());
    return items;
}

MenuDesc AnniversaryViewSoftKeyMenu()
{
    MenuDesc items{Cmd("수정...", ID_EDIT_ITEM), Cmd("삭제", ID_DELETE_ITEM), Sep()};
    Append(items, ApplicationCommands());
    return items;
}

MenuDesc WeekViewHoldMenu(bool inCellCorner)
{
    MenuDesc items = AddCommands();
    if (inCellCorner)
        return items;
    Append(items, {Sep(), Cmd("수정...", ID_EDIT_ITEM), Cmd("삭제", ID_DELETE_ITEM), Sep(),
                   Cmd("잘라내기", ID_EDIT_CUT), Cmd("복사하기", ID_EDIT_COPY),
                   Cmd("붙여넣기", ID_EDIT_PASTE)});
    return items;
}

MenuDesc AnniversaryViewHoldMenu()
{
    return {Cmd("기념일추가(날짜)", ID_NEW_ANNIVERSARY_DATE),
            Cmd("기념일추가(요일)", ID_NEW_ANNIVERSARY_DAY), Sep(), Cmd("수정...", ID_EDIT_ITEM),
            Cmd("삭제", ID_DELETE_ITEM)};
}

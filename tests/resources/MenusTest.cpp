#include "resources/Menus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "resources/CommandIds.h"
#include "resources/DialogCommands.h"

namespace {

using Ids = std::vector<int>;

TEST(MenusTest, MainButtonMenuFollowsTheViewKind)
{
    EXPECT_EQ(CommandIdsOf(MainButtonMenu(kViewKindWeek)),
              (Ids{32781, 32807, 32778, 32779, 32833, 32834, 32820, 32821, 32822, 32824, 32823,
                   32850, 32783, 57664, 57665}));
    EXPECT_EQ(CommandIdsOf(MainButtonMenu(kViewKindMonthLunar)),
              (Ids{32781, 32807, 32850, 32783, 57664, 57665}));
    EXPECT_EQ(CommandIdsOf(MainButtonMenu(kViewKindMonthWeather)),
              (Ids{32781, 32807, 32845, 32847, 32850, 32783, 57664, 57665}));
    EXPECT_EQ(CommandIdsOf(MainButtonMenu(kViewKindAnniversaries)),
              (Ids{32833, 32834, 32820, 32821, 32822, 32824, 32823, 32850, 32783, 57664, 57665}));
    EXPECT_EQ(CommandIdsOf(AddButtonMenu(kViewKindWeek)), (Ids{32778, 32779, 32833, 32834}));
    EXPECT_EQ(CommandIdsOf(AddButtonMenu(kViewKindAnniversaries)), (Ids{32833, 32834}));
    EXPECT_EQ(CommandIdsOf(ViewButtonMenu()), (Ids{32838, 32849, 32839, 32841}));
}

TEST(MenusTest, SoftKeyBarReachesEveryFrameCommand)
{
    const MenuDesc bar = LoadMenu(IDR_MAINFRAME);
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_TRUE(bar[0].IsPopup());
    EXPECT_EQ(bar[1].text, QStringLiteral("메뉴"));
    std::set<int> reached;
    for (const MenuDesc& menu : {bar, WeekViewSoftKeyMenu(), MonthLunarViewSoftKeyMenu(),
                                 MonthWeatherViewSoftKeyMenu(), AnniversaryViewSoftKeyMenu()}) {
        for (int id : CommandIdsOf(menu))
            reached.insert(id);
    }
    for (int id : {32778, 32779, 32833, 32834, 32838, 32849, 32839, 32841, 32781, 32807, 32845,
                   32847, 32820, 32821, 32822, 32824, 32823, 32850, 32783, 57664, 57665})
        EXPECT_TRUE(reached.count(id)) << id;
}

TEST(MenusTest, HoldMenuInTheCellCornerOnlyAdds)
{
    EXPECT_EQ(CommandIdsOf(WeekViewHoldMenu(true)), (Ids{32778, 32779, 32833, 32834}));
    EXPECT_EQ(CommandIdsOf(WeekViewHoldMenu(false)),
              (Ids{32778, 32779, 32833, 32834, 32824, 32823, 32820, 32821, 32822}));
    EXPECT_EQ(WeekViewSoftKeyMenu()[3].popup[0].text, QStringLiteral("&1. 잘라내기"));
}

TEST(MenusTest, DialogMenus)
{
    EXPECT_EQ(CommandIdsOf(LoadMenu(IDR_SAVE_CANCEL)), (Ids{1, 2}));
    EXPECT_EQ(LoadMenu(IDR_SAVE_CANCEL)[0].text, QStringLiteral("저장"));
    EXPECT_EQ(LoadMenu(IDR_OK_CANCEL)[0].text, QStringLiteral("확인"));
    const MenuDesc notes = LoadMenu(IDR_NOTES);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[1].id, ID_NOTES_MENU_KEY);
    EXPECT_TRUE(notes[1].popup[0].checkable);
    EXPECT_EQ(CommandIdsOf(LoadMenu(IDR_ITEM_EDITOR)), (Ids{1, 32794, 32793, 2}));
    EXPECT_EQ(CommandIdsOf(LoadMenu(IDR_RECURRENCE_PAGE)), (Ids{32804, 32800, 2}));
    EXPECT_EQ(CommandIdsOf(LoadMenu(IDR_RECURRENCE_RANGE)), (Ids{32805, 32800, 2}));
    EXPECT_TRUE(LoadMenu(9999).empty());

    const auto buttons = SaveCancelButtons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].id, 1);
    EXPECT_EQ(buttons[0].text, QStringLiteral("저장"));
    EXPECT_EQ(OkCancelButtons()[0].text, QStringLiteral("확인"));
    EXPECT_EQ(OkCancelButtons()[1].text, QStringLiteral("취소"));
}

}  // namespace

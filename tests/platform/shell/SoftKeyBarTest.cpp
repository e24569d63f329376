#include "platform/shell/SoftKeyBar.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "tests/platform/shell/QtTestApp.h"

namespace {

MenuDesc TwoKeys()
{
    return {MenuItem::Command(QStringLiteral("저장"), 1),
            MenuItem::Popup(QStringLiteral("메뉴"),
                            {MenuItem::Command(QStringLiteral("a"), 10), MenuItem::Separator(),
                             MenuItem::Popup(QStringLiteral("sub"),
                                             {MenuItem::Command(QStringLiteral("b"), 20),
                                              MenuItem::Command(QStringLiteral("c"), 30, true)})},
                            106)};
}

class SoftKeyBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(240, 320);
        bar = new SoftKeyBar(&window);
        bar->setGeometry(0, 320 - SoftKeyBar::BarHeight(), 240, SoftKeyBar::BarHeight());
        bar->SetMenu(TwoKeys());
        window.show();
    }

    QApplication& app = TestApp();  // before any widget
    QWidget window;
    SoftKeyBar* bar = nullptr;
};

TEST_F(SoftKeyBarTest, CommandKeySendsItsCommand)
{
    QSignalSpy spy(bar, &SoftKeyBar::commandTriggered);
    EXPECT_EQ(bar->KeyText(SoftKeyBar::Key::Left), QStringLiteral("저장"));
    EXPECT_EQ(bar->Popup(SoftKeyBar::Key::Left), nullptr);
    QTest::mouseClick(bar->KeyButton(SoftKeyBar::Key::Left), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1);
}

TEST_F(SoftKeyBarTest, PopupKeyOpensItsMenuAndEveryActionReachesItsId)
{
    QSignalSpy spy(bar, &SoftKeyBar::commandTriggered);
    QMenu* popup = bar->PopupByCommand(106);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, bar->Popup(SoftKeyBar::Key::Right));

    bar->PressKey(SoftKeyBar::Key::Right);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(spy.count(), 0);
    // The popup opens above the bar.
    EXPECT_LE(popup->geometry().bottom(), bar->mapToGlobal(QPoint(0, 0)).y());

    FindCommand(*popup, 10)->trigger();
    FindCommand(*popup, 20)->trigger();  // inside the submenu
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 10);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 20);
    EXPECT_TRUE(FindCommand(*popup, 30)->isCheckable());
    popup->hide();
}

TEST_F(SoftKeyBarTest, ViewRefillsThePopup)
{
    QSignalSpy spy(bar, &SoftKeyBar::commandTriggered);
    QMenu* popup = bar->Popup(SoftKeyBar::Key::Right);
    ReplaceMenu(*popup, {MenuItem::Command(QStringLiteral("x"), 32781),
                         MenuItem::Popup(QStringLiteral("편집"),
                                         {MenuItem::Command(QStringLiteral("y"), 32823)})});
    EXPECT_EQ(CommandIdsOf(*popup), (std::vector<int>{32781, 32823}));
    EXPECT_EQ(FindCommand(*popup, 10), nullptr);
    FindCommand(*popup, 32823)->trigger();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 32823);
}

TEST_F(SoftKeyBarTest, MissingKeyIsDisabledAndSendsNothing)
{
    QSignalSpy spy(bar, &SoftKeyBar::commandTriggered);
    bar->SetMenu({MenuItem::Command(QStringLiteral("확인"), 1)});
    EXPECT_FALSE(bar->KeyButton(SoftKeyBar::Key::Right)->isEnabled());
    bar->PressKey(SoftKeyBar::Key::Right);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(bar->PopupByCommand(106), nullptr);
}

}  // namespace

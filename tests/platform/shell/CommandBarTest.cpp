#include "platform/shell/CommandBar.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "tests/platform/shell/QtTestApp.h"

namespace {

TEST(CommandBarTest, ButtonsSendTheirIdsAndCheckButtonsFlip)
{
    TestApp();
    CommandBar bar({{1, QStringLiteral("저장")},
                    {2, QStringLiteral("취소")},
                    {32797, QStringLiteral("펜모드"), {}, true, true},
                    {0, QStringLiteral("no id")}});
    bar.show();
    EXPECT_EQ(bar.ButtonIds(), (std::vector<int>{1, 2, 32797}));

    QSignalSpy spy(&bar, &CommandBar::commandTriggered);
    QTest::mouseClick(bar.Button(2), Qt::LeftButton);
    bar.Press(32797);
    bar.Press(999);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 2);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 32797);
    EXPECT_FALSE(bar.IsChecked(32797));
    bar.SetChecked(32797, true);
    EXPECT_TRUE(bar.IsChecked(32797));
    bar.SetChecked(1, true);  // not a check button
    EXPECT_FALSE(bar.IsChecked(1));
}

}  // namespace

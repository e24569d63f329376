#include "platform/shell/TapAndHold.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "tests/platform/shell/QtTestApp.h"

namespace {

class TapAndHoldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        widget.resize(200, 200);
        widget.show();
        hold = new TapAndHold(&widget);
        hold->SetHoldDelay(20);
        hold->SetSlop(4);
    }

    QApplication& app = TestApp();  // before any widget
    QWidget widget;
    TapAndHold* hold = nullptr;
};

TEST_F(TapAndHoldTest, HeldPenReportsThePoint)
{
    QSignalSpy spy(hold, &TapAndHold::held);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(50, 60));
    // A wobble within the slop does not cancel.
    QTest::mouseMove(&widget, QPoint(52, 61));
    EXPECT_TRUE(hold->IsPending());
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.count() == 1; }, 2000));
    EXPECT_EQ(spy.at(0).at(0).toPoint(), QPoint(50, 60));
    EXPECT_FALSE(hold->IsPending());
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(52, 61));
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(TapAndHoldTest, MovingOrLiftingThePenCancels)
{
    QSignalSpy spy(hold, &TapAndHold::held);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(50, 60));
    QTest::mouseMove(&widget, QPoint(56, 60));
    EXPECT_FALSE(hold->IsPending());

    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(56, 60));
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(hold->IsPending());
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(hold->IsPending());

    QTest::mousePress(&widget, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(hold->IsPending());
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(TapAndHoldTest, DyingWithItsWidgetWhilePendingIsSafe)
{
    auto* owner = new QWidget;
    owner->show();
    auto* ownHold = new TapAndHold(owner);
    ownHold->SetHoldDelay(10);
    QTest::mousePress(owner, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(ownHold->IsPending());
    delete owner;
    QTest::qWait(0);
    SUCCEED();
}

}  // namespace

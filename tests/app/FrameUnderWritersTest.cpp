// The open frame follows other processes' writes: with three of them
// committing at once, the last change is on screen within a second.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include <algorithm>
#include <array>

#include "app/MainFrame.h"
#include "platform/device/DeviceDirectory.h"
#include "tests/app/AppTestSupport.h"
#include "views/week/WeekView.h"

namespace {

constexpr int kWednesdayCell = 2;  // 9 December 2026 in a Monday-start week
constexpr int kCommitsEach = 1000;

using FrameUnderWritersTest = DeviceTest;

} // namespace

TEST_F(FrameUnderWritersTest, TheLastOfManyChangesShowsWithinASecond)
{
    CMainFrame frame({480, 640});
    frame.SetDialogs(std::make_unique<RecordingDialogs>());
    ASSERT_TRUE(frame.Create()) << frame.StartupError().toStdString();
    frame.show();
    const QString store = QString::fromStdString(StoreFile().string());

    std::array<QProcess, 3> writers;
    for (size_t i = 0; i < writers.size(); ++i)
        writers[i].start(QStringLiteral(STORE_WRITER),
                         {store, "reopen", QString::number(kCommitsEach), QString("w%1-").arg(i)});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(writers.begin(), writers.end(),
                               [](const QProcess& w) { return w.state() == QProcess::NotRunning; });
        },
        120000));
    for (QProcess& writer : writers) ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();

    QProcess last;
    last.start(QStringLiteral(STORE_WRITER_EXECUTABLE), {store, "Last one", QString::number(Ole(2026, 12, 9, 9), 'f', 6),
                                                          QString::number(Ole(2026, 12, 9, 10), 'f', 6)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return last.state() == QProcess::NotRunning; }, 10000));
    ASSERT_EQ(last.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (const ItemEntry& entry : frame.WeekView()->CellEntries(kWednesdayCell))
                if (entry.bodyText == "Last one") return true;
            return false;
        },
        1000));
}

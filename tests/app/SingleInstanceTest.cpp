#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include <atomic>
#include <thread>

#include "app/SingleInstance.h"
#include "tests/app/AppTestSupport.h"

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() { AppTestApplication(); }

    // Runs the second start on a thread so that this thread can serve the
    // first copy's window meanwhile.
    SingleInstance::Outcome SecondStart(int& waits)
    {
        std::atomic<bool> done{false};
        SingleInstance::Outcome outcome{};
        std::thread second([&] {
            SingleInstance instance(m_device.Dir());
            outcome = instance.Acquire([&waits](int ms) {
                EXPECT_EQ(ms, SingleInstance::kRetryWaitMs);
                ++waits;
            });
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 10000));
        second.join();
        return outcome;
    }

    TempDevice m_device;
};

QProcess* StartDayvane(const QStringList& arguments)
{
    auto* process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("DAYVANE_NOW", "2026-12-09T10:10:00");
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(DAYVANE_EXECUTABLE), arguments);
    return process;
}

}  // namespace

TEST_F(SingleInstanceTest, FirstCopyHoldsTheLockAndRaisesForLaterStarts)
{
    SingleInstance first(m_device.Dir());
    ASSERT_EQ(first.Acquire(), SingleInstance::Outcome::First);

    // Locked, but no window yet: five attempts, each waiting once, then give up.
    int waits = 0;
    EXPECT_EQ(SecondStart(waits), SingleInstance::Outcome::GaveUp);
    EXPECT_EQ(waits, SingleInstance::kAttempts);

    int raised = 0;
    ASSERT_TRUE(first.Listen([&raised] { ++raised; }));
    waits = 0;
    EXPECT_EQ(SecondStart(waits), SingleInstance::Outcome::OtherRaised);
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(raised, 1);

    // Anything but the one request is ignored.
    QLocalSocket stranger;
    stranger.connectToServer(SingleInstance::WindowName(m_device.Dir()));
    ASSERT_TRUE(stranger.waitForConnected(1000));
    stranger.write(QByteArray(100, 'x'));
    stranger.flush();
    EXPECT_TRUE(QTest::qWaitFor([&] { return stranger.state() == QLocalSocket::UnconnectedState; }, 2000));
    EXPECT_EQ(raised, 1);
}

TEST_F(SingleInstanceTest, DevicesDoNotShareTheInstance)
{
    TempDevice other;
    EXPECT_NE(SingleInstance::WindowName(m_device.Dir()), SingleInstance::WindowName(other.Dir()));
    SingleInstance first(m_device.Dir());
    SingleInstance second(other.Dir());
    EXPECT_EQ(first.Acquire(), SingleInstance::Outcome::First);
    EXPECT_EQ(second.Acquire(), SingleInstance::Outcome::First);
}

TEST_F(SingleInstanceTest, SecondProcessAsksTheFirstToComeForward)
{
    SingleInstance first(m_device.Dir());
    ASSERT_EQ(first.Acquire(), SingleInstance::Outcome::First);
    int raised = 0;
    ASSERT_TRUE(first.Listen([&raised] { ++raised; }));

    std::unique_ptr<QProcess> second(StartDayvane({"--device", QString::fromStdString(m_device.Dir().string())}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return second->state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty());
    EXPECT_EQ(raised, 1);
}

TEST_F(SingleInstanceTest, SecondProcessEndsWhileTheFirstRuns)
{
    const QString device = QString::fromStdString(m_device.Dir().string());
    std::unique_ptr<QProcess> first(StartDayvane({"--device", device}));
    ASSERT_TRUE(first->waitForStarted(5000));
    // The first copy is up once its window answers.
    const QString window = SingleInstance::WindowName(m_device.Dir());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QLocalSocket probe;
            probe.connectToServer(window);
            return probe.waitForConnected(50);
        },
        10000));

    std::unique_ptr<QProcess> second(StartDayvane({"--device", device}));
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty());
    EXPECT_EQ(first->state(), QProcess::Running);

    first->terminate();
    EXPECT_TRUE(first->waitForFinished(10000));
}

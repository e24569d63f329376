#include "platform/shell/WindowMessage.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/platform/shell/QtTestApp.h"

namespace {

struct Received {
    uint32_t message;
    WPARAM wParam;
    LPARAM lParam;
    std::string payload;
};

class Receiver : public QObject {
public:
    std::vector<Received> received;

protected:
    void customEvent(QEvent* event) override
    {
        const WindowMessageEvent* message = AsWindowMessage(event);
        if (message == nullptr)
            return;
        const std::string* text = message->PayloadAs<std::string>();
        received.push_back({message->Message(), message->WParam(), message->LParam(),
                            text != nullptr ? *text : std::string()});
        message->SetResult(static_cast<LRESULT>(message->WParam()) + 1);
    }
};

TEST(WindowMessageTest, PostedMessagesArriveWithTheirNumbersAndPayload)
{
    TestApp();
    Receiver receiver;
    ASSERT_TRUE(PostWindowMessage(&receiver, WM_DBNOTIFICATION, 0x401, 7, std::string("record")));
    ASSERT_TRUE(PostWindowMessage(&receiver, WM_FRAME_FULLSCREEN));
    EXPECT_TRUE(receiver.received.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(receiver.received.size(), 2u);
    EXPECT_EQ(receiver.received[0].message, 0x3FDu);
    EXPECT_EQ(receiver.received[0].wParam, 0x401u);
    EXPECT_EQ(receiver.received[0].lParam, 7);
    EXPECT_EQ(receiver.received[0].payload, "record");
    EXPECT_EQ(receiver.received[1].message, 0x465u);

    EXPECT_EQ(SendWindowMessage(&receiver, WM_WEATHER_DONE, 41), 42);
    EXPECT_EQ(receiver.received.back().message, 0x466u);

    EXPECT_FALSE(PostWindowMessage(nullptr, WM_WEATHER_DONE));
    EXPECT_FALSE(PostWindowMessage(&receiver, kLastWindowMessage + 1));
}

TEST(WindowMessageTest, MessageFromAWorkerThreadIsDeliveredOnTheReceiversThread)
{
    TestApp();
    Receiver receiver;
    std::thread worker([&receiver] { PostWindowMessage(&receiver, WM_WEATHER_DONE); });
    worker.join();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !receiver.received.empty(); }, 2000));
    EXPECT_EQ(receiver.received[0].message, WM_WEATHER_DONE);
}

TEST(WindowMessageTest, MessageToAnObjectThatIsGoneIsDropped)
{
    TestApp();
    auto* receiver = new Receiver;
    PostWindowMessage(receiver, WM_WEATHER_DONE);
    delete receiver;
    QCoreApplication::processEvents();
    QEvent other(QEvent::User);
    EXPECT_EQ(AsWindowMessage(&other), nullptr);
    WindowMessageEvent mine(WM_WEATHER_DONE);
    EXPECT_EQ(AsWindowMessage(&mine, WM_DBNOTIFICATION), nullptr);
    EXPECT_NE(AsWindowMessage(&mine, WM_WEATHER_DONE), nullptr);
}

}  // namespace

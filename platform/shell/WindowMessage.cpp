#include "platform/shell/WindowMessage.h"

#include <QCoreApplication>

#include <map>
#include <mutex>
#include <string>

const WindowMessageEvent* AsWindowMessage(const QEvent* event)
{
    // Any user event may be ours; the dynamic cast tells apart events that
    // other code posts in the same range.
    if (event == nullptr || event->type() < QEvent::User || event->type() > QEvent::MaxUser)
        return nullptr;
    return dynamic_cast<const WindowMessageEvent*>(event);
}

const WindowMessageEvent* AsWindowMessage(const QEvent* event, uint32_t message)
{
    const WindowMessageEvent* windowMessage = AsWindowMessage(event);
    return windowMessage != nullptr && windowMessage->Message() == message ? windowMessage
                                                                           : nullptr;
}

bool PostWindowMessage(QObject* receiver, uint32_t message, WPARAM wParam, LPARAM lParam,
                       std::any payload)
{
    if (receiver == nullptr || message > kLastWindowMessage)
        return false;
    QCoreApplication::postEvent(
        receiver, new WindowMessageEvent(message, wParam, lParam, std::move(payload)));
    return true;
}

LRESULT SendWindowMessage(QObject* receiver, uint32_t message, WPARAM wParam, LPARAM lParam,
                          std::any payload)
{
    if (receiver == nullptr || message > kLastWindowMessage)
        return 0;
    WindowMessageEvent event(message, wParam, lParam, std::move(payload));
    QCoreApplication::sendEvent(receiver, &event);
    return event.Result();
}

uint32_t RegisterWindowMessage(const char* name)
{
    static std::mutex lock;
    static std::map<std::string, uint32_t> numbers;
    const std::lock_guard guard(lock);
    const auto [at, added] = numbers.try_emplace(name, kFirstRegisteredMessage + static_cast<uint32_t>(numbers.size()));
    return at->second;
}

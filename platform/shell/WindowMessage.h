// Window messages as Qt events: a message number with its two parameters and
// an optional payload, posted to a QObject like the platform posted messages
// to a window. A posted message to an object that is gone is dropped.
#pragma once

#include <QEvent>

#include <any>
#include <cstdint>
#include <utility>

class QObject;

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

inline constexpr uint32_t WM_USER = 0x0400;
// The store's change notification (a record created, deleted or changed).
inline constexpr uint32_t WM_DBNOTIFICATION = 0x03FD;
// A command for the frame (wParam: the command id), as menus and views post it.
inline constexpr uint32_t WM_COMMAND = 0x0111;
// The frame's own request to lay itself out full screen again.
inline constexpr uint32_t WM_FRAME_FULLSCREEN = WM_USER + 101;  // 0x0465
// The weather download has finished; the weather view parses its cache.
inline constexpr uint32_t WM_WEATHER_DONE = 0x0466;

// Registered messages are numbered from here, one number per name for the
// life of the process.
inline constexpr uint32_t kFirstRegisteredMessage = 0xC000;

// Messages up to this number fit into Qt's user event range.
inline constexpr uint32_t kLastWindowMessage = QEvent::MaxUser - QEvent::User;

// The Qt event type that carries a message (QEvent::User + message).
constexpr QEvent::Type WindowMessageEventType(uint32_t message)
{
    return static_cast<QEvent::Type>(QEvent::User + static_cast<int>(message));
}

class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0,
                       std::any payload = {})
        : QEvent(WindowMessageEventType(message)),
          m_message(message),
          m_wParam(wParam),
          m_lParam(lParam),
          m_payload(std::move(payload))
    {
    }

    uint32_t Message() const { return m_message; }
    WPARAM WParam() const { return m_wParam; }
    LPARAM LParam() const { return m_lParam; }
    const std::any& Payload() const { return m_payload; }
    // The payload as T, or null when it holds something else or nothing.
    template <typename T>
    const T* PayloadAs() const { return std::any_cast<T>(&m_payload); }

    // The receiver's answer to a sent message.
    void SetResult(LRESULT result) const { m_result = result; }
    LRESULT Result() const { return m_result; }

private:
    uint32_t m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
    std::any m_payload;
    mutable LRESULT m_result = 0;
};

// The event as the given message, or null when it is another event.
const WindowMessageEvent* AsWindowMessage(const QEvent* event, uint32_t message);
// The event as any window message, or null.
const WindowMessageEvent* AsWindowMessage(const QEvent* event);

// Queues the message for the receiver's thread; safe from any thread.
// False (and nothing queued) when the receiver is null or the number is
// beyond kLastWindowMessage.
bool PostWindowMessage(QObject* receiver, uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0,
                       std::any payload = {});
// Delivers the message at once (caller's thread = receiver's thread) and
// returns the result the receiver set, 0 when it set none.
LRESULT SendWindowMessage(QObject* receiver, uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0,
                       std::any payload = {});

// The process-wide number of a named message (the platform's registered
// messages): the same name always gives the same number.
uint32_t RegisterWindowMessage(const char* name);

// Events for the network stand-in's threads: set, reset, and waiting for any
// of several with an optional time limit, as the handheld's event handles did.
#pragma once

#include <chrono>
#include <initializer_list>
#include <optional>

class NetEvent {
public:
    // An auto-reset event is cleared by the wait it ends; a manual-reset one stays set.
    explicit NetEvent(bool manualReset = false, bool initiallySet = false);
    NetEvent(const NetEvent&) = delete;
    NetEvent& operator=(const NetEvent&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;

    // Index of the event that ended the wait, or -1 when the time ran out.
    // No timeout waits without limit.
    static int WaitAny(std::initializer_list<NetEvent*> events,
                       std::optional<std::chrono::milliseconds> timeout = std::nullopt);

private:
    bool m_manualReset;
    bool m_set;
};

// A request to give up, seen by every wait of a download.
class CancelToken {
public:
    void Cancel() { m_event.Set(); }
    bool IsCancelled() const { return m_event.IsSet(); }
    NetEvent& Event() { return m_event; }

private:
    NetEvent m_event{true, false};
};

#include "platform/net/NetEvent.h"

#include <condition_variable>
#include <mutex>

namespace {

// Events are few and waits rare: one lock and one wake-up for all of them
// makes waiting for several at once simple and race-free.
std::mutex& EventLock()
{
    static std::mutex lock;
    return lock;
}

std::condition_variable& EventChanged()
{
    static std::condition_variable changed;
    return changed;
}

} // namespace

NetEvent::NetEvent(bool manualReset, bool initiallySet) : m_manualReset(manualReset), m_set(initiallySet) {}

void NetEvent::Set()
{
    {
        std::lock_guard<std::mutex> guard(EventLock());
        m_set = true;
    }
    EventChanged().notify_all();
}

void NetEvent::Reset()
{
    std::lock_guard<std::mutex> guard(EventLock());
    m_set = false;
}

bool NetEvent::IsSet() const
{
    std::lock_guard<std::mutex> guard(EventLock());
    return m_set;
}

int NetEvent::WaitAny(std::initializer_list<NetEvent*> events, std::optional<std::chrono::milliseconds> timeout)
{
    std::unique_lock<std::mutex> lock(EventLock());
    int found = -1;
    const auto signalled = [&] {
        int index = 0;
        for (NetEvent* event : events) {
            if (event != nullptr && event->m_set) {
                found = index;
                if (!event->m_manualReset) event->m_set = false;
                return true;
            }
            ++index;
        }
        return false;
    };
    if (timeout) EventChanged().wait_for(lock, *timeout, signalled);
    else EventChanged().wait(lock, signalled);
    return found;
}

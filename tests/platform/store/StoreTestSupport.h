// Shared pieces of the store tests: a temporary store file, OLE dates by
// fields, and a notification window that can be waited on.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/store/OleTime.h"
#include "platform/store/PimDatabase.h"
#include "platform/store/Recurrence.h"

class TempStore {
public:
    TempStore()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dayvane-store-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_dir = pattern;
    }
    ~TempStore()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    std::filesystem::path Dir() const { return m_dir; }
    std::filesystem::path File() const { return m_dir / "pim.vol"; }

private:
    std::filesystem::path m_dir;
};

inline double Ole(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return OleFromFields(year, month, day, hour, minute, second).value();
}

// A pattern of `type` every `interval` units from the day `start`; the rest is
// left for NormalizePattern to fill.
inline RecurrenceFields Pattern(int type, int interval, double start)
{
    RecurrenceFields p;
    p.type = type;
    p.interval = interval;
    p.patternStart = start;
    return p;
}

inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

struct Notice {
    uint32_t message;
    uint32_t type;
    CEOID record;
};

// Collects what the store posts, giving every notification back at once.
class NoticeWindow : public StoreWindow {
public:
    void Post(uint32_t message, CENOTIFICATION* notification) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_notices.push_back({message, notification->uType, notification->oid});
        }
        CeFreeNotification(nullptr, notification);
        m_changed.notify_all();
    }

    // Waits until `done(notices)` holds, or the time is up; returns the notices.
    template <typename Done>
    std::vector<Notice> WaitFor(Done&& done, std::chrono::milliseconds limit = std::chrono::seconds(10))
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, limit, [&] { return done(m_notices); });
        return m_notices;
    }

    std::vector<Notice> Notices()
    {
        std::lock_guard lock(m_mutex);
        return m_notices;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Notice> m_notices;
};

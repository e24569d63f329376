// Helpers shared by the time tests.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/time/PlatformTime.h"

inline SYSTEMTIME Record(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    const auto u16 = [](int value) { return static_cast<uint16_t>(value); };
    return {u16(year), u16(month), 0, u16(day), u16(hour), u16(minute), u16(second), u16(ms)};
}

// "YYYY-MM-DD HH:MM:SS wD" (D = weekday, 0 = Sunday).
inline std::string Text(const SYSTEMTIME& st)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d w%d", st.wYear, st.wMonth, st.wDay, st.wHour,
                  st.wMinute, st.wSecond, st.wDayOfWeek);
    return text;
}

// Sets (nullptr: unsets) an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_.c_str(), old_->c_str(), 1) : unsetenv(name_.c_str()); }

private:
    std::string name_;
    std::optional<std::string> old_;
};

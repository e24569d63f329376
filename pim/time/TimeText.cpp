// Time-of-day texts of the week view and of the editors.
#include <cstdio>

#include "pim/time/TimeValue.h"

std::string FormatTimeShort(const SYSTEMTIME& st, bool hour24)
{
    char text[32];
    if (hour24) {
        std::snprintf(text, sizeof text, "%d:%02d", st.wHour, st.wMinute);
    } else {
        const int hour = st.wHour % 12 == 0 ? 12 : st.wHour % 12;
        std::snprintf(text, sizeof text, "%d:%02d%s", hour, st.wMinute, st.wHour < 12 ? "a" : "p");
    }
    return text;
}

std::string FormatTime(int hour, int minute, bool hour24)
{
    char text[48];
    if (hour24)
        std::snprintf(text, sizeof text, "%d:%02d", hour, minute);
    else
        std::snprintf(text, sizeof text, "%d:%02d %s", hour >= 13 ? hour - 12 : hour, minute, hour < 12 ? "AM" : "PM");
    return text;
}

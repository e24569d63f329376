// An iCalendar file of many plain events, as a phone would export a few years
// of appointments: spread over twenty years, one in ten weekly with an end,
// every fourth with a reminder and a location.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

inline std::filesystem::path WriteEventFile(const std::filesystem::path& folder, int count)
{
    const std::filesystem::path file = folder / ("events-" + std::to_string(count) + ".ics");
    std::ofstream out(file, std::ios::binary);
    out << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dayvane//bench//KO\r\n";
    char line[128];
    for (int i = 0; i < count; ++i) {
        const int year = 2010 + i % 20;
        const int month = 1 + i % 12;
        const int day = 1 + i % 28;
        const int hour = 8 + i % 10;
        out << "BEGIN:VEVENT\r\n";
        std::snprintf(line, sizeof line, "UID:bench-%d@dayvane\r\nDTSTAMP:20260101T000000Z\r\n", i);
        out << line;
        std::snprintf(line, sizeof line, "DTSTART:%04d%02d%02dT%02d0000\r\nDTEND:%04d%02d%02dT%02d3000\r\n",
                      year, month, day, hour, year, month, day, hour);
        out << line << "SUMMARY:회의 " << i << "\r\n";
        if (i % 4 == 0)
            out << "LOCATION:본사 3층\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:알림\r\n"
                   "TRIGGER:-PT15M\r\nEND:VALARM\r\n";
        if (i % 10 == 0) out << "RRULE:FREQ=WEEKLY;INTERVAL=2;COUNT=12\r\n";
        out << "END:VEVENT\r\n";
    }
    out << "END:VCALENDAR\r\n";
    return file;
}

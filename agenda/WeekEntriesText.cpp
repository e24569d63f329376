#include "agenda/WeekEntriesText.h"

#include <cstdio>

namespace {

std::string DateText(const SolarDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string Escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::string WeekEntriesText(const SolarDate& first, const SolarDate& today, const WeekCells& cells)
{
    std::string out = "# week " + DateText(first) + " .. " + DateText(AddDays(first, kWeekDays - 1)) +
                      " today " + DateText(today) + "\n";
    for (size_t cell = 0; cell < cells.size(); ++cell) {
        for (const ItemEntry& entry : cells[cell]) {
            char numbers[64];
            std::snprintf(numbers, sizeof numbers, "0x%06X\t%u\t%u", entry.color, entry.style, entry.marks);
            out += std::to_string(cell) + '\t' + std::to_string(entry.kind) + '\t' +
                   std::to_string(static_cast<int32_t>(entry.oid)) + '\t' + Escaped(entry.leadText) + '\t' +
                   Escaped(entry.rangeText) + '\t' + Escaped(entry.bodyText) + '\t' + numbers + '\n';
        }
    }
    return out;
}

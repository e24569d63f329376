#include "platform/text/NotesText.h"

#include <algorithm>

#include "platform/text/TextEncoding.h"

std::vector<uint8_t> NotesFromText(const std::string& utf8)
{
    const std::string units = Utf8ToUtf16Le(utf8);
    std::vector<uint8_t> notes(units.size() + 4, 0);
    notes[0] = 0xFE;
    notes[1] = 0xFF;
    std::copy(units.begin(), units.end(), notes.begin() + 2);
    return notes;
}

std::optional<std::string> TextFromNotes(const std::vector<uint8_t>& notes)
{
    if (notes.size() < 4 || notes.size() % 2 != 0 || notes[0] != 0xFE || notes[1] != 0xFF) return std::nullopt;
    // Exactly one zero unit, at the end.
    for (size_t i = 2; i + 2 < notes.size(); i += 2)
        if (notes[i] == 0 && notes[i + 1] == 0) return std::nullopt;
    if (notes[notes.size() - 2] != 0 || notes[notes.size() - 1] != 0) return std::nullopt;
    const std::string units(notes.begin() + 2, notes.end() - 2);
    std::string text = Utf16LeToUtf8(units);
    // Only what converts back to the same bytes counts as text.
    if (NotesFromText(text) != notes) return std::nullopt;
    return text;
}

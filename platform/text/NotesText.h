// Typed notes as the notes block holds them: a FE FF mark, the text in UTF-16
// little-endian, a terminating zero unit (the shape of the notes test's empty
// blocks). Drawn notes are other bytes and have no text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

std::vector<uint8_t> NotesFromText(const std::string& utf8);
// The text of a block of typed notes; nothing for drawn ink or other bytes.
std::optional<std::string> TextFromNotes(const std::vector<uint8_t>& notes);

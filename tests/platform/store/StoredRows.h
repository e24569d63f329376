// The store's content as text, to compare a store before and after: every
// row of every table, the change journal included. Read through SQLite, so
// it is safe while the program under test keeps its own connection open.
#pragma once

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <string>

inline std::string StoredRows(const std::filesystem::path& file)
{
    SQLite::Database db(file.string(), SQLite::OPEN_READONLY);
    std::string rows;
    SQLite::Statement tables(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    while (tables.executeStep()) {
        const std::string table = tables.getColumn(0).getString();
        SQLite::Statement query(db, "SELECT * FROM \"" + table + "\"");
        while (query.executeStep()) {
            rows += table + ":";
            for (int i = 0; i < query.getColumnCount(); ++i)
                rows += query.getColumn(i).getString() + "|";
            rows += "\n";
        }
    }
    return rows;
}

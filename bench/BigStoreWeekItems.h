// The big store opened through the session, as the week view's item source.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

class WeekItemSource;

// Opens (generating it first when DAYVANE_BENCH_STORE names no store made
// earlier) the big store at `file`; null with `error` set on failure.
std::unique_ptr<WeekItemSource> OpenBigStoreWeekItems(const std::filesystem::path& file,
                                                      std::string& error);

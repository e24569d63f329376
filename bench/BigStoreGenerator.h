// Fills a store with the big, realistic data set the store benchmarks run on:
// 20 years of appointments with recurring series of every type and interval,
// and tasks open and done, dated and not.
#pragma once

#include <filesystem>
#include <string>

struct BigStoreShape {
    int appointments = 100000;  // recurring series included
    int series = 1000;
    int tasks = 10000;
    int firstYear = 2010;
    int years = 20;
};

// Writes the items into `file` (a new store) in one transaction; returns what
// went wrong, or an empty text.
std::string GenerateBigStore(const std::filesystem::path& file, const BigStoreShape& shape = {});

// The store the benchmarks run on: a copy of the one DAYVANE_BENCH_STORE names
// (made earlier, so that runs start at once), else a freshly generated one.
std::string MakeBigStore(const std::filesystem::path& file);

// Command-line parsing shared by the dayvane-cli commands.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Wrong usage: the command prints the message and exits with code 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Any other failure: the message is printed and the exit code is 1.
struct CommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
};

// Splits arguments into positionals and --options. Options listed in `flags`
// take no value; every other --option takes the next argument.
class CliOptions {
public:
    CliOptions(const std::vector<std::string>& args, const std::vector<std::string>& flags);

    const std::vector<std::string>& Positionals() const { return m_positionals; }
    bool Has(const std::string& name) const;
    std::optional<std::string> Get(const std::string& name) const;
    std::string Require(const std::string& name) const;
    // Fails with UsageError on an option not in `known`.
    void AllowOnly(const std::vector<std::string>& known) const;

    std::optional<long> GetInt(const std::string& name, long min, long max) const;
    std::optional<Date> GetDate(const std::string& name) const;

private:
    std::vector<std::string> m_positionals;
    std::map<std::string, std::string> m_values;
};

// Strict parsers: a malformed or impossible value throws UsageError naming `what`.
Date ParseDate(const std::string& text, const std::string& what);             // YYYY-MM-DD
DateTime ParseDateTime(const std::string& text, const std::string& what);     // YYYY-MM-DD HH:MM
long ParseInt(const std::string& text, long min, long max, const std::string& what);
uint32_t ParseColor(const std::string& text, const std::string& what);       // #rrggbb -> COLORREF
std::string FormatDate(const Date& date);                                    // YYYY-MM-DD
std::string FormatColor(uint32_t colorref);                                  // #rrggbb

// The application's command line: which device to run, the emulated screen,
// and the screenshot mode that renders one window offscreen and exits.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>

#include "calendar/CivilDate.h"

struct AppOptions {
    std::filesystem::path deviceDir;  // empty: the environment's choice
    int dpi = 192;
    QSize clientSize{480, 640};
    QString screenshotFile;            // empty: a normal run
    int viewKind = 1;                  // the first view (screenshots)
    std::optional<SolarDate> date;     // the first current date instead of today
    QString dialog;                    // screenshots: this dialog over the frame (see kScreenshotDialogs)

    bool IsScreenshot() const { return !screenshotFile.isEmpty(); }
};

// The dialogs --dialog can show.
inline constexpr const char* kScreenshotDialogs[] = {
    "anniversary-date",     "anniversary-day",     "calendar",           "color",
    "recurrence",           "recurrence-pattern",  "recurrence-daily",   "recurrence-weekly",
    "recurrence-monthly",   "recurrence-yearly",   "recurrence-range",   "reminder-appointment",
    "reminder-task",        "time-range",         "options",            "weather-server",
    "appointment",          "task",               "notes"};

struct ParsedOptions {
    AppOptions options;
    QString error;      // not empty: the command line was refused
    bool help = false;  // --help was asked for
};

// Parses the arguments after the program name. Unknown options, missing or
// malformed values and sizes or densities out of range give an error.
ParsedOptions ParseAppOptions(const QStringList& arguments);

QString AppUsageText();

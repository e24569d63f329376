// OLE dates as the store keeps them, and their conversions to calendar records,
// file times and seconds. File times hold local time: no zone shift anywhere.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/time/PlatformTime.h"

std::optional<SYSTEMTIME> OleToSystemTime(double date);
std::optional<double> OleFromSystemTime(const SYSTEMTIME& st);
std::optional<double> OleFromFields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

bool OleToFileTime(double date, FILETIME& ft);
bool FileTimeToOle(const FILETIME& ft, double& date);

// Midnight of the day `date` falls on.
double OleDateOnly(double date);
// The time of day of `date` in seconds.
int OleSecondOfDay(double date);
// Whole seconds since 30 December 1899 00:00 local time; exact keys for moments.
int64_t OleToSeconds(double date);
double OleFromSeconds(int64_t seconds);

// Now, from the (overridable) system clock.
double OleNow();
// Today at midnight, from the (overridable) system clock.
double OleToday();

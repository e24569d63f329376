// The device's own files as the commands use them.
#pragma once

#include "calendar/Anniversary.h"
#include "calendar/AnniversaryDayEntries.h"
#include "calendar/CivilDate.h"

#include <cstdint>
#include <string>

// Creates the device directory on first use and installs the holidays there.
void PrepareDevice();

// Loads the program folder's anniversary list; CommandError when it cannot.
void LoadDeviceAnniversaries(AnniversaryList& list);

// The program folder that holds anniversary.dat, prepared for a transaction.
std::string DeviceAnniversaryFolder();

// After an anniversary transaction: tells the Today item to reload when it
// saved, as the application does; otherwise CommandError saying why.
void FinishAnniversarySave(int32_t saved, const std::string& error);

// The device's local date (the clock override included).
SolarDate Today();

// "SundayAsStart" of the device's settings.
bool WeekStartsOnSunday();

// "ShowHolidays" and "AgeCount" of the device's settings.
AnniversaryDisplay DeviceAnniversaryDisplay();

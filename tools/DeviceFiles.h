// The device's own files as the commands use them.
#pragma once

#include "calendar/Anniversary.h"
#include "calendar/CivilDate.h"

// Creates the device directory on first use and installs the holidays there.
void PrepareDevice();

// Loads the program folder's anniversary list; CommandError when it cannot.
void LoadDeviceAnniversaries(AnniversaryList& list);

// Saves the list and tells the Today item to reload, as the application does.
void SaveDeviceAnniversaries(AnniversaryList& list);

// The device's local date (the clock override included).
SolarDate Today();

// "SundayAsStart" of the device's settings.
bool WeekStartsOnSunday();

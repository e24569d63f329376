// Reading the cached reply back into the forecast table, on the user-interface
// thread: when the weather view opens and when a retrieval has finished.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "weather/GoogleWeather.h"
#include "weather/WeatherDay.h"

// Parses the vendor's cache file in `weatherFolder` with its parser. No file,
// an empty or broken one, or another vendor leaves the table as it was.
// Returns the records written; `pictures` gets the pictures they name.
int LoadWeather(WeatherTable& table, int32_t vendor, const std::filesystem::path& weatherFolder, int dpiX,
                std::vector<WeatherPictureRequest>* pictures = nullptr);

// The XML services' cache as wide text: code page 949, as the device wrote it.
std::u16string DecodeXmlCache(std::string_view bytes);

// The requests whose file is not in `weatherFolder` yet.
std::vector<WeatherPictureRequest> MissingPictures(const std::vector<WeatherPictureRequest>& pictures,
                                                   const std::filesystem::path& weatherFolder);

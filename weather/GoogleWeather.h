// The Google service's reply: xml_api_reply > weather > forecast_information
// (forecast_date "yyyy-mm-dd") and forecast_conditions (low, high, icon).
// Each day's picture is a file named after the icon, fetched once.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "weather/WeatherDay.h"

// A picture the reply names: the local file name and the path to fetch it
// from on the Google host.
struct WeatherPictureRequest {
    std::string fileName;
    std::string urlPath;
};

// Writes up to six records, the i-th forecast dated i calendar days after the
// forecast date. Icon names that are not plain give the not-available index.
// `pictures` (optional) receives every picture the records name.
int ParseGoogleWeather(WeatherTable& table, std::u16string_view text, int dpiX,
                       std::vector<WeatherPictureRequest>* pictures = nullptr);

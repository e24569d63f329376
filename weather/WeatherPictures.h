// Condition pictures: the strip of ten pictures shipped with the program and
// the picture files fetched for the Google service into the weather folder.
#pragma once

#include <QImage>
#include <QRect>
#include <filesystem>
#include <string>
#include <string_view>

inline constexpr int kStripPictureCount = 10;
inline constexpr int kStripPictureSize = 26;  // at 96 dpi; the 2x strip holds 52 x 52
inline constexpr const char* kWeatherStripFile = "weather.bmp";
inline constexpr const char* kWeatherStrip2xFile = "weather2x.bmp";
inline constexpr int kLongestIconName = 64;

// A name from a reply becomes a local file name only when it is plain: not
// empty, short, no separators, no "..", no control characters, no leading dot.
bool IsPlainIconName(std::string_view name);

// "weather2x.bmp" from 132 dpi up, else "weather.bmp".
const char* WeatherStripFileForDpi(int dpiX);

// Picture `index` of a strip whose pictures are `pictureSize` wide; empty
// for an index outside the strip (the not-available index 10 included).
QRect StripPictureRect(int index, int pictureSize);

// The strip's picture, with white made transparent when the cell is not white.
QImage StripPicture(const QImage& strip, int index, bool whiteTransparent);

// Where a fetched picture lives; empty for a name that is not plain.
std::filesystem::path FetchedPicturePath(const std::filesystem::path& weatherFolder, std::string_view iconFile);

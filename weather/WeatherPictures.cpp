#include "weather/WeatherPictures.h"

#include "platform/shell/Density.h"

bool IsPlainIconName(std::string_view name)
{
    if (name.empty() || name.size() > static_cast<size_t>(kLongestIconName) || name.front() == '.') return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':') return false;
    return name.find("..") == std::string_view::npos;
}

const char* WeatherStripFileForDpi(int dpiX)
{
    return ImageSetForDpi(dpiX) == kImageSetCount - 1 ? kWeatherStrip2xFile : kWeatherStripFile;
}

QRect StripPictureRect(int index, int pictureSize)
{
    if (index < 0 || index >= kStripPictureCount || pictureSize <= 0) return {};
    return {index * pictureSize, 0, pictureSize, pictureSize};
}

QImage StripPicture(const QImage& strip, int index, bool whiteTransparent)
{
    const int size = strip.width() / kStripPictureCount;
    const QRect rect = StripPictureRect(index, size);
    if (rect.isEmpty() || strip.height() < size) return {};
    QImage picture = strip.copy(rect).convertToFormat(QImage::Format_ARGB32);
    if (!whiteTransparent) return picture;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((line[x] & 0xFFFFFFu) == 0xFFFFFFu) line[x] = 0;
    }
    return picture;
}

std::filesystem::path FetchedPicturePath(const std::filesystem::path& weatherFolder, std::string_view iconFile)
{
    if (!IsPlainIconName(iconFile)) return {};
    return weatherFolder / std::string(iconFile);
}

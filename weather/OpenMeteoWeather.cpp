#include "weather/OpenMeteoWeather.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <cmath>

#include "calendar/CivilDate.h"

namespace {

QJsonDocument ReadJson(std::string_view json)
{
    return QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())));
}

// "2024-03-31" -> a valid date.
std::optional<SolarDate> IsoDate(const QJsonValue& value)
{
    const QString text = value.toString();
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-') return std::nullopt;
    bool okYear = false, okMonth = false, okDay = false;
    const SolarDate date{text.left(4).toInt(&okYear), text.mid(5, 2).toInt(&okMonth), text.mid(8, 2).toInt(&okDay)};
    if (!okYear || !okMonth || !okDay || !IsValidSolarDate(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

// Degrees a forecast can hold; anything else is a broken reply.
std::optional<int32_t> Degrees(const QJsonValue& value)
{
    if (!value.isDouble()) return std::nullopt;
    const double degrees = value.toDouble();
    if (!std::isfinite(degrees) || std::fabs(degrees) > 200.0) return std::nullopt;
    return static_cast<int32_t>(std::lround(degrees));
}

std::optional<int32_t> Code(const QJsonValue& value)
{
    if (!value.isDouble()) return std::nullopt;
    const double code = value.toDouble();
    if (!(code >= 0.0 && code <= 1000.0) || code != std::floor(code)) return std::nullopt;
    return static_cast<int32_t>(code);
}

} // namespace

int32_t MapWmoCode(int32_t code)
{
    switch (code) {
    case 0: return 0;                                   // clear sky
    case 1: case 2: return 1;                           // mainly clear, partly cloudy
    case 3: return 2;                                   // overcast
    case 45: case 48: return 4;                         // fog, rime fog
    case 51: case 53: case 55:                          // drizzle
    case 56: case 57:                                   // freezing drizzle
    case 61: case 63: case 65:                          // rain
    case 66: case 67:                                   // freezing rain
    case 80: case 81: case 82: return 5;                // rain showers
    case 71: case 73: case 75: case 77:                 // snow, snow grains
    case 85: case 86: return 6;                         // snow showers
    case 95: case 96: case 99: return 9;                // thunderstorms, with hail
    default: return kWeatherIconNotAvailable;
    }
}

int ParseOpenMeteoWeather(WeatherTable& table, std::string_view json)
{
    WeatherTableWriter writer(table);
    const QJsonObject daily = ReadJson(json).object().value(QLatin1String("daily")).toObject();
    const QJsonArray dates = daily.value(QLatin1String("time")).toArray();
    const QJsonArray codes = daily.value(QLatin1String("weather_code")).toArray();
    const QJsonArray lows = daily.value(QLatin1String("temperature_2m_min")).toArray();
    const QJsonArray highs = daily.value(QLatin1String("temperature_2m_max")).toArray();
    for (qsizetype i = 0; i < dates.size() && !writer.Full(); ++i) {
        const std::optional<SolarDate> date = IsoDate(dates.at(i));
        const std::optional<int32_t> low = Degrees(lows.at(i));
        const std::optional<int32_t> high = Degrees(highs.at(i));
        const std::optional<int32_t> code = Code(codes.at(i));
        if (!date || !low || !high || !code) continue;
        writer.Write({date->year, date->month, date->day, *low, *high, MapWmoCode(*code), {}});
    }
    return writer.Count();
}

std::optional<Coordinates> ParseCoordinates(std::string_view location)
{
    const QStringList parts = QString::fromUtf8(location.data(), static_cast<qsizetype>(location.size()))
                                  .split(QLatin1Char(','));
    if (parts.size() != 2) return std::nullopt;
    bool okLatitude = false, okLongitude = false;
    const QLocale c = QLocale::c();
    const Coordinates place{c.toDouble(parts[0].trimmed(), &okLatitude), c.toDouble(parts[1].trimmed(), &okLongitude)};
    if (!okLatitude || !okLongitude || std::fabs(place.latitude) > 90.0 || std::fabs(place.longitude) > 180.0)
        return std::nullopt;
    return place;
}

std::optional<Coordinates> ParseGeocodingReply(std::string_view json)
{
    const QJsonArray results = ReadJson(json).object().value(QLatin1String("results")).toArray();
    if (results.isEmpty()) return std::nullopt;
    const QJsonObject first = results.first().toObject();
    const QJsonValue latitude = first.value(QLatin1String("latitude"));
    const QJsonValue longitude = first.value(QLatin1String("longitude"));
    if (!latitude.isDouble() || !longitude.isDouble()) return std::nullopt;
    const std::string text = CoordinateText(latitude.toDouble()) + "," + CoordinateText(longitude.toDouble());
    return ParseCoordinates(text);
}

std::string CoordinateText(double value)
{
    return QString::number(value, 'f', 4).toStdString();
}

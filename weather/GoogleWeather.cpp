#include "weather/GoogleWeather.h"

#include "calendar/CivilDate.h"
#include "weather/WeatherPictures.h"
#include "weather/WeatherText.h"
#include "weather/XmlReader.h"

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The icon path as received may only name a path on the Google host itself.
bool IsHostPath(std::string_view path)
{
    if (path.size() < 2 || path[0] != '/' || path[1] == '/') return false;
    for (unsigned char c : path)
        if (c <= 0x20 || c == 0x7F || c == '\\' || c == '@' || c == '#') return false;
    return true;
}

} // namespace

int ParseGoogleWeather(WeatherTable& table, std::u16string_view text, int dpiX,
                       std::vector<WeatherPictureRequest>* pictures)
{
    WeatherTableWriter writer(table);
    CXmlReader xml;
    if (!xml.Parse(text)) return 0;
    if (!xml.FindElement(u"xml_api_reply") || !xml.IntoElement()) return 0;
    if (!xml.FindElement(u"weather") || !xml.IntoElement()) return 0;
    // Without a forecast date the days cannot be placed: no records.
    if (!xml.FindElement(u"forecast_information") || !xml.IntoElement()) return 0;
    if (!xml.FindElement(u"forecast_date")) return 0;
    const std::u16string date = xml.GetAttribute(u"data");
    if (date.size() != 10) return 0;
    const std::u16string_view dateView(date);
    const SolarDate start{LeadingDecimal(dateView.substr(0, 4)), LeadingDecimal(dateView.substr(5, 2)),
                          LeadingDecimal(dateView.substr(8, 2))};
    if (!IsValidSolarDate(start.year, start.month, start.day)) return 0;
    xml.OutOfElement();

    const bool lowDensity = dpiX < 192;
    for (int i = 0; !writer.Full() && xml.FindElement(u"forecast_conditions"); ++i) {
        xml.IntoElement();
        // Calendar days, so that a daylight-saving change does not shift the forecast.
        const SolarDate date = AddDays(start, i);
        WeatherDay day;
        day.year = date.year;
        day.month = date.month;
        day.day = date.day;
        if (xml.FindElement(u"low")) day.low = LeadingDecimal(xml.GetAttribute(u"data"));
        if (xml.FindElement(u"high")) day.high = LeadingDecimal(xml.GetAttribute(u"data"));
        std::string icon;
        if (xml.FindElement(u"icon")) icon = ToUtf8(xml.GetAttribute(u"data"));
        const size_t slash = icon.rfind('/');
        std::string name = slash == std::string::npos ? icon : icon.substr(slash + 1);
        if (lowDensity) ReplaceAll(name, ".png", ".gif");
        if (IsPlainIconName(name)) {
            day.iconFile = name;
            const std::string path = lowDensity ? "/calendar/images/weather/" + name : icon;
            if (pictures != nullptr && IsHostPath(path)) pictures->push_back({name, path});
        } else {
            day.iconIndex = kWeatherIconNotAvailable;  // a used day without a picture
        }
        writer.Write(day);
        xml.OutOfElement();
    }
    return writer.Count();
}

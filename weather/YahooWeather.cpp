#include "weather/YahooWeather.h"

#include "weather/WeatherText.h"
#include "weather/XmlReader.h"

namespace {

// The service's published code table folded onto the ten pictures.
constexpr int8_t kPictureOfCode[48] = {
    10, 9, 4, 9, 9, 7, 8, 8, 5, 5,  //  0- 9
    5,  5, 5, 6, 6, 6, 6, 7, 7, 3,  // 10-19
    4,  4, 2, 3, 4, 4, 2, 2, 2, 1,  // 20-29
    1,  1, 0, 1, 1, 6, 0, 9, 9, 9,  // 30-39
    5,  6, 6, 6, 1, 9, 6, 9,        // 40-47
};

} // namespace

int32_t MapYahooCode(int32_t code)
{
    if (code < 0 || code > 47) return kWeatherIconNotAvailable;
    return kPictureOfCode[code];
}

int32_t MonthNameToNumber(std::u16string_view text)
{
    static constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                              "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    if (text.size() != 3) return 0;
    for (int month = 0; month < 12; ++month) {
        bool same = true;
        for (size_t i = 0; i < 3 && same; ++i) {
            char16_t c = text[i];
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
            same = c == static_cast<char16_t>(kMonths[month][i]);
        }
        if (same) return month + 1;
    }
    return 0;
}

int ParseYahooWeather(WeatherTable& table, std::u16string_view text)
{
    WeatherTableWriter writer(table);
    CXmlReader xml;
    if (!xml.Parse(text)) return 0;
    for (const char16_t* level : {u"rss", u"channel", u"item"}) {
        if (!xml.FindElement(level) || !xml.IntoElement()) return 0;
    }
    while (!writer.Full() && xml.FindElement(u"yweather:forecast")) {
        const std::u16string date = xml.GetAttribute(u"date");
        if (date.size() != 11) continue;  // "7 Nov 2009" has no fixed columns
        WeatherDay day;
        day.day = LeadingDecimal(std::u16string_view(date).substr(0, 2));
        day.month = MonthNameToNumber(std::u16string_view(date).substr(3, 3));
        day.year = LeadingDecimal(std::u16string_view(date).substr(7, 4));
        day.low = LeadingDecimal(xml.GetAttribute(u"low"));
        day.high = LeadingDecimal(xml.GetAttribute(u"high"));
        day.iconIndex = MapYahooCode(LeadingDecimal(xml.GetAttribute(u"code")));
        writer.Write(day);
    }
    return writer.Count();
}

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

#include "weather/GoogleWeather.h"
#include "weather/LoadWeather.h"
#include "weather/OpenMeteoWeather.h"
#include "weather/WeatherPictures.h"
#include "weather/WeatherSources.h"
#include "weather/WeatherText.h"
#include "weather/YahooWeather.h"

namespace {

std::string Reply(const char* name)
{
    std::ifstream in(std::string(DAYVANE_WEATHER_REPLIES) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Dates(const WeatherTable& table)
{
    std::string out;
    for (const WeatherDay& d : table)
        if (!d.IsFree()) out += std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day) + " ";
    return out;
}

TEST(YahooWeather, FixedColumnDatesCodesAndTemperatures)
{
    WeatherTable table;
    ASSERT_EQ(ParseYahooWeather(table, DecodeXmlCache(Reply("yahoo.xml"))), 3);
    EXPECT_EQ(Dates(table), "2009-11-17 2009-11-18 2009-11-19 ");  // "7 Nov 2009" skipped
    EXPECT_EQ(table[0].low, -2);
    EXPECT_EQ(table[0].high, 8);
    EXPECT_EQ(table[0].iconIndex, 0);
    EXPECT_EQ(table[1].iconIndex, 1);
    EXPECT_EQ(table[2].iconIndex, 9);
    EXPECT_TRUE(table[0].iconFile.empty());
}

TEST(YahooWeather, CodeTableAndMonthNames)
{
    EXPECT_EQ(MapYahooCode(0), 10);
    EXPECT_EQ(MapYahooCode(48), 10);
    EXPECT_EQ(MapYahooCode(3200), 10);
    EXPECT_EQ(MapYahooCode(-1), 10);
    EXPECT_EQ(MapYahooCode(32), 0);
    EXPECT_EQ(MapYahooCode(47), 9);
    EXPECT_EQ(MapYahooCode(35), 6);
    EXPECT_EQ(MonthNameToNumber(u"Nov"), 11);
    EXPECT_EQ(MonthNameToNumber(u"jan"), 1);
    EXPECT_EQ(MonthNameToNumber(u"DEC"), 12);
    EXPECT_EQ(MonthNameToNumber(u"Noe"), 0);
}

TEST(WeatherText, LeadingDecimalSaturatesAndStopsAtTheFirstNonDigit)
{
    EXPECT_EQ(LeadingDecimal(u"  -3x"), -3);
    EXPECT_EQ(LeadingDecimal(u"+12"), 12);
    EXPECT_EQ(LeadingDecimal(u"abc"), 0);
    EXPECT_EQ(LeadingDecimal(u""), 0);
    EXPECT_EQ(LeadingDecimal(u"99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingDecimal(u"-99999999999999999999"), -2147483647 - 1);
}

TEST(GoogleWeather, DaysFollowTheForecastDateAndPicturesDependOnDensity)
{
    WeatherTable table;
    std::vector<WeatherPictureRequest> pictures;
    ASSERT_EQ(ParseGoogleWeather(table, DecodeXmlCache(Reply("google.xml")), 96, &pictures), 4);
    EXPECT_EQ(Dates(table), "2009-11-7 2009-11-8 2009-11-9 2009-11-10 ");
    EXPECT_EQ(table[0].low, -3);
    EXPECT_EQ(table[0].high, 5);
    EXPECT_EQ(table[0].iconFile, "sunny.gif");
    EXPECT_EQ(table[0].iconIndex, -1);
    ASSERT_EQ(pictures.size(), 4u);
    EXPECT_EQ(pictures[0].urlPath, "/calendar/images/weather/sunny.gif");

    WeatherTable sharp;
    pictures.clear();
    ParseGoogleWeather(sharp, DecodeXmlCache(Reply("google.xml")), 192, &pictures);
    EXPECT_EQ(sharp[1].iconFile, "mostly_sunny.png");
    EXPECT_EQ(pictures[1].urlPath, "/ig/images/weather/mostly_sunny.png");
}

TEST(GoogleWeather, ForecastAcrossMonthAndYearEnds)
{
    const std::u16string reply =
        u"<xml_api_reply><weather><forecast_information><forecast_date data='2009-12-30'/></forecast_information>"
        u"<forecast_conditions/><forecast_conditions/><forecast_conditions/></weather></xml_api_reply>";
    WeatherTable table;
    EXPECT_EQ(ParseGoogleWeather(table, reply, 96), 3);
    EXPECT_EQ(Dates(table), "2009-12-30 2009-12-31 2010-1-1 ");
    EXPECT_EQ(table[0].iconIndex, kWeatherIconNotAvailable);  // no icon: used, nothing drawn
}

TEST(GoogleWeather, ForecastAcrossADaylightSavingChangeKeepsOneDayPerRecord)
{
    // 1 November 2009 had 25 hours in New York.
    const char* oldZone = std::getenv("TZ");
    const std::string saved = oldZone != nullptr ? oldZone : "";
    setenv("TZ", "America/New_York", 1);
    tzset();
    const std::u16string reply =
        u"<xml_api_reply><weather><forecast_information><forecast_date data='2009-10-31'/></forecast_information>"
        u"<forecast_conditions/><forecast_conditions/><forecast_conditions/></weather></xml_api_reply>";
    WeatherTable table;
    ParseGoogleWeather(table, reply, 96);
    EXPECT_EQ(Dates(table), "2009-10-31 2009-11-1 2009-11-2 ");
    setenv("TZ", saved.c_str(), 1);
    tzset();
}

TEST(GoogleWeather, HostileIconNamesAreNeitherFilesNorFetched)
{
    const std::u16string reply =
        u"<xml_api_reply><weather><forecast_information><forecast_date data='2009-11-07'/></forecast_information>"
        u"<forecast_conditions><icon data='/x/..'/></forecast_conditions>"
        u"<forecast_conditions><icon data='/x/a\\..\\b.png'/></forecast_conditions>"
        u"<forecast_conditions><icon data='/x/.hidden.png'/></forecast_conditions>"
        u"<forecast_conditions><icon data='@evil.example/sunny.png'/></forecast_conditions>"
        u"</weather></xml_api_reply>";
    WeatherTable table;
    std::vector<WeatherPictureRequest> pictures;
    EXPECT_EQ(ParseGoogleWeather(table, reply, 192, &pictures), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(table[i].iconFile.empty()) << i;
        EXPECT_EQ(table[i].iconIndex, kWeatherIconNotAvailable);
    }
    EXPECT_EQ(table[3].iconFile, "sunny.png");  // a plain name, but not a path on the host
    EXPECT_TRUE(pictures.empty());
    EXPECT_FALSE(IsPlainIconName(std::string(100, 'a')));
    EXPECT_FALSE(IsPlainIconName("a\x01.png"));
    EXPECT_TRUE(IsPlainIconName("chance_of_rain.gif"));
}

TEST(GoogleWeather, BadForecastDatesGiveNoRecords)
{
    for (const char16_t* date : {u"2009-11-7", u"2009-13-07", u"abcd-ef-gh", u"2009-02-30"}) {
        const std::u16string reply = u"<xml_api_reply><weather><forecast_information><forecast_date data='" +
                                     std::u16string(date) +
                                     u"'/></forecast_information><forecast_conditions/></weather></xml_api_reply>";
        WeatherTable table;
        EXPECT_EQ(ParseGoogleWeather(table, reply, 96), 0) << ToUtf8(date);
    }
}

TEST(OpenMeteoWeather, SixDaysRoundedHalvesAwayFromZero)
{
    WeatherTable table;
    ASSERT_EQ(ParseOpenMeteoWeather(table, Reply("openmeteo.json")), 6);  // the seventh day never
    EXPECT_EQ(Dates(table), "2009-11-7 2009-11-8 2009-11-9 2009-11-10 2009-11-11 2009-11-12 ");
    EXPECT_EQ(table[0].low, -3);   // -2.5
    EXPECT_EQ(table[0].high, 5);   // 5.4
    EXPECT_EQ(table[1].high, 12);  // 11.5
    EXPECT_EQ(table[3].high, -1);  // -0.5
    EXPECT_EQ(table[2].iconIndex, 5);
    EXPECT_TRUE(table[6].IsFree());
}

TEST(OpenMeteoWeather, MissingNullAndAbsurdValuesSkipTheDay)
{
    const std::string reply = R"({"daily":{"time":["2009-11-07","2009-11-08",null,"2009-11-10","bad"],
        "weather_code":[0,null,3,1e300,2],"temperature_2m_max":[5.5,3,4,1e300,1],
        "temperature_2m_min":[-0.5,1]}})";
    WeatherTable table;
    EXPECT_EQ(ParseOpenMeteoWeather(table, reply), 1);
    EXPECT_EQ(table[0].high, 6);
    EXPECT_EQ(table[0].low, -1);
    for (const char* broken : {"", "[]", "{", "not json", R"({"daily":5})", R"({"daily":{"time":"x"}})"})
        EXPECT_EQ(ParseOpenMeteoWeather(table, broken), 0) << broken;
}

TEST(OpenMeteoWeather, EveryWmoCodeHasAPicture)
{
    const std::pair<int, int> table[] = {
        {0, 0},  {1, 1},  {2, 1},  {3, 2},  {45, 4}, {48, 4}, {51, 5}, {53, 5}, {55, 5}, {56, 5},
        {57, 5}, {61, 5}, {63, 5}, {65, 5}, {66, 5}, {67, 5}, {71, 6}, {73, 6}, {75, 6}, {77, 6},
        {80, 5}, {81, 5}, {82, 5}, {85, 6}, {86, 6}, {95, 9}, {96, 9}, {99, 9},
    };
    for (const auto& [code, picture] : table) EXPECT_EQ(MapWmoCode(code), picture) << code;
    for (int code : {4, 44, 50, 100, -1}) EXPECT_EQ(MapWmoCode(code), kWeatherIconNotAvailable);
}

TEST(OpenMeteoWeather, CoordinatesAndGeocoding)
{
    ASSERT_TRUE(ParseCoordinates("37.57, 126.98"));
    EXPECT_DOUBLE_EQ(ParseCoordinates("37.57,126.98")->longitude, 126.98);
    EXPECT_FALSE(ParseCoordinates("서울"));
    EXPECT_FALSE(ParseCoordinates("91,0"));
    EXPECT_FALSE(ParseCoordinates("1,2,3"));
    const auto place = ParseGeocodingReply(Reply("geocoding.json"));
    ASSERT_TRUE(place);
    EXPECT_EQ(CoordinateText(place->latitude), "37.5660");
    EXPECT_FALSE(ParseGeocodingReply(R"({"results":[]})"));
    EXPECT_FALSE(ParseGeocodingReply(R"({"results":[{"latitude":null}]})"));
}

TEST(WeatherDay, CellsTakeTheFirstMatchingRecordAndStopAtAFreeOne)
{
    WeatherTable table;
    table[0] = {2009, 11, 7, -3, 5, 2, {}};
    table[1] = {2009, 11, 7, 9, 9, 3, {}};
    table[3] = {2009, 11, 9, 1, 1, 1, {}};  // behind a free record
    const WeatherCell cell = LookupWeather(table, 2009, 11, 7);
    EXPECT_EQ(cell.temperatureText, "-3~5\u00B0");
    EXPECT_EQ(cell.iconIndex, 2);
    const WeatherCell none = LookupWeather(table, 2009, 11, 9);
    EXPECT_EQ(none.iconIndex, -1);
    EXPECT_TRUE(none.temperatureText.empty());
}

TEST(WeatherSources, RequestsEncodeTheLocationAndTheListKeepsVendorNumbers)
{
    EXPECT_EQ(GoogleRequestPath("new york&x=1"), "/ig/api?weather=new%20york%26x%3D1&hl=ko");
    EXPECT_EQ(YahooRequestPath("서울"), "/forecastrss?p=%EC%84%9C%EC%9A%B8&u=c");
    const auto list = WeatherVendorList();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].name, "Google (Unofficial)");
    EXPECT_EQ(list[0].vendor, 0);
    EXPECT_EQ(list[1].name, "Open-Meteo");
    EXPECT_EQ(list[1].vendor, 2);
    EXPECT_EQ(list[2].vendor, 1);
    EXPECT_EQ(WeatherCacheName(3), "");
}

TEST(WeatherPictures, StripPicturesAndWhiteTransparency)
{
    QImage strip(260, 26, QImage::Format_RGB32);
    strip.fill(Qt::white);
    strip.setPixel(26 * 3 + 5, 5, qRgb(10, 20, 30));
    const QImage plain = StripPicture(strip, 3, false);
    const QImage clear = StripPicture(strip, 3, true);
    ASSERT_EQ(plain.size(), QSize(26, 26));
    EXPECT_EQ(qAlpha(plain.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(clear.pixel(0, 0)), 0);
    EXPECT_EQ(clear.pixel(5, 5), qRgb(10, 20, 30));
    EXPECT_TRUE(StripPicture(strip, kWeatherIconNotAvailable, false).isNull());
    EXPECT_EQ(StripPictureRect(9, 52), QRect(468, 0, 52, 52));
    EXPECT_STREQ(WeatherStripFileForDpi(96), "weather.bmp");
    EXPECT_STREQ(WeatherStripFileForDpi(132), "weather2x.bmp");
}

} // namespace

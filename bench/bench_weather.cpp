// The markup reader over a large reply, and LoadWeather for a real-sized
// reply of each service (read the cache, convert, parse, fill the table).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "weather/LoadWeather.h"
#include "weather/WeatherText.h"
#include "weather/XmlReader.h"

namespace {

std::string Reply(const char* name)
{
    std::ifstream in(std::string(DAYVANE_WEATHER_REPLIES) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// About 1 MB of Yahoo-shaped markup (ASCII, so one byte of reply a code unit):
// many channels of forecasts with comments and text.
std::u16string MegabyteReply()
{
    std::string text = "<?xml version=\"1.0\"?><rss version=\"2.0\">";
    int i = 0;
    while (text.size() < (1u << 20)) {
        text += "<channel><title>Seoul &amp; around</title><!-- day " + std::to_string(i++) +
                " --><item><yweather:forecast day=\"Tue\" date=\"17 Nov 2009\" low=\"-2\" high=\"8\" "
                "text=\"Sunny\" code=\"32\"/><description><![CDATA[<b>x</b>]]></description></item></channel>\n";
    }
    text += "</rss>";
    return ToUtf16(text);
}

void BM_XmlParseMegabyte(benchmark::State& state)
{
    const std::u16string text = MegabyteReply();
    CXmlReader xml;
    for (auto _ : state) {
        bool parsed = xml.Parse(text);
        benchmark::DoNotOptimize(parsed);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_XmlParseMegabyte)->Unit(benchmark::kMillisecond);

void BM_XmlParseAndWalkMegabyte(benchmark::State& state)
{
    const std::u16string text = MegabyteReply();
    CXmlReader xml;
    for (auto _ : state) {
        xml.Parse(text);
        int found = 0;
        xml.FindElement(u"rss");
        xml.IntoElement();
        while (xml.FindElement(u"channel")) {
            xml.IntoElement();
            if (xml.FindElement(u"item") && xml.IntoElement() && xml.FindElement(u"yweather:forecast"))
                found += static_cast<int>(xml.GetAttribute(u"low").size());
            xml.OutOfElement();
            xml.OutOfElement();
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_XmlParseAndWalkMegabyte)->Unit(benchmark::kMillisecond);

void BM_LoadWeather(benchmark::State& state)
{
    const int vendor = static_cast<int>(state.range(0));
    const char* reply = vendor == 0 ? "google.xml" : vendor == 1 ? "yahoo.xml" : "openmeteo.json";
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("dayvane-bench-weather-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / (vendor == 2 ? "weather.json" : "weather.xml"), std::ios::binary) << Reply(reply);
    for (auto _ : state) {
        WeatherTable table;
        benchmark::DoNotOptimize(LoadWeather(table, vendor, folder, 96));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadWeather)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

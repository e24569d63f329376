// The weather month view through the frame's commands, against the local
// weather server for each service: the question first, then the forecast.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <filesystem>
#include <stdexcept>

#include "app/MainFrame.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/shell/MessageBox.h"
#include "resources/CommandIds.h"
#include "resources/Strings.h"
#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"
#include "tests/app/AppTestSupport.h"
#include "tests/weather/WeatherServer.h"
#include "views/month/MonthViewWeather.h"

namespace {

struct Service {
    int32_t vendor;
    const char* location;
    int records;
    int firstDay;  // of November 2009
};

class MainFrameWeatherTest : public DeviceTest, public ::testing::WithParamInterface<Service> {
protected:
    CMainFrame& Start()
    {
        const CRegistry registry;
        registry.SetInt(kSettingsRoot, kSettingsKey, SettingName::kWeatherVendor, GetParam().vendor);
        registry.SetString(kSettingsRoot, kSettingsKey, SettingName::kWeatherLocation, GetParam().location);
        for (const char* host : {SettingName::kWeatherGoogleHost, SettingName::kWeatherYahooHost,
                                 SettingName::kOpenMeteoHost, SettingName::kOpenMeteoGeocodingHost})
            registry.SetString(kSettingsRoot, kSettingsKey, host, m_server.Url().c_str());
        m_frame = std::make_unique<CMainFrame>(QSize(640, 480));
        m_frame->SetDialogs(std::make_unique<RecordingDialogs>());
        EXPECT_TRUE(m_frame->Create()) << m_frame->StartupError().toStdString();
        m_frame->show();
        // The recorded replies forecast from 7 November 2009.
        m_frame->SetCurrentDate(TimeFromFields(2009, 11, 7, 9, 0, 0));
        m_frame->OnCommand(ID_VIEW_MONTH_WEATHER);
        return *m_frame;
    }
    int ForecastCells() const
    {
        int count = 0;
        for (int i = 0; i < kMonthGridCells; ++i)
            count += m_frame->MonthWeatherView()->WeatherOf(i).temperatureText.empty() ? 0 : 1;
        return count;
    }
    const WeatherCell& WeatherOn(int day) const
    {
        const CMonthViewWeather& view = *m_frame->MonthWeatherView();
        const int index = MonthCellOf(view.Cells(), SolarDate{2009, 11, day});
        if (index < 0) throw std::logic_error("not in the grid");
        return view.WeatherOf(index);
    }
    bool WaitForRetrieval() const
    {
        QElapsedTimer timer;
        timer.start();
        while (m_frame->MonthWeatherView()->IsRetrieving() && timer.elapsed() < 20000) QTest::qWait(20);
        return !m_frame->MonthWeatherView()->IsRetrieving();
    }

    WeatherServer m_server;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace

TEST_P(MainFrameWeatherTest, RefreshAsksFirstThenShowsTheServersForecast)
{
    ASSERT_FALSE(m_server.Url().empty());
    CMainFrame& frame = Start();
    ASSERT_NE(frame.MonthWeatherView(), nullptr);
    EXPECT_EQ(ForecastCells(), 0);

    MessageBoxScript::QueueAnswer(IDNO);
    frame.OnCommand(ID_WEATHER_REFRESH);
    ASSERT_EQ(MessageBoxScript::Shown().size(), 1u);
    EXPECT_EQ(MessageBoxScript::Shown()[0].text, LoadString(IDS_WEATHER_NEEDS_INTERNET));
    EXPECT_FALSE(frame.MonthWeatherView()->IsRetrieving());

    MessageBoxScript::QueueAnswer(IDYES);
    frame.OnCommand(ID_WEATHER_REFRESH);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("2009/11 - Retrieving..."));
    ASSERT_TRUE(WaitForRetrieval());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("2009/11"));
    EXPECT_EQ(ForecastCells(), GetParam().records);

    // Leaving and coming back shows the cached forecast.
    frame.OnCommand(ID_VIEW_WEEK);
    frame.OnCommand(ID_VIEW_MONTH_WEATHER);
    EXPECT_EQ(ForecastCells(), GetParam().records);
    const WeatherCell& first = WeatherOn(GetParam().firstDay);
    EXPECT_FALSE(first.temperatureText.empty());
    if (GetParam().vendor == 0)
        EXPECT_TRUE(std::filesystem::is_regular_file(ProgramFolder() / "weather" / first.iconFile));
    else
        EXPECT_GE(first.iconIndex, 0);
}

INSTANTIATE_TEST_SUITE_P(EachService, MainFrameWeatherTest,
                         ::testing::Values(Service{0, "서울", 4, 7}, Service{1, "KSXX0037", 3, 17},
                                           Service{2, "서울", 6, 7}),
                         [](const auto& info) { return std::to_string(info.param.vendor); });

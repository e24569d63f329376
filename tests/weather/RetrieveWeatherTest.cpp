#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>

#include "platform/shell/WindowMessage.h"
#include "settings/Settings.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/weather/WeatherServer.h"
#include "weather/LoadWeather.h"
#include "weather/RetrieveWeather.h"

namespace {

void EnsureApp()
{
    static int argc = 1;
    static char name[] = "weather_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
}

class DoneCounter : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (AsWindowMessage(e, WM_WEATHER_DONE) == nullptr) return QObject::event(e);
        ++done;
        return true;
    }
    // Processes events until a WM_WEATHER_DONE arrived or the time ran out.
    bool WaitForDone(int count = 1)
    {
        QElapsedTimer timer;
        timer.start();
        while (done < count && timer.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done >= count;
    }
    int done = 0;
};

class Retrieval : public ::testing::Test {
protected:
    Retrieval() { EnsureApp(); }
    WeatherConfig Config(int32_t vendor, std::string location = "서울") const
    {
        return {vendor, std::move(location), server.Url(), server.Url(), server.Url(), server.Url()};
    }
    std::filesystem::path Folder() const { return device.Dir() / "Dayvane" / "weather"; }
    int Load(WeatherTable& table, int32_t vendor) const { return LoadWeather(table, vendor, Folder(), 96); }

    TempDevice device;
    WeatherServer server;
    NetEnvironment net = SystemNetEnvironment();
};

TEST_F(Retrieval, EachServiceEndToEndThroughTheCache)
{
    ASSERT_TRUE(RetrieveWeather(Config(1), Folder(), 96, net).ok);
    WeatherTable yahoo;
    EXPECT_EQ(Load(yahoo, 1), 3);

    ASSERT_TRUE(RetrieveWeather(Config(0), Folder(), 96, net).ok);
    WeatherTable google;
    EXPECT_EQ(Load(google, 0), 4);
    for (const char* picture : {"sunny.gif", "mostly_sunny.gif", "rain.gif", "cloudy.gif"})
        EXPECT_TRUE(std::filesystem::is_regular_file(Folder() / picture)) << picture;

    ASSERT_TRUE(RetrieveWeather(Config(2), Folder(), 96, net).ok);
    WeatherTable openMeteo;
    EXPECT_EQ(Load(openMeteo, 2), 6);
    EXPECT_NE(server.Log().find("/ig/api?weather=%EC%84%9C%EC%9A%B8&hl=ko"), std::string::npos);
}

TEST_F(Retrieval, PlaceNamesAreGeocodedOnceAndCoordinatesNever)
{
    ASSERT_TRUE(RetrieveWeather(Config(2), Folder(), 96, net).ok);
    const WeatherGeocode remembered = LoadWeatherGeocode();
    EXPECT_EQ(remembered.location, "서울");
    EXPECT_EQ(remembered.latitude, "37.5660");
    ASSERT_TRUE(RetrieveWeather(Config(2), Folder(), 96, net).ok);
    ASSERT_TRUE(RetrieveWeather(Config(2, "35.1,129.0"), Folder(), 96, net).ok);
    const std::string log = server.Log();
    size_t searches = 0;
    for (size_t at = log.find("/v1/search"); at != std::string::npos; at = log.find("/v1/search", at + 1)) ++searches;
    EXPECT_EQ(searches, 1u);
    EXPECT_NE(log.find("latitude=35.1000&longitude=129.0000"), std::string::npos);
    EXPECT_NE(log.find("timezone=auto"), std::string::npos);

    const RetrievalResult unknown = RetrieveWeather(Config(2, "없음"), Folder(), 96, net);
    EXPECT_FALSE(unknown.ok);
    WeatherTable table;
    EXPECT_EQ(Load(table, 2), 6);  // the last forecast stays
}

TEST_F(Retrieval, FailuresKeepTheLastForecastAndOtherVendorsAskNothing)
{
    ASSERT_TRUE(RetrieveWeather(Config(1), Folder(), 96, net).ok);
    server.SetMode("cut");
    EXPECT_FALSE(RetrieveWeather(Config(1), Folder(), 96, net).ok);
    WeatherTable table;
    EXPECT_EQ(Load(table, 1), 3);

    server.SetMode("notxml");
    EXPECT_TRUE(RetrieveWeather(Config(1), Folder(), 96, net).ok);  // answered: it replaces the cache
    WeatherTable after;
    EXPECT_EQ(Load(after, 1), 0);

    const std::string before = server.Log();
    EXPECT_FALSE(RetrieveWeather(Config(3), Folder(), 96, net).ok);
    EXPECT_EQ(server.Log().size(), before.size() + std::string("/_log\n").size());
    EXPECT_EQ(LoadWeather(after, 3, Folder(), 96), 0);
}

TEST_F(Retrieval, HostileIconNamesWriteNothingOutsideTheFolder)
{
    server.SetMode("hostile");
    ASSERT_TRUE(RetrieveWeather(Config(0), Folder(), 192, net).ok);
    EXPECT_FALSE(std::filesystem::exists(device.Dir() / "evil.png"));
    EXPECT_FALSE(std::filesystem::exists(device.Dir() / "Dayvane" / "evil.png"));
    size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1u);  // the cache alone
}

TEST_F(Retrieval, OneAtATimeAndDoneIsPostedToTheReceiver)
{
    DoneCounter view;
    CWeatherRetrieval retrieval(net);
    server.SetMode("slow");
    ASSERT_TRUE(retrieval.Start(&view, Config(1), Folder(), 96));
    EXPECT_FALSE(retrieval.Start(&view, Config(1), Folder(), 96));
    server.SetMode("normal");
    ASSERT_TRUE(view.WaitForDone());
    EXPECT_TRUE(retrieval.LastResult().ok);
    EXPECT_TRUE(retrieval.Start(&view, Config(1), Folder(), 96));
    EXPECT_TRUE(view.WaitForDone(2));
}

TEST_F(Retrieval, StoppingEndsASlowRetrievalWithoutPosting)
{
    WeatherTable before;
    ASSERT_TRUE(RetrieveWeather(Config(1), Folder(), 96, net).ok);
    server.SetMode("slow");
    auto view = std::make_unique<DoneCounter>();
    {
        CWeatherRetrieval retrieval(net);
        ASSERT_TRUE(retrieval.Start(view.get(), Config(1), Folder(), 96));
        const auto started = std::chrono::steady_clock::now();
        retrieval.Stop();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(4));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(view->done, 0);
    EXPECT_EQ(Load(before, 1), 3);
}

TEST_F(Retrieval, APictureMissingWhenTheViewOpensIsFetchedInTheBackground)
{
    ASSERT_TRUE(RetrieveWeather(Config(0), Folder(), 192, net).ok);
    std::filesystem::remove(Folder() / "rain.png");
    WeatherTable table;
    std::vector<WeatherPictureRequest> pictures;
    LoadWeather(table, 0, Folder(), 192, &pictures);
    const auto missing = MissingPictures(pictures, Folder());
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].urlPath, "/ig/images/weather/rain.png");

    DoneCounter view;
    CWeatherRetrieval retrieval(net);
    ASSERT_TRUE(retrieval.StartPictureFetch(&view, missing, server.Url(), Folder()));
    ASSERT_TRUE(view.WaitForDone());
    EXPECT_TRUE(std::filesystem::is_regular_file(Folder() / "rain.png"));
}

TEST_F(Retrieval, MissingPicturesAreListedOnce)
{
    const std::vector<WeatherPictureRequest> pictures{{"a.gif", "/a"}, {"a.gif", "/a"}, {"../b.gif", "/b"}};
    std::filesystem::create_directories(Folder() / "c.gif");  // a folder is not the picture
    auto missing = MissingPictures(pictures, Folder());
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].fileName, "a.gif");
    EXPECT_EQ(FetchPictures({{"c.gif", "/calendar/images/weather/c.gif"}}, server.Url(), Folder(), net), 0);
}

} // namespace

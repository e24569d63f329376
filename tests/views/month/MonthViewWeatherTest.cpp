#include <QElapsedTimer>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "platform/shell/Density.h"
#include "resources/CommandIds.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/views/FakeFrameHost.h"
#include "tests/views/ViewTestSupport.h"
#include "tests/weather/WeatherServer.h"
#include "views/ColorRef.h"
#include "views/month/MonthViewWeather.h"

namespace {

constexpr QRgb kPictureCentre = qRgb(200, 0, 0);

// Ten pictures, each white with a red square in the middle.
void WriteStrip(const std::filesystem::path& file, int pictureSize) {
    QImage strip(pictureSize * 10, pictureSize, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int i = 0; i < 10; ++i)
        painter.fillRect(i * pictureSize + pictureSize / 4, pictureSize / 4, pictureSize / 2, pictureSize / 2,
                         QColor(kPictureCentre));
    painter.end();
    strip.save(QString::fromStdString(file.string()), "BMP");
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

class MonthViewWeatherTest : public ViewTestBase {
protected:
    MonthViewWeatherTest() : m_density(192, 192) {
        setenv("DAYVANE_NOW", "2009-11-09T10:10:00", 1);
        m_host.currentDate = TimeFromFields(2009, 11, 10, 10, 0, 0);
        std::filesystem::create_directories(Folder());
        WriteStrip(Folder() / "weather2x.bmp", 52);
        std::filesystem::copy_file(DAYVANE_WEATHER_REPLIES "/openmeteo.json", Folder() / "weather.json");
        Settings& settings = m_host.settings;
        settings.m_WeatherLocation = "37.55,127.0";
        for (std::string* host : {&settings.m_WeatherGoogleHost, &settings.m_WeatherYahooHost,
                                  &settings.m_OpenMeteoHost, &settings.m_OpenMeteoGeocodingHost})
            *host = m_server.Url();
    }
    ~MonthViewWeatherTest() override { unsetenv("DAYVANE_NOW"); }

    std::filesystem::path Folder() const { return ProgramFolder() / "weather"; }
    CMonthViewWeather& Show(QSize size = {480, 596}) {
        m_view = std::make_unique<CMonthViewWeather>(m_host);
        m_view->resize(size);
        m_view->show();
        m_view->RenderOffscreen();
        return *m_view;
    }
    int IndexOf(const SolarDate& date) const { return MonthCellOf(m_view->Cells(), date); }
    // Waits, serving events, until the retrieval has ended.
    bool WaitForRetrieval() const {
        QElapsedTimer timer;
        timer.start();
        while (m_view->IsRetrieving() && timer.elapsed() < 20000) QTest::qWait(20);
        return !m_view->IsRetrieving();
    }

    TempDevice m_device;
    WeatherServer m_server;
    DensityScope m_density;
    FakeFrameHost m_host;
    std::unique_ptr<CMonthViewWeather> m_view;
};

}  // namespace

TEST_F(MonthViewWeatherTest, CellsShowTheCachedForecastWithPicturesAndTemperatures) {
    // Cells wide enough for the whole S(26) picture beside the day number.
    CMonthViewWeather& view = Show({960, 1192});
    EXPECT_EQ(view.PictureWidth(), 52);
    // Halves round away from zero: -2.5 and 5.4.
    EXPECT_EQ(view.WeatherOf(IndexOf({2009, 11, 7})).temperatureText, "-3~5°");
    EXPECT_EQ(view.WeatherOf(IndexOf({2009, 11, 12})).iconIndex, 4);
    // Six records at most, and nothing for the days around them.
    EXPECT_TRUE(view.WeatherOf(IndexOf({2009, 11, 13})).temperatureText.empty());
    EXPECT_EQ(view.WeatherOf(IndexOf({2009, 11, 6})).iconIndex, -1);

    const QImage& image = view.OffscreenImage();
    for (const SolarDate& day : {SolarDate{2009, 11, 8}, SolarDate{2009, 11, 10}}) {
        const MonthCell& cell = view.Cells()[static_cast<size_t>(IndexOf(day))];
        const int left = cell.right - 52 - 1;
        EXPECT_EQ(image.pixel(left + 26, cell.top + 1 + 26), kPictureCentre);
        // White is copied on a white cell and shows the cell's colour elsewhere.
        const ColorRef background = day.day == 10 ? 0xFAA5BE : kWhite;
        EXPECT_EQ(image.pixelColor(left + 2, cell.top + 3), ColorFromRef(background)) << day.day;
    }
}

TEST_F(MonthViewWeatherTest, MGoesBackToTheLunarMonthView) {
    CMonthViewWeather& view = Show();
    QTest::keyClick(&view, Qt::Key_M);
    QTest::keyClick(&view, Qt::Key_M, Qt::ShiftModifier);
    EXPECT_EQ(m_host.commands, (std::vector<int>{ID_VIEW_MONTH_LUNAR, ID_VIEW_MONTH_LUNAR}));
}

TEST_F(MonthViewWeatherTest, TitleSaysRetrievingUntilTheForecastArrives) {
    ASSERT_FALSE(m_server.Url().empty());
    std::filesystem::remove(Folder() / "weather.json");
    CMonthViewWeather& view = Show({640, 480});
    EXPECT_EQ(m_host.title, QStringLiteral("2009/11"));
    EXPECT_TRUE(view.WeatherOf(IndexOf({2009, 11, 7})).temperatureText.empty());

    ASSERT_TRUE(view.StartWeatherRetrieval());
    EXPECT_EQ(m_host.title, QStringLiteral("2009/11 - Retrieving..."));
    // A second refresh never runs beside the first (it lasts until WM_WEATHER_DONE is handled).
    EXPECT_FALSE(view.StartWeatherRetrieval());
    ASSERT_TRUE(WaitForRetrieval());
    EXPECT_EQ(m_host.title, QStringLiteral("2009/11"));
    EXPECT_EQ(view.WeatherOf(IndexOf({2009, 11, 7})).temperatureText, "-3~5°");
}

TEST_F(MonthViewWeatherTest, TheUserInterfaceKeepsPaintingWhileTheServerIsSlow) {
    CMonthViewWeather& view = Show();
    PaintCounter counter;
    view.installEventFilter(&counter);
    m_server.SetMode("slow");
    QTimer ticker;
    int ticks = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        view.update();
    });
    ticker.start(10);
    ASSERT_TRUE(view.StartWeatherRetrieval());
    ASSERT_TRUE(WaitForRetrieval());
    ticker.stop();
    // The answer took five seconds; a blocked thread would have served a handful of ticks at most.
    EXPECT_GT(ticks, 100);
    EXPECT_GT(counter.paints, 100);
}

TEST_F(MonthViewWeatherTest, ClosingTheViewEndsItsRetrievalAndKeepsTheCache) {
    Show();
    m_server.SetMode("slow");
    ASSERT_TRUE(m_view->StartWeatherRetrieval());
    m_view.reset();
    // Nothing arrives for the view that is gone.
    QTest::qWait(50);
    m_server.SetMode("normal");
    CMonthViewWeather& view = Show();
    EXPECT_EQ(view.WeatherOf(IndexOf({2009, 11, 7})).temperatureText, "-3~5°");
}

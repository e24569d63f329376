#include "views/month/MonthViewWeather.h"

#include <QPainter>
#include <system_error>

#include "platform/device/DeviceDirectory.h"
#include "platform/shell/ImageFile.h"
#include "platform/shell/WindowMessage.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "views/ColorRef.h"
#include "weather/LoadWeather.h"
#include "weather/WeatherPictures.h"
#include "weather/WeatherSources.h"

namespace {

const QString kRetrievingSuffix = QStringLiteral(" - Retrieving...");

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

CMonthViewWeather::CMonthViewWeather(FrameViewHost& host, QWidget* parent, NetEnvironment environment)
    : CMonthView(host, ID_VIEW_MONTH_LUNAR, parent),
      m_config(WeatherConfigFrom(GetSettings())),
      m_weatherFolder(WeatherFolder(ProgramFolder())),
      m_retrieval(std::move(environment)) {
    PrepareCommandSurface(MonthWeatherViewSoftKeyMenu(), true);
    std::error_code ignored;
    std::filesystem::create_directory(m_weatherFolder, ignored);
    m_strip = LoadImageFile(PathText(m_weatherFolder / WeatherStripFileForDpi(Dpi().x)));
    if (!m_strip.isNull()) m_pictureWidth = m_strip.width() / kStripPictureCount;
    // Pictures the cached reply names but the folder lacks come in the
    // background, once per opening; their WM_WEATHER_DONE repaints the view.
    std::vector<WeatherPictureRequest> missing = MissingPictures(LoadForecast(), m_weatherFolder);
    if (!missing.empty()) m_retrieval.StartPictureFetch(this, std::move(missing), m_config.googleHost, m_weatherFolder);
    OnDatesFilled();
}

CMonthViewWeather::~CMonthViewWeather() { m_retrieval.Stop(); }

std::vector<WeatherPictureRequest> CMonthViewWeather::LoadForecast() {
    m_table = WeatherTable{};
    std::vector<WeatherPictureRequest> pictures;
    LoadWeather(m_table, m_config.vendor, m_weatherFolder, Dpi().x, &pictures);
    m_fetchedPictures.clear();
    return pictures;
}

void CMonthViewWeather::OnDatesFilled() {
    for (int i = 0; i < kMonthGridCells; ++i) {
        const SolarDate& date = Cells()[static_cast<size_t>(i)].date;
        WeatherCell& weather = m_weather[static_cast<size_t>(i)];
        weather = LookupWeather(m_table, date.year, date.month, date.day);
        if (weather.iconFile.empty() || m_fetchedPictures.count(weather.iconFile) != 0) continue;
        const std::filesystem::path file = FetchedPicturePath(m_weatherFolder, weather.iconFile);
        m_fetchedPictures[weather.iconFile] = file.empty() ? QImage() : LoadImageFile(PathText(file));
    }
}

bool CMonthViewWeather::StartWeatherRetrieval() {
    // The settings of this moment: a changed server counts from the next refresh.
    m_config = WeatherConfigFrom(GetSettings());
    if (IsRetrieving() || m_retrieval.IsRunning()) return false;
    if (!m_retrieval.Start(this, m_config, m_weatherFolder, Dpi().x)) return false;
    ShowStatus(kRetrievingSuffix);
    return true;
}

void CMonthViewWeather::ShowStatus(const QString& suffix) {
    m_statusSuffix = suffix;
    UpdateTitle();
    if (Geometry().portrait) update(0, 0, width(), Geometry().headerHeight);
}

bool CMonthViewWeather::event(QEvent* event) {
    if (AsWindowMessage(event, WM_WEATHER_DONE) == nullptr) return CMonthView::event(event);
    RetrievalFinished();
    return true;
}

void CMonthViewWeather::RetrievalFinished() {
    LoadForecast();
    ShowStatus(QString());
    RefreshMonthView(1);
}

QImage CMonthViewWeather::CellPicture(const WeatherCell& weather, bool onWhite) const {
    if (!weather.iconFile.empty()) {
        const auto found = m_fetchedPictures.find(weather.iconFile);
        return found == m_fetchedPictures.end() ? QImage() : found->second;
    }
    if (weather.iconIndex < 0 || m_strip.isNull()) return {};
    return StripPicture(m_strip, weather.iconIndex, !onWhite);
}

void CMonthViewWeather::PaintCellContent(QPainter& dc, int index, const MonthCell& cell, ColorRef background,
                                         bool /*isToday*/, bool /*isSelected*/) const {
    const WeatherCell& weather = m_weather[static_cast<size_t>(index)];
    const QImage picture = CellPicture(weather, background == kWhite);
    if (!picture.isNull()) {
        // Fetched pictures keep their own size and the strip's fill the S(26)
        // box, unless the cell is too small: then they shrink rather than
        // cover the day number or the temperatures.
        const bool fromStrip = weather.iconFile.empty();
        const int side = S(kStripPictureSize, Axis::X);
        QSize size = fromStrip ? QSize(side, side) : picture.size();
        const QRect free = FreeCornerArea(cell);
        if (size.width() > free.width() || size.height() > free.height())
            size.scale(free.size().expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
        dc.drawImage(QRect(QPoint(cell.right - size.width() - 1, cell.top + 1), size), picture);
    }
    if (!weather.temperatureText.empty())
        PaintFootText(dc, cell, QString::fromStdString(weather.temperatureText));
}

// The month view with weather: the month grid with, in each day cell, the
// day's condition picture in the top-right corner and its temperatures at the
// foot. It runs the weather refresh and shows in its title while one runs.
#pragma once

#include <QImage>
#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "views/month/MonthView.h"
#include "weather/RetrieveWeather.h"
#include "weather/WeatherDay.h"

class CMonthViewWeather : public CMonthView {
    Q_OBJECT
public:
    explicit CMonthViewWeather(FrameViewHost& host, QWidget* parent = nullptr,
                               NetEnvironment environment = SystemNetEnvironment());
    ~CMonthViewWeather() override;  // ends a running retrieval first

    // Downloads the forecast of the configured service in the background;
    // false, and nothing started, while a retrieval already runs.
    bool StartWeatherRetrieval();
    bool IsRetrieving() const { return !m_statusSuffix.isEmpty(); }

    const WeatherCell& WeatherOf(int index) const { return m_weather[static_cast<size_t>(index)]; }
    // Width of one picture of the loaded strip; 0 without a strip.
    int PictureWidth() const { return m_pictureWidth; }

protected:
    bool event(QEvent* event) override;
    void OnDatesFilled() override;
    void PaintCellContent(QPainter& dc, int index, const MonthCell& cell, ColorRef background, bool isToday,
                          bool isSelected) const override;
    QString TitleSuffix() const override { return m_statusSuffix; }
    bool WideTitleBox() const override { return true; }

private:
    // Returns the pictures the forecast names.
    std::vector<WeatherPictureRequest> LoadForecast();
    void RetrievalFinished();
    void ShowStatus(const QString& suffix);
    // The picture at the cell's top-right corner, null for none.
    QImage CellPicture(const WeatherCell& weather, bool onWhite) const;

    WeatherConfig m_config;
    std::filesystem::path m_weatherFolder;
    QString m_statusSuffix;
    int m_pictureWidth = 0;
    QImage m_strip;
    WeatherTable m_table{};
    std::array<WeatherCell, kMonthGridCells> m_weather{};
    std::map<std::string, QImage> m_fetchedPictures;  // by icon file; null when it did not load
    CWeatherRetrieval m_retrieval;
};

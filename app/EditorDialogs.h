// The frame's dialogs as the application runs them: the anniversary editors,
// the date picker, the options and the weather-server dialog so far; the other
// editors keep the frame's default until their modules arrive.
#pragma once

#include <vector>

#include "app/FrameDialogs.h"
#include "editors/OptionChoices.h"
#include "views/picker/PickerPainter.h"

// The weather services the weather-server dialog offers.
std::vector<OptionChoice> WeatherVendorChoices();

class EditorDialogs : public FrameDialogs {
public:
    // The settings are the frame's and outlive the dialogs.
    explicit EditorDialogs(const Settings& settings) : m_settings(settings) {}

    // Public holidays for the date picker's day numbers.

    int EditAnniversaryByDate(QWidget* owner, const AnniversaryEdit& edit) override;
    int EditAnniversaryByDay(QWidget* owner, const AnniversaryEdit& edit) override;
    bool PickDate(QWidget* owner, TimeValue& date) override;
    int RunOptions(QWidget* owner, Settings& settings) override;
    int RunWeatherServer(QWidget* owner, Settings& settings) override;

private:
    const Settings& m_settings;
};

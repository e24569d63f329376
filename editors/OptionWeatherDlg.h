// The weather-server dialog: the source, chosen from the services the
// weather layer offers (the vendor number is each entry's item data, so the
// sorted order never changes what is stored), and the location text.
#pragma once

#include <vector>

#include "editors/OptionChoices.h"
#include "platform/shell/DeviceDialog.h"

class QComboBox;
class QLineEdit;
struct Settings;

inline constexpr int IDC_OPT_WEATHER_VENDOR = 1246;
inline constexpr int IDC_OPT_WEATHER_LOCATION = 1247;

class COptionWeatherDlg : public CDeviceDialog {
    Q_OBJECT

public:
    COptionWeatherDlg(QWidget* owner, Settings& settings, std::vector<OptionChoice> vendors);

protected:
    void OnOK() override;

private:
    Settings& m_settings;
    QComboBox* m_vendor = nullptr;
    QLineEdit* m_location = nullptr;
};

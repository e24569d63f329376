#include "editors/OptionWeatherDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

#include "editors/AnniversaryDlg.h"
#include "platform/shell/ShellServices.h"
#include "resources/DialogCommands.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

COptionWeatherDlg::COptionWeatherDlg(QWidget* owner, Settings& settings, std::vector<OptionChoice> vendors)
    : CDeviceDialog(owner, QSize(156, 177), Placement::FullScreen), m_settings(settings)
{
    setWindowTitle(LoadString(IDS_OPTION_WEATHER_TITLE));
    Place(new QLabel(LoadString(IDS_OPTION_WEATHER_SERVER)), 6, 6, 140, 11);
    m_vendor = new QComboBox(Client());
    m_vendor->setObjectName(ControlName(IDC_OPT_WEATHER_VENDOR));
    Place(m_vendor, 6, 18, 140, 13);
    std::sort(vendors.begin(), vendors.end(),
              [](const OptionChoice& a, const OptionChoice& b) { return a.text < b.text; });
    FillChoices(*m_vendor, vendors);
    SelectChoice(*m_vendor, settings.m_WeatherVendor);

    Place(new QLabel(LoadString(IDS_OPTION_WEATHER_LOCATION)), 6, 38, 140, 11);
    m_location = new QLineEdit(Client());
    m_location->setObjectName(ControlName(IDC_OPT_WEATHER_LOCATION));
    Place(m_location, 6, 50, 140, 13);
    m_location->setText(QString::fromStdString(settings.m_WeatherLocation));

    SetSaveCancelCommands(*this, settings.m_UseSoftKey != 0);
    SetInputPanelPreference(this);
}

void COptionWeatherDlg::OnOK()
{
    m_settings.m_WeatherVendor = SelectedChoice(*m_vendor);
    m_settings.m_WeatherLocation = m_location->text().toStdString();
    SaveWeatherServer(m_settings.m_WeatherVendor, m_settings.m_WeatherLocation);
    done(kDialogResultSaved);
}

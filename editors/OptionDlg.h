// The options sheet: four pages filled from the frame's settings; "저장"
// copies the shown pages back into them and writes every option to the
// registry with both Today change flags raised. "UseSoftKey" is written but
// kept out of the running frame: it takes effect at the next start.
#pragma once

#include <array>

#include "platform/shell/DeviceDialog.h"

class COptionPage;
class QTabWidget;
struct Settings;

class COptionDlg : public CDeviceDialog {
    Q_OBJECT

public:
    COptionDlg(QWidget* owner, Settings& settings);

    QTabWidget* Sheet() const { return m_sheet; }

protected:
    void OnOK() override;

private:
    Settings& m_settings;
    QTabWidget* m_sheet = nullptr;
    std::array<COptionPage*, 4> m_pages{};  // common, appointments, tasks, fonts
};

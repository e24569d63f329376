#include "editors/reminder/ReminderDlg.h"

#include <QCheckBox>

#include "editors/AnniversaryDlg.h"
#include "editors/TitledPage.h"
#include "platform/shell/DialogUnits.h"
#include "platform/shell/ShellServices.h"
#include "resources/DialogCommands.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

CReminderDlg::CReminderDlg(QWidget* owner, const Settings& settings, int titleId, int checkTextId)
    : CDeviceDialog(owner, QSize(kFullScreenDialogUnitsX, kFullScreenDialogUnitsY), Placement::FullScreen)
{
    setWindowTitle(LoadString(titleId));
    SetClient(new CTitledPage(LoadString(titleId)));
    m_on = new QCheckBox(LoadString(checkTextId), Client());
    m_on->setObjectName(ControlName(IDC_REMINDER_ON));
    Place(m_on, 7, 21, 142, 10);
    connect(m_on, &QCheckBox::toggled, this, &CReminderDlg::EnableValueControls);
    SetSaveCancelCommands(*this, settings.m_UseSoftKey != 0);
    SetInputPanelPreference(this);
}

bool CReminderDlg::ReminderOn() const { return m_on->isChecked(); }

void CReminderDlg::SetReminderOn(bool on)
{
    m_on->setChecked(on);
    EnableValueControls();
}

void CReminderDlg::SetValueControls(std::vector<QWidget*> controls)
{
    m_valueControls = std::move(controls);
    EnableValueControls();
}

void CReminderDlg::EnableValueControls()
{
    for (QWidget* control : m_valueControls)
        control->setEnabled(m_on->isChecked());
}

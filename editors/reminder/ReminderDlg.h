// What the two reminder dialogs share: a full-screen titled page with the
// "on" check box 1172, whose state enables the value controls, and the
// "저장" / "취소" command surface. Neither touches the item.
#pragma once

#include <vector>

#include "platform/shell/DeviceDialog.h"

class QCheckBox;
struct Settings;

inline constexpr int IDC_REMINDER_ON = 1172;

class CReminderDlg : public CDeviceDialog {
    Q_OBJECT

public:
    bool ReminderOn() const;
    void SetReminderOn(bool on);
    QCheckBox* OnCheck() const { return m_on; }

protected:
    CReminderDlg(QWidget* owner, const Settings& settings, int titleId, int checkTextId);
    // The controls that follow the check box.
    void SetValueControls(std::vector<QWidget*> controls);

private:
    void EnableValueControls();

    QCheckBox* m_on = nullptr;
    std::vector<QWidget*> m_valueControls;
};

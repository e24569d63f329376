// An appointment's reminder: a lead time before the start, as a count (typed
// or picked) and a unit.
#pragma once

#include <cstdint>

#include "editors/reminder/ReminderDlg.h"

class QComboBox;

inline constexpr int IDC_REMINDER_COUNT = 1081;
inline constexpr int IDC_REMINDER_UNIT = 1011;

class CReminderAppDlg : public CReminderDlg {
    Q_OBJECT

public:
    CReminderAppDlg(QWidget* owner, const Settings& settings);

    // Shown in the largest unit that divides them exactly.
    void SetMinutes(int32_t minutes);
    // As read on "저장".
    int32_t Minutes() const { return m_minutes; }

    QComboBox* CountBox() const { return m_count; }
    QComboBox* UnitList() const { return m_unit; }

protected:
    void OnOK() override;

private:
    int32_t m_minutes = 15;
    QComboBox* m_count = nullptr;
    QComboBox* m_unit = nullptr;
};

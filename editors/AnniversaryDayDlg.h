// "기념일" by weekday of a month, such as the second Sunday of May.
#pragma once

#include "editors/AnniversaryDlg.h"

class QComboBox;

class CAnniversaryDayDlg : public CAnniversaryDlg {
    Q_OBJECT

public:
    CAnniversaryDayDlg(QWidget* owner, const Settings& settings, SolarDate currentDate, AnniversaryWriter write);
    void LoadAnniversary(const Anniversary& record, int index);
    const AnniversaryDayForm& Form() const { return m_form; }

protected:
    FormRecord Collect() override;
    int EditIndex() const override { return m_form.editIndex; }

private:
    void ShowForm();
    void ReadDate();
    void UpdateDependentControls();

    AnniversaryDayForm m_form;
    int m_currentYear;
    QCheckBox* m_noYear = nullptr;
    QComboBox* m_ordinal = nullptr;
    QComboBox* m_weekday = nullptr;
};

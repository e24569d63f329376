// "기념일" by date: a civil or lunar date, with or without its year, or a
// birthday counted in Korean age.
#pragma once

#include "editors/AnniversaryDlg.h"

class CAnniversaryDateDlg : public CAnniversaryDlg {
    Q_OBJECT

public:
    CAnniversaryDateDlg(QWidget* owner, const Settings& settings, SolarDate currentDate, AnniversaryWriter write);
    void LoadAnniversary(const Anniversary& record, int index);
    const AnniversaryDateForm& Form() const { return m_form; }

protected:
    FormRecord Collect() override;
    int EditIndex() const override { return m_form.editIndex; }

private:
    void ShowForm();
    void ReadDate();
    void UpdateDependentControls();

    AnniversaryDateForm m_form;
    int m_currentYear;
    QCheckBox* m_noYear = nullptr;
    QCheckBox* m_birthday = nullptr;
    QCheckBox* m_lunar = nullptr;
    QCheckBox* m_leapMonth = nullptr;
};

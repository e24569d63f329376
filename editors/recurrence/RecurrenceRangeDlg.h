// The last page: the series' first day and its end (none, after a number of
// occurrences, or on a day). "완료" here finishes the wizard.
#pragma once

#include "editors/recurrence/RecurrencePageDlg.h"

class CDateTimeCtrlEx;

inline constexpr int IDC_RECUR_RANGE_START = 1056;
inline constexpr int IDC_RECUR_RANGE_NO_END = 1051;
inline constexpr int IDC_RECUR_RANGE_COUNT = 1052;
inline constexpr int IDC_RECUR_RANGE_OCCURRENCES = 1055;
inline constexpr int IDC_RECUR_RANGE_END_BY = 1053;
inline constexpr int IDC_RECUR_RANGE_END = 1054;

class CRecurrenceRangeDlg : public CRecurrencePageDlg {
    Q_OBJECT

public:
    CRecurrenceRangeDlg(QWidget* owner, RecurrenceWizard& wizard);
    bool ReadPage() override;

protected:
    int RunNextPage() override { return kDialogResultSaved; }

private:
    CDateTimeCtrlEx* m_start = nullptr;
    QRadioButton* m_options[3] = {};
    QLineEdit* m_occurrences = nullptr;
    CDateTimeCtrlEx* m_end = nullptr;
};

// The wizard's first page: the kind of repetition (daily, weekly, monthly,
// yearly). It holds the wizard for the pages after it.
#pragma once

#include "editors/recurrence/RecurrencePageDlg.h"

class QRadioButton;

inline constexpr int IDC_RECUR_KIND_DAILY = 1042;  // then weekly 1043, monthly 1044, yearly 1045

class CRecurrencePatternDlg : public CRecurrencePageDlg {
    Q_OBJECT

public:
    CRecurrencePatternDlg(QWidget* owner, RecurrenceWizard& wizard);
    bool ReadPage() override;

protected:
    int RunNextPage() override;

private:
    QRadioButton* m_kinds[4] = {};
};

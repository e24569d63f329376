// The recurrence choice: "없음", "매일", "매주", "매월", "매년" or
// "<되풀이 편집>". Choosing the last entry runs the detailed wizard on the
// item's pattern at once: finished, the pattern is written and the dialog
// closes with 1; cancelled, nothing is written and it closes with 2. The
// simple choices are written later by the editor's Save.
#pragma once

#include "editors/recurrence/RecurrencePageDlg.h"

class PoomItem;
class QComboBox;

inline constexpr int IDC_RECUR_CHOICE = 235;
inline constexpr int kRecurrenceChoiceEdit = 5;

class CRecurrenceDlg : public CDeviceDialog {
    Q_OBJECT

public:
    CRecurrenceDlg(QWidget* owner, const Settings& settings, PoomItem& item, int choice);

    int Choice() const;
    QComboBox* ChoiceList() const { return m_choices; }
    void SetPageRunner(RecurrencePageRunner run) { m_runPage = std::move(run); }

    // The detailed wizard on the item's pattern; the result of its first page.
    int RunWizard();

private:
    const Settings& m_settings;
    PoomItem& m_item;
    QComboBox* m_choices = nullptr;
    RecurrencePageRunner m_runPage = ExecRecurrencePage;
};

#include "editors/recurrence/RecurrencePatternDlg.h"

#include <QButtonGroup>
#include <algorithm>
#include <QRadioButton>

#include "editors/recurrence/RecurrenceDailyDlg.h"
#include "editors/recurrence/RecurrenceMonthlyDlg.h"
#include "editors/recurrence/RecurrenceWeeklyDlg.h"
#include "editors/recurrence/RecurrenceYearlyDlg.h"
#include "resources/Strings.h"

CRecurrencePatternDlg::CRecurrencePatternDlg(QWidget* owner, RecurrenceWizard& wizard)
    : CRecurrencePageDlg(owner, wizard, IDS_RECURRENCE_PATTERN_TITLE, false)
{
    setObjectName(QStringLiteral("recurrencePattern"));
    auto* group = new QButtonGroup(this);
    for (int kind = 0; kind < 4; ++kind) {
        m_kinds[kind] = AddRadio(IDC_RECUR_KIND_DAILY + kind, IDS_RECUR_CHOICE_DAILY + kind, 7, 22 + kind * 14, 100, 10);
        group->addButton(m_kinds[kind]);
    }
    m_kinds[std::clamp(wizard.values.kind, 0, 3)]->setChecked(true);
}

bool CRecurrencePatternDlg::ReadPage()
{
    for (int kind = 0; kind < 4; ++kind) {
        if (m_kinds[kind]->isChecked())
            m_wizard.values.kind = kind;
    }
    return true;
}

int CRecurrencePatternDlg::RunNextPage()
{
    switch (m_wizard.values.kind) {
    case kRecurWeekly: return RunPage<CRecurrenceWeeklyDlg>();
    case kRecurMonthly: return RunPage<CRecurrenceMonthlyDlg>();
    case kRecurYearly: return RunPage<CRecurrenceYearlyDlg>();
    default: return RunPage<CRecurrenceDailyDlg>();
    }
}

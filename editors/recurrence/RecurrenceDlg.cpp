#include "editors/recurrence/RecurrenceDlg.h"

#include <QComboBox>

#include <utility>

#include "editors/AnniversaryDlg.h"
#include "editors/TitledPage.h"
#include "editors/recurrence/RecurrencePatternDlg.h"
#include "platform/shell/DialogUnits.h"
#include "platform/store/PoomItem.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "resources/DialogCommands.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {
constexpr int kChoiceCount = 6;
}  // namespace

CRecurrenceDlg::CRecurrenceDlg(QWidget* owner, const Settings& settings, PoomItem& item, int choice)
    : CDeviceDialog(owner, QSize(kFullScreenDialogUnitsX, kFullScreenDialogUnitsY), Placement::FullScreen),
      m_settings(settings),
      m_item(item)
{
    setObjectName(QStringLiteral("recurrence"));
    setWindowTitle(LoadString(IDS_RECURRENCE_TITLE));
    SetClient(new CTitledPage(LoadString(IDS_RECURRENCE_TITLE)));
    m_choices = new QComboBox(Client());
    m_choices->setObjectName(ControlName(IDC_RECUR_CHOICE));
    for (int i = 0; i < kChoiceCount; ++i)
        m_choices->addItem(LoadString(IDS_RECUR_CHOICE_NONE + i));
    Place(m_choices, 7, 22, 105, 12);
    m_choices->setCurrentIndex(std::clamp(choice, 0, kChoiceCount - 1));
    connect(m_choices, &QComboBox::activated, this, [this](int index) {
        if (index == kRecurrenceChoiceEdit)
            done(RunWizard() == kDialogResultSaved ? kDialogResultSaved : kDialogResultCancelled);
    });
    SetSaveCancelCommands(*this, settings.m_UseSoftKey != 0);
}

int CRecurrenceDlg::Choice() const { return std::max(0, m_choices->currentIndex()); }

int CRecurrenceDlg::RunWizard()
{
    PoomRecurrencePattern* pattern = m_item.GetRecurrencePattern();
    if (pattern == nullptr)
        return kDialogResultCancelled;
    RecurrenceWizard wizard{InitialWizardValues(std::as_const(*pattern).Fields()), m_settings, m_runPage};
    CRecurrencePatternDlg first(parentWidget(), wizard);
    const int result = m_runPage(first);
    // "이전" on the first page ends the wizard like "취소".
    if (result == kDialogResultSaved)
        WriteWizardValues(wizard.values, *pattern);
    return result;
}

#include "editors/reminder/ReminderAppDlg.h"

#include <QComboBox>
#include <QLineEdit>

#include "editors/AnniversaryDlg.h"
#include "editors/reminder/ReminderValues.h"
#include "resources/Strings.h"

namespace {

constexpr const char* kCountChoices[] = {"1", "5", "10", "15", "30", "45"};
// Longer than any count of the 32-bit range, short enough for a pasted page.
constexpr int kCountMaxLength = 12;

}  // namespace

CReminderAppDlg::CReminderAppDlg(QWidget* owner, const Settings& settings)
    : CReminderDlg(owner, settings, IDS_REMINDER_APPT_TITLE, IDS_REMINDER_BEFORE)
{
    setObjectName(QStringLiteral("reminderAppointment"));
    m_count = new QComboBox(Client());
    m_count->setObjectName(ControlName(IDC_REMINDER_COUNT));
    m_count->setEditable(true);
    m_count->setInsertPolicy(QComboBox::NoInsert);
    for (const char* choice : kCountChoices)
        m_count->addItem(QString::fromLatin1(choice));
    m_count->lineEdit()->setMaxLength(kCountMaxLength);
    // Wider than the template's 25 units, which leave no room for two digits
    // beside the arrow at 96 dpi.
    Place(m_count, 7, 35, 34, 12);

    m_unit = new QComboBox(Client());
    m_unit->setObjectName(ControlName(IDC_REMINDER_UNIT));
    for (int unit = kReminderMinutes; unit <= kReminderWeeks; ++unit)
        m_unit->addItem(LoadString(IDS_REMINDER_UNIT_MINUTES + unit));
    Place(m_unit, 43, 35, 56, 12);

    SetValueControls({m_count, m_unit});
    SetMinutes(m_minutes);
}

void CReminderAppDlg::SetMinutes(int32_t minutes)
{
    m_minutes = minutes;
    const ReminderCount shown = LargestExactUnit(minutes);
    m_count->setEditText(QString::number(shown.count));
    m_unit->setCurrentIndex(shown.unit);
}

void CReminderAppDlg::OnOK()
{
    // An entry picked from the list also becomes the edit's text.
    m_minutes = ReminderMinutesFromText(m_count->currentText().toStdString(), std::max(0, m_unit->currentIndex()));
    done(kDialogResultSaved);
}

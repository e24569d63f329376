#include "editors/reminder/ReminderTaskDlg.h"

#include <QTimeEdit>

#include "editors/AnniversaryDlg.h"
#include "editors/DateTimeCtrlEx.h"
#include "editors/ShortDateFormat.h"
#include "platform/store/OleTime.h"
#include "resources/Strings.h"

CReminderTaskDlg::CReminderTaskDlg(QWidget* owner, const Settings& settings)
    : CReminderDlg(owner, settings, IDS_REMINDER_TASK_TITLE, IDS_REMINDER_AT)
{
    setObjectName(QStringLiteral("reminderTask"));
    m_date = new CDateTimeCtrlEx(Client());
    m_date->setObjectName(ControlName(IDC_REMINDER_DATE));
    UseShortDateFormat(m_date);
    // Wider than the template's 49 units, which clip the year at 96 dpi.
    Place(m_date, 7, 35, 64, 12);

    m_time = new QTimeEdit(Client());
    m_time->setObjectName(ControlName(IDC_REMINDER_TIME));
    UseKoreanLocale(m_time);
    // "tt hh:mm": the morning or afternoon mark, then the 12-hour clock.
    m_time->setDisplayFormat(QStringLiteral("AP hh:mm"));
    m_time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(m_time, 73, 35, 52, 12);

    SetValueControls({m_date, m_time});
    SetReminderTime(OleNow());
}

void CReminderTaskDlg::SetReminderTime(double oleTime)
{
    m_reminderTime = oleTime;
    std::optional<SYSTEMTIME> st = OleToSystemTime(oleTime);
    if (!st)
        st = OleToSystemTime(OleNow());
    m_date->setDate(QDate(st->wYear, st->wMonth, st->wDay));
    m_time->setTime(QTime(st->wHour, st->wMinute));
}

void CReminderTaskDlg::OnOK()
{
    const QDate day = m_date->date();
    const QTime time = m_time->time();
    if (const std::optional<double> chosen =
            OleFromFields(day.year(), day.month(), day.day(), time.hour(), time.minute()))
        m_reminderTime = *chosen;
    done(kDialogResultSaved);
}

#include "editors/item/ApptDlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editors/AnniversaryDlg.h"
#include "editors/BitmapButtonEx.h"
#include "editors/ColorButton.h"
#include "editors/EditEx.h"
#include "editors/TimeRangeDlg.h"
#include "editors/item/EditRules.h"
#include "editors/item/ItemControls.h"
#include "editors/item/RecurrenceChoice.h"
#include "editors/item/TimeText.h"
#include "pim/session/ItemDates.h"
#include "platform/store/PoomItem.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {

// A reminder switched on for the first time starts at a useful lead.
constexpr int kDefaultReminderMinutes = 15;
constexpr int kShortestReminderMinutes = 5;

QLabel* RightLabel(int textId)
{
    auto* label = new QLabel(LoadString(textId));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

CApptDlg::CApptDlg(QWidget* owner, const ItemEditorContext& context, PoomAppointment& item, ItemEditorFlags flags)
    : CItemDlg(owner, context, item, flags, IDS_APPT_CAPTION, IDS_LABEL_TITLE), m_appointment(item)
{
    m_allDay = item.AllDayEvent();
    m_reminderSet = item.ReminderSet();
    m_reminderMinutes = item.ReminderMinutesBeforeStart();
    m_start = TimeFromOle(item.Start());
    m_end = TimeFromOle(item.End());
    if (m_allDay)
        m_end = ShownAllDayEnd(m_end);
    m_recurrenceChoice = DeriveRecurrenceChoice(item, item.Start());

    Place(RightLabel(IDS_LABEL_PLACE), 7, 22, 31, 9);
    auto* plainPlace = new QLineEdit(Client());
    plainPlace->setObjectName(ControlName(IDC_APPT_PLACE));
    Place(plainPlace, 41, 20, 91, 12);
    m_place = CEditEx::Replace(plainPlace, m_colorButton);
    m_place->setText(QString::fromStdString(item.Location()));
    m_allDayCheck = MakeCheck(Client(), IDC_APPT_ALL_DAY, IDS_CHECK_ALL_DAY);
    Place(m_allDayCheck, 41, 34, 50, 11);
    Place(RightLabel(IDS_LABEL_START_DATE), 7, 48, 31, 9);
    m_startDate = MakeDatePicker(Client(), IDC_APPT_START_DATE);
    Place(m_startDate, 41, 46, 49, 12);
    m_startTime = MakePushButton(Client(), IDC_APPT_START_TIME, {});
    Place(m_startTime, 92, 46, 40, 12);
    Place(RightLabel(IDS_LABEL_END_DATE), 7, 62, 31, 9);
    m_endDate = MakeDatePicker(Client(), IDC_APPT_END_DATE);
    Place(m_endDate, 41, 60, 49, 12);
    m_endTime = MakePushButton(Client(), IDC_APPT_END_TIME, {});
    Place(m_endTime, 92, 60, 40, 12);
    FitDatePickerText(m_startDate);
    FitDatePickerText(m_endDate);
    for (QPushButton* timeButton : {m_startTime, m_endTime})
        timeButton->setStyleSheet(QStringLiteral("background-color: white"));

    CreateItemControls(m_allDayCheck, 135);
    ShowReminderImage(m_reminderSet);
    m_reminderButton->setEnabled(static_cast<bool>(context.services.runApptReminder));

    m_allDayCheck->setChecked(m_allDay);
    WriteControls();
    m_duration = m_end - m_start;
    ShowTimeButtons();

    connect(m_allDayCheck, &QCheckBox::clicked, this, [this] {
        ReadControls();
        ShowTimeButtons();
    });
    connect(m_startDate, &QDateEdit::dateChanged, this, &CApptDlg::OnStartDateChanged);
    connect(m_endDate, &QDateEdit::dateChanged, this, &CApptDlg::OnEndDateChanged);
    connect(m_startTime, &QPushButton::clicked, this, [this] { EditTimes(false); });
    connect(m_endTime, &QPushButton::clicked, this, [this] { EditTimes(true); });
    FocusOnOpen(m_allDayCheck);
}

void CApptDlg::ReadControls()
{
    const bool hour24 = m_context.settings.m_24hour != 0;
    const ClockTime start = ParseTimeText(m_startTime->text().toStdString(), hour24, PartsFromTime(m_start)->tm_min);
    const ClockTime end = ParseTimeText(m_endTime->text().toStdString(), hour24, PartsFromTime(m_end)->tm_min);
    m_allDay = m_allDayCheck->isChecked();
    m_start = TimeOnPickerDate(m_startDate->date(), start.hour, start.minute);
    m_end = TimeOnPickerDate(m_endDate->date(), end.hour, end.minute);
}

void CApptDlg::WriteControls()
{
    const bool hour24 = m_context.settings.m_24hour != 0;
    m_writing = true;
    m_startDate->setDate(PickerDate(m_start));
    m_endDate->setDate(PickerDate(m_end));
    m_writing = false;
    const TimeParts start = *PartsFromTime(m_start);
    const TimeParts end = *PartsFromTime(m_end);
    m_startTime->setText(QString::fromStdString(TimeButtonText({start.tm_hour, start.tm_min}, hour24)));
    m_endTime->setText(QString::fromStdString(TimeButtonText({end.tm_hour, end.tm_min}, hour24)));
}

void CApptDlg::ShowTimeButtons()
{
    m_startTime->setVisible(!m_allDay);
    m_endTime->setVisible(!m_allDay);
}

void CApptDlg::OnStartDateChanged()
{
    if (m_writing)
        return;
    ReadControls();
    m_end = m_start + m_duration;
    WriteControls();
}

void CApptDlg::OnEndDateChanged()
{
    if (m_writing)
        return;
    ReadControls();
    const TimeSpan moved = AfterEndDateMoved({m_start, m_end});
    m_start = moved.start;
    m_end = moved.end;
    m_duration = m_end - m_start;
    WriteControls();
}

void CApptDlg::EditTimes(bool editEnd)
{
    ReadControls();
    CTimeRangeDlg times(this, m_context.settings);
    times.SetTitle(LoadString(IDS_TIME_RANGE_TITLE));
    times.SetStart(m_start);
    times.SetEnd(m_end);
    if (editEnd)
        times.EditEndFirst();
    if (times.exec() == kDialogResultSaved) {
        m_start = times.Start();
        m_end = times.End();
        m_duration = m_end - m_start;
        WriteControls();
    }
    (editEnd ? m_endTime : m_startTime)->setFocus();
}

void CApptDlg::OnReminder()
{
    if (!m_context.services.runApptReminder)
        return;
    if (!m_reminderSet && m_reminderMinutes < kShortestReminderMinutes)
        m_reminderMinutes = kDefaultReminderMinutes;
    bool on = m_reminderSet;
    int minutes = m_reminderMinutes;
    if (m_context.services.runApptReminder(this, on, minutes)) {
        m_reminderSet = on;
        m_reminderMinutes = minutes;
        ShowReminderImage(m_reminderSet);
    }
}

void CApptDlg::PrepareRecurrence()
{
    ReadControls();
    m_appointment.SetStart(OleFromTime(m_start));
    m_appointment.SetEnd(OleFromTime(m_end));
}

bool CApptDlg::SaveItem()
{
    ReadControls();
    const TimeSpan stored = StoredApptSpan({m_start, m_end}, m_allDay);
    if (!IsSavableApptSpan(stored)) {
        Refuse(IDS_INVALID_DATE);
        return false;
    }
    if (m_title->text().isEmpty()) {
        Refuse(IDS_APPT_TITLE_MISSING);
        return false;
    }
    WriteCommonFields();
    m_appointment.SetLocation(m_place->text().toStdString());
    m_appointment.SetAllDayEvent(m_allDay);
    m_appointment.SetReminderSet(m_reminderSet);
    if (m_reminderSet)
        m_appointment.SetReminderMinutesBeforeStart(m_reminderMinutes);
    m_appointment.SetStart(OleFromTime(stored.start));
    m_appointment.SetEnd(OleFromTime(stored.end));
    return SaveToStore(OleFromTime(stored.start));
}

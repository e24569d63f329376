#include "platform/itemeditor/AppointmentFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>
#include <limits>

#include "platform/itemeditor/EditorFields.h"
#include "platform/itemeditor/ItemEditorDates.h"
#include "platform/itemeditor/ItemEditorTexts.h"
#include "platform/store/PoomItem.h"

namespace T = ItemEditorText;

namespace {

QLineEdit* NewLineEdit(const char* objectName, const std::string& text)
{
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setObjectName(objectName);
    return edit;
}

}  // namespace

AppointmentFields::AppointmentFields(QFormLayout* form, PoomAppointment& appointment)
    : m_subject(NewLineEdit("subject", appointment.Subject())),
      m_location(NewLineEdit("location", appointment.Location())),
      m_allDay(NewCheckBox("allDay", T::kAllDay)),
      m_start(NewDateTimeEdit("start", true)),
      m_end(NewDateTimeEdit("end", true)),
      m_reminderSet(NewCheckBox("reminderSet")),
      m_reminderMinutes(new QSpinBox),
      m_initialAllDay(appointment.AllDayEvent())
{
    m_initialStart = DateTimeFromOle(appointment.Start());
    m_initialEnd = m_initialAllDay ? QDateTime(AllDayLastDay(appointment.Start(), appointment.End()), QTime(0, 0), Qt::UTC)
                                   : DateTimeFromOle(appointment.End());
    m_start->setDateTime(m_initialStart);
    m_end->setDateTime(m_initialEnd);
    m_allDay->setChecked(m_initialAllDay);
    ShowAllDay(m_initialAllDay);
    QObject::connect(m_allDay, &QCheckBox::toggled, m_start, [this](bool allDay) { ShowAllDay(allDay); });

    m_reminderSet->setChecked(appointment.ReminderSet());
    m_reminderMinutes->setObjectName("reminderMinutes");
    // Any stored lead time shows as it is, so that an untouched box writes nothing.
    m_reminderMinutes->setRange(std::min(0, appointment.ReminderMinutesBeforeStart()), std::numeric_limits<int>::max());
    m_reminderMinutes->setValue(appointment.ReminderMinutesBeforeStart());
    m_reminderMinutes->setSuffix(QString::fromUtf8(T::kMinutesBefore));

    form->addRow(QString::fromUtf8(T::kSubject), m_subject);
    form->addRow(QString::fromUtf8(T::kLocation), m_location);
    form->addRow(QString(), m_allDay);
    form->addRow(QString::fromUtf8(T::kStart), m_start);
    form->addRow(QString::fromUtf8(T::kEnd), m_end);
    AddCheckedRow(form, T::kReminder, m_reminderSet, m_reminderMinutes);
}

void AppointmentFields::ShowAllDay(bool allDay)
{
    for (QDateTimeEdit* edit : {m_start, m_end}) edit->setDisplayFormat(allDay ? "yyyy-MM-dd" : "yyyy-MM-dd HH:mm");
}

const char* AppointmentFields::Problem() const
{
    const bool allDay = m_allDay->isChecked();
    const bool backwards = allDay ? m_end->date() < m_start->date() : m_end->dateTime() < m_start->dateTime();
    return backwards ? T::kEndBeforeStart : "";
}

void AppointmentFields::Write(PoomAppointment& appointment) const
{
    const std::string subject = m_subject->text().toStdString();
    if (subject != appointment.Subject()) appointment.SetSubject(subject);
    const std::string location = m_location->text().toStdString();
    if (location != appointment.Location()) appointment.SetLocation(location);

    const bool allDay = m_allDay->isChecked();
    if (allDay != m_initialAllDay) appointment.SetAllDayEvent(allDay);
    const bool datesChanged =
        allDay != m_initialAllDay || m_start->dateTime() != m_initialStart || m_end->dateTime() != m_initialEnd;
    if (datesChanged) {
        // SetStart moves the end along; the end is set after it.
        const auto start = allDay ? OleFromDate(m_start->date()) : OleFromDateTime(m_start->dateTime());
        const auto end = allDay ? AllDayEnd(m_end->date()) : OleFromDateTime(m_end->dateTime());
        if (start && end) {
            appointment.SetStart(*start);
            appointment.SetEnd(*end);
        }
    }

    if (m_reminderSet->isChecked() != appointment.ReminderSet()) appointment.SetReminderSet(m_reminderSet->isChecked());
    if (m_reminderMinutes->value() != appointment.ReminderMinutesBeforeStart())
        appointment.SetReminderMinutesBeforeStart(m_reminderMinutes->value());
}

// The appointment's part of the item editor: subject, location, all-day,
// start, end and reminder.
#pragma once

#include <QDateTime>

class PoomAppointment;
class QCheckBox;
class QDateTimeEdit;
class QFormLayout;
class QLineEdit;
class QSpinBox;
class QWidget;

class AppointmentFields {
public:
    AppointmentFields(QFormLayout* form, PoomAppointment& appointment);

    // A message for the user when the fields cannot be saved, else empty.
    const char* Problem() const;
    // Writes what the user changed into the item (not saved yet).
    void Write(PoomAppointment& appointment) const;

private:
    void ShowAllDay(bool allDay);

    QLineEdit* m_subject;
    QLineEdit* m_location;
    QCheckBox* m_allDay;
    QDateTimeEdit* m_start;
    QDateTimeEdit* m_end;
    QCheckBox* m_reminderSet;
    QSpinBox* m_reminderMinutes;
    QDateTime m_initialStart;
    QDateTime m_initialEnd;
    bool m_initialAllDay;
};

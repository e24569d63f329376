// The task's part of the item editor: subject, importance, start and due
// dates (each may be unset), completion and reminder time.
#pragma once

#include <QDateTime>

class PoomTask;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QFormLayout;
class QLineEdit;

class TaskFields {
public:
    TaskFields(QFormLayout* form, PoomTask& task);

    // A message for the user when the fields cannot be saved, else empty.
    const char* Problem() const;
    // Writes what the user changed into the item (not saved yet).
    void Write(PoomTask& task) const;

private:
    // A date that may be unset: a check and a box, with what they showed first.
    struct OptionalDate {
        QCheckBox* set = nullptr;
        QDateTimeEdit* edit = nullptr;
        QDateTime initial;  // invalid: unset
        QDateTime Current() const;
        bool Changed() const { return Current() != initial; }
    };
    static OptionalDate NewOptionalDate(const char* name, double date, const QDateTime& fallback, bool withTime);

    QLineEdit* m_subject;
    QComboBox* m_importance;
    OptionalDate m_startDate;
    OptionalDate m_dueDate;
    QCheckBox* m_complete;
    OptionalDate m_reminder;
};

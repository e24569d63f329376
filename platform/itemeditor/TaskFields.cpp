#include "platform/itemeditor/TaskFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "platform/itemeditor/EditorFields.h"
#include "platform/itemeditor/ItemEditorDates.h"
#include "platform/itemeditor/ItemEditorTexts.h"
#include "platform/store/OleTime.h"
#include "platform/store/PimTypes.h"
#include "platform/store/PoomItem.h"

namespace T = ItemEditorText;

namespace {

double OleOrNoDate(const QDateTime& dateTime) { return OleFromDateTime(dateTime).value_or(kNoDate); }

}  // namespace

QDateTime TaskFields::OptionalDate::Current() const { return set->isChecked() ? edit->dateTime() : QDateTime(); }

TaskFields::OptionalDate TaskFields::NewOptionalDate(const char* name, double date, const QDateTime& fallback,
                                                     bool withTime)
{
    const std::string checkName = std::string("has_") + name;
    OptionalDate field{NewCheckBox(checkName.c_str()), NewDateTimeEdit(name, withTime), DateTimeFromOle(date)};
    field.set->setChecked(field.initial.isValid());
    field.edit->setDateTime(field.initial.isValid() ? field.initial : fallback);
    return field;
}

TaskFields::TaskFields(QFormLayout* form, PoomTask& task) : m_subject(new QLineEdit), m_importance(new QComboBox)
{
    const QDateTime today = DateTimeFromOle(OleToday());
    m_startDate = NewOptionalDate("startDate", task.StartDate(), today, false);
    m_dueDate = NewOptionalDate("dueDate", task.DueDate(), today, false);
    const QDateTime dueOrToday = m_dueDate.initial.isValid() ? m_dueDate.initial : today;
    m_reminder = NewOptionalDate("reminderTime", task.ReminderSet() ? task.ReminderTime() : kNoDate,
                                 dueOrToday.addSecs(9 * 3600), true);
    m_complete = NewCheckBox("complete", T::kComplete);
    m_complete->setChecked(task.Complete());

    m_subject->setObjectName("subject");
    m_subject->setText(QString::fromStdString(task.Subject()));
    m_importance->setObjectName("importance");
    m_importance->addItems({QString::fromUtf8(T::kImportanceLow), QString::fromUtf8(T::kImportanceNormal),
                            QString::fromUtf8(T::kImportanceHigh)});
    m_importance->setCurrentIndex(task.Importance());

    form->addRow(QString::fromUtf8(T::kSubject), m_subject);
    form->addRow(QString::fromUtf8(T::kImportance), m_importance);
    AddCheckedRow(form, T::kStartDate, m_startDate.set, m_startDate.edit);
    AddCheckedRow(form, T::kDueDate, m_dueDate.set, m_dueDate.edit);
    AddCheckedRow(form, T::kReminder, m_reminder.set, m_reminder.edit);
    form->addRow(QString(), m_complete);
}

const char* TaskFields::Problem() const
{
    const QDateTime start = m_startDate.Current();
    const QDateTime due = m_dueDate.Current();
    return start.isValid() && due.isValid() && due.date() < start.date() ? T::kDueBeforeStart : "";
}

void TaskFields::Write(PoomTask& task) const
{
    const std::string subject = m_subject->text().toStdString();
    if (subject != task.Subject()) task.SetSubject(subject);
    if (m_importance->currentIndex() != task.Importance()) task.SetImportance(m_importance->currentIndex());
    if (m_startDate.Changed()) task.SetStartDate(OleOrNoDate(m_startDate.Current()));
    if (m_dueDate.Changed()) task.SetDueDate(OleOrNoDate(m_dueDate.Current()));
    if (m_complete->isChecked() != task.Complete()) task.SetComplete(m_complete->isChecked());
    if (m_reminder.Changed()) {
        task.SetReminderSet(m_reminder.set->isChecked());
        if (m_reminder.set->isChecked()) task.SetReminderTime(OleOrNoDate(m_reminder.Current()));
    }
}

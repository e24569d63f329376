#include "editors/item/TaskDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "agenda/WeekDates.h"
#include "editors/AnniversaryDlg.h"
#include "editors/BitmapButtonEx.h"
#include "editors/ColorButton.h"
#include "editors/DateTimeCtrlEx.h"
#include "editors/EditEx.h"
#include "editors/item/EditRules.h"
#include "editors/item/ItemControls.h"
#include "editors/item/RecurrenceChoice.h"
#include "pim/session/ItemDates.h"
#include "pim/session/PimSession.h"
#include "platform/store/PimTypes.h"
#include "platform/store/PoomItem.h"
#include "resources/Strings.h"

namespace {

// Dates a task gets when the reminder or the recurrence needs one.
constexpr int kDefaultTaskHour = 8;
constexpr int kPriorityCount = 3;  // H, M, L: Importance 2, 1, 0

int PriorityIndex(int32_t importance) { return importance >= 2 ? 0 : (importance <= 0 ? 2 : 1); }
int32_t ImportanceOf(int index) { return 2 - index; }

TimeValue TodayAt(int hour)
{
    const TimeParts today = *PartsFromTime(Now());
    return TimeFromFields(today.tm_year + 1900, today.tm_mon + 1, today.tm_mday, hour, 0, 0);
}

// A stored task date at 00:00, or none.
bool LoadDate(double stored, TimeValue& date)
{
    if (stored == kNoDate || TimeFromOle(stored) == 0)
        return false;
    date = MidnightOf(TimeFromOle(stored));
    return true;
}

CDateTimeCtrlEx* TaskPicker(QWidget* parent, int id, QWidget* previous)
{
    return CDateTimeCtrlEx::Replace(MakeDatePicker(parent, id), previous);
}

}  // namespace

CTaskDlg::CTaskDlg(QWidget* owner, const ItemEditorContext& context, PoomTask& item, ItemEditorFlags flags)
    : CItemDlg(owner, context, item, flags, IDS_TASK_CAPTION, IDS_LABEL_TASK_TITLE), m_task(item)
{
    m_start = m_due = TodayAt(0);
    m_startOn = LoadDate(item.StartDate(), m_start);
    m_dueOn = LoadDate(item.DueDate(), m_due);
    if (m_due < m_start)
        m_start = m_due;
    m_spanDays = TaskSpanDays(m_start, m_due);
    m_completeWhenLoaded = item.Complete();
    m_reminderSet = item.ReminderSet();
    m_reminderTime = item.ReminderTime();
    m_recurrenceChoice = DeriveRecurrenceChoice(item, OleFromTime(m_start));

    auto* importance = new QLabel(LoadString(IDS_LABEL_IMPORTANCE));
    Place(importance, 7, 23, 31, 9);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < kPriorityCount; ++i) {
        auto* radio = MakePushButton(Client(), IDC_TASK_HIGH + i, LoadString(IDS_IMPORTANCE_HIGH + i));
        radio->setCheckable(true);
        group->addButton(radio);
        Place(radio, 41 + 11 * i, 21, 12, 12);
        m_priority[i] = radio;
    }
    m_priority[PriorityIndex(item.Importance())]->setChecked(true);
    m_completeCheck = MakeCheck(Client(), IDC_TASK_COMPLETE, IDS_CHECK_TASK_COMPLETE);
    Place(m_completeCheck, 7, 35, 59, 11);
    m_completeCheck->setChecked(m_completeWhenLoaded);
    m_startCheck = MakeCheck(Client(), IDC_TASK_START_ON, IDS_CHECK_TASK_START);
    m_startCheck->setLayoutDirection(Qt::RightToLeft);
    Place(m_startCheck, 7, 49, 31, 11);
    m_startDate = TaskPicker(Client(), IDC_TASK_START_DATE, m_startCheck);
    Place(m_startDate, 41, 47, 91, 12);
    m_dueCheck = MakeCheck(Client(), IDC_TASK_DUE_ON, IDS_CHECK_TASK_DUE);
    m_dueCheck->setLayoutDirection(Qt::RightToLeft);
    Place(m_dueCheck, 7, 62, 31, 11);
    m_dueDate = TaskPicker(Client(), IDC_TASK_DUE_DATE, m_dueCheck);
    Place(m_dueDate, 41, 61, 91, 12);

    CreateItemControls(m_completeCheck, 137);
    ShowReminderImage(m_reminderSet);
    m_reminderButton->setEnabled(static_cast<bool>(context.services.runTaskReminder));

    m_startCheck->setChecked(m_startOn);
    m_dueCheck->setChecked(m_dueOn);
    WritePickers();
    EnablePickers();
    connect(m_startCheck, &QCheckBox::clicked, this, &CTaskDlg::OnStartChecked);
    connect(m_dueCheck, &QCheckBox::clicked, this, &CTaskDlg::OnDueChecked);
    connect(m_startDate, &QDateEdit::dateChanged, this, &CTaskDlg::OnStartDateChanged);
    connect(m_dueDate, &QDateEdit::dateChanged, this, &CTaskDlg::OnDueDateChanged);
    FocusOnOpen(m_completeCheck);
}

void CTaskDlg::ReadControls()
{
    m_startOn = m_startCheck->isChecked();
    m_dueOn = m_dueCheck->isChecked();
    m_start = TimeOnPickerDate(m_startDate->date(), 0, 0);
    m_due = TimeOnPickerDate(m_dueDate->date(), 0, 0);
}

void CTaskDlg::WritePickers()
{
    m_writing = true;
    m_startCheck->setChecked(m_startOn);
    m_dueCheck->setChecked(m_dueOn);
    m_startDate->setDate(PickerDate(m_start));
    m_dueDate->setDate(PickerDate(m_due));
    m_writing = false;
}

void CTaskDlg::EnablePickers()
{
    m_startDate->setEnabled(m_startOn);
    m_dueDate->setEnabled(m_dueOn);
}

void CTaskDlg::OnStartChecked()
{
    ReadControls();
    if (m_startOn && !m_dueOn) {
        m_dueOn = true;
        WritePickers();
    }
    EnablePickers();
}

void CTaskDlg::OnDueChecked()
{
    ReadControls();
    if (m_startOn && !m_dueOn) {
        m_startOn = false;
        WritePickers();
    }
    EnablePickers();
}

void CTaskDlg::OnStartDateChanged()
{
    if (m_writing)
        return;
    ReadControls();
    m_due = TaskDueAfterStartMoved(m_start, m_spanDays);
    WritePickers();
}

void CTaskDlg::OnDueDateChanged()
{
    if (m_writing)
        return;
    ReadControls();
    if (m_due < m_start) {
        m_start = m_due;
        WritePickers();
    }
    m_spanDays = TaskSpanDays(m_start, m_due);
}

void CTaskDlg::PrepareDates()
{
    ReadControls();
    if (m_dueOn) {
        m_task.SetDueDate(OleFromTime(m_due));
        if (m_startOn)
            m_task.SetStartDate(OleFromTime(m_start));
        return;
    }
    m_startOn = m_dueOn = true;
    m_start = m_due = TodayAt(kDefaultTaskHour);
    m_task.SetStartDate(OleFromTime(m_start));
    m_task.SetDueDate(OleFromTime(m_due));
    WritePickers();
    EnablePickers();
}

void CTaskDlg::OnReminder()
{
    if (!m_context.services.runTaskReminder)
        return;
    PrepareDates();
    bool on = m_reminderSet;
    double time = m_reminderSet && m_reminderTime != kNoDate
                      ? m_reminderTime
                      : OleFromTime(TimeOnPickerDate(PickerDate(m_due), kDefaultTaskHour, 0));
    if (m_context.services.runTaskReminder(this, on, time)) {
        m_reminderSet = on;
        m_reminderTime = time;
        ShowReminderImage(m_reminderSet);
    }
}

void CTaskDlg::PrepareRecurrence() { PrepareDates(); }

bool CTaskDlg::SaveItem()
{
    ReadControls();
    if (m_title->text().isEmpty()) {
        Refuse(IDS_TASK_TITLE_MISSING);
        return false;
    }
    WriteCommonFields();
    int priority = 1;
    for (int i = 0; i < kPriorityCount; ++i) {
        if (m_priority[i]->isChecked())
            priority = i;
    }
    m_task.SetImportance(ImportanceOf(priority));
    m_task.SetStartDate(m_startOn ? OleFromTime(m_start) : kNoDate);
    m_task.SetDueDate(m_dueOn ? OleFromTime(m_due) : kNoDate);
    const bool complete = m_completeCheck->isChecked();
    m_task.SetComplete(complete);
    m_task.SetReminderSet(m_reminderSet);
    m_task.SetReminderTime(m_reminderSet ? m_reminderTime : kNoDate);
    if (!SaveToStore(OleFromTime(m_start)))
        return false;
    if (complete && !m_completeWhenLoaded && !m_task.IsRecurring())
        m_context.session.WriteCompletionDate(m_task, m_context.currentDate);
    return true;
}

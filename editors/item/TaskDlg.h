// "작업": the task editor. Start and due dates are optional (a start needs a
// due date), the span between them is kept in calendar days while the start
// moves, and completing a plain task writes its completion date.
#pragma once

#include "editors/item/ItemDlg.h"
#include "pim/time/TimeValue.h"

class PoomTask;
class QAbstractButton;
class QCheckBox;
class CDateTimeCtrlEx;

inline constexpr int IDC_TASK_HIGH = 1123;
inline constexpr int IDC_TASK_NORMAL = 1124;
inline constexpr int IDC_TASK_LOW = 1125;
inline constexpr int IDC_TASK_COMPLETE = 1126;
inline constexpr int IDC_TASK_START_ON = 1058;
inline constexpr int IDC_TASK_DUE_ON = 1060;
inline constexpr int IDC_TASK_START_DATE = 1006;
inline constexpr int IDC_TASK_DUE_DATE = 1007;

class CTaskDlg : public CItemDlg {
    Q_OBJECT

public:
    CTaskDlg(QWidget* owner, const ItemEditorContext& context, PoomTask& item, ItemEditorFlags flags);

    TimeValue Start() const { return m_start; }
    TimeValue Due() const { return m_due; }

protected:
    bool SaveItem() override;
    void OnReminder() override;
    void PrepareRecurrence() override;

private:
    void ReadControls();
    void WritePickers();
    void EnablePickers();
    void OnStartChecked();
    void OnDueChecked();
    void OnStartDateChanged();
    void OnDueDateChanged();
    void PrepareDates();

    PoomTask& m_task;
    QAbstractButton* m_priority[3] = {};
    QCheckBox* m_completeCheck = nullptr;
    QCheckBox* m_startCheck = nullptr;
    QCheckBox* m_dueCheck = nullptr;
    CDateTimeCtrlEx* m_startDate = nullptr;
    CDateTimeCtrlEx* m_dueDate = nullptr;
    bool m_startOn = false;
    bool m_dueOn = false;
    bool m_completeWhenLoaded = false;
    bool m_reminderSet = false;
    double m_reminderTime = 0;  // OLE date; the no-date value when unset
    TimeValue m_start = 0;
    TimeValue m_due = 0;
    int m_spanDays = 0;
    bool m_writing = false;
};

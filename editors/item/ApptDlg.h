// "일정": the appointment editor. Start and end are edited as a date picker
// and a time button each; the duration is kept while the start date moves,
// the end date moved before the start takes the start with it, and Save
// refuses an end before the start or more than 31 days after it.
#pragma once

#include "editors/item/ItemDlg.h"
#include "pim/time/TimeValue.h"

class PoomAppointment;
class QCheckBox;
class QDateEdit;
class QPushButton;

inline constexpr int IDC_APPT_PLACE = 1001;
inline constexpr int IDC_APPT_ALL_DAY = 1002;
inline constexpr int IDC_APPT_START_DATE = 1006;
inline constexpr int IDC_APPT_END_DATE = 1007;
inline constexpr int IDC_APPT_START_TIME = 1223;
inline constexpr int IDC_APPT_END_TIME = 1225;

class CApptDlg : public CItemDlg {
    Q_OBJECT

public:
    CApptDlg(QWidget* owner, const ItemEditorContext& context, PoomAppointment& item, ItemEditorFlags flags);

    TimeValue Start() const { return m_start; }
    TimeValue End() const { return m_end; }

protected:
    bool SaveItem() override;
    void OnReminder() override;
    void PrepareRecurrence() override;

private:
    void ReadControls();
    void WriteControls();
    void ShowTimeButtons();
    void OnStartDateChanged();
    void OnEndDateChanged();
    void EditTimes(bool editEnd);

    PoomAppointment& m_appointment;
    CEditEx* m_place = nullptr;
    QCheckBox* m_allDayCheck = nullptr;
    QDateEdit* m_startDate = nullptr;
    QDateEdit* m_endDate = nullptr;
    QPushButton* m_startTime = nullptr;
    QPushButton* m_endTime = nullptr;
    bool m_allDay = false;
    bool m_reminderSet = false;
    int m_reminderMinutes = 15;
    TimeValue m_start = 0;
    TimeValue m_end = 0;
    TimeValue m_duration = 0;
    bool m_writing = false;  // date signals of our own writes are not edits
};

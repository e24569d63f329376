// The frame's dialogs as the application runs them: the appointment, task and
// anniversary editors and the date picker; the other dialogs keep the
// frame's default until their modules arrive.
#pragma once

#include <functional>

#include "app/FrameDialogs.h"
#include "editors/item/ItemEditorServices.h"
#include "views/picker/PickerPainter.h"

class EditorDialogs : public FrameDialogs {
public:
    // The settings are the frame's and outlive the dialogs.
    explicit EditorDialogs(const Settings& settings) : m_settings(settings) {}

    // Public holidays for the date picker's day numbers.
    void SetHolidayPredicate(HolidayPredicate isHoliday) { m_isHoliday = std::move(isHoliday); }

    // The store session (made when the frame is created) and the date the
    // frame shows, for the item editors.
    void SetItemContext(std::function<PimSession*()> session, std::function<TimeValue()> currentDate)
    {
        m_session = std::move(session);
        m_currentDate = std::move(currentDate);
    }
    // The recurrence, reminder and notes dialogs the item editors open.
    void SetItemEditorServices(ItemEditorServices services) { m_services = std::move(services); }

    int EditAppointment(QWidget* owner, PoomAppointment& item, ApptEditMode mode) override;
    int EditTask(QWidget* owner, PoomTask& item, bool isNew) override;
    int EditAnniversaryByDate(QWidget* owner, const AnniversaryEdit& edit) override;
    int EditAnniversaryByDay(QWidget* owner, const AnniversaryEdit& edit) override;
    bool PickDate(QWidget* owner, TimeValue& date) override;

private:
    const Settings& m_settings;
    HolidayPredicate m_isHoliday;
    std::function<PimSession*()> m_session;
    std::function<TimeValue()> m_currentDate;
    ItemEditorServices m_services;
};

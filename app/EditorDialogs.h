// The frame's dialogs as the application runs them: the appointment, task and
// anniversary editors with the recurrence, reminder and notes dialogs they open, the
// date picker, the options and the weather-server dialog.
#pragma once

#include <functional>
#include <vector>

#include "app/FrameDialogs.h"
#include "editors/OptionChoices.h"
#include "editors/item/ItemEditorServices.h"

// The weather services the weather-server dialog offers.
std::vector<OptionChoice> WeatherVendorChoices();

class EditorDialogs : public FrameDialogs {
public:
    // The settings are the frame's and outlive the dialogs. The item editors
    // open the recurrence wizard and the reminder dialogs.
    explicit EditorDialogs(const Settings& settings);

    // The store session (made when the frame is created) and the date the
    // frame shows, for the item editors.
    void SetItemContext(std::function<PimSession*()> session, std::function<TimeValue()> currentDate)
    {
        m_session = std::move(session);
        m_currentDate = std::move(currentDate);
    }
    // The recurrence, reminder and notes dialogs the item editors open.
    void SetItemEditorServices(ItemEditorServices services) { m_services = std::move(services); }
    const ItemEditorServices& ItemServices() const { return m_services; }

    int EditAppointment(QWidget* owner, PoomAppointment& item, ApptEditMode mode) override;
    int EditTask(QWidget* owner, PoomTask& item, bool isNew) override;
    int EditAnniversaryByDate(QWidget* owner, const AnniversaryEdit& edit) override;
    int EditAnniversaryByDay(QWidget* owner, const AnniversaryEdit& edit) override;
    bool PickDate(QWidget* owner, TimeValue& date) override;
    int RunOptions(QWidget* owner, Settings& settings) override;
    int RunWeatherServer(QWidget* owner, Settings& settings) override;

private:
    const Settings& m_settings;
    std::function<PimSession*()> m_session;
    std::function<TimeValue()> m_currentDate;
    ItemEditorServices m_services;
};

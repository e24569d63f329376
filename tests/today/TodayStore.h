// A throw-away device with a store that the Today tests fill with items.
#pragma once

#include <optional>
#include <string>

#include "calendar/CivilDate.h"
#include "platform/store/PimDatabase.h"
#include "platform/store/PoomApplication.h"
#include "tests/platform/device/TempDevice.h"

class TodayStore {
public:
    TodayStore();
    ~TodayStore();

    PoomApplication& Poom() { return m_poom; }
    // Timed (minutes since midnight) or all-day appointments; returns the Oid.
    CEOID AddAppointment(const std::string& subject, const SolarDate& day, int startMinute, int endMinute,
                         const std::string& location = "");
    CEOID AddAllDay(const std::string& subject, const SolarDate& first, int days, const std::string& location = "");
    // A daily series of `count` occurrences.
    CEOID AddDaily(const std::string& subject, const SolarDate& first, int startMinute, int endMinute, int count);

    struct Task {
        std::string subject;
        int importance = olImportanceNormal;
        std::optional<SolarDate> start;
        std::optional<SolarDate> due;
        bool complete = false;
    };
    CEOID AddTask(const Task& task);

    // The task database, opened as the Today task item opens it.
    CEDBHANDLE TasksDb();

    const TempDevice& Device() const { return m_device; }

private:
    TempDevice m_device;
    PoomApplication m_poom;
    CEGUID m_volume;
    CEDBHANDLE m_tasksDb = kInvalidDbHandle;
};

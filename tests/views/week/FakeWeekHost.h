// A frame stand-in for the week view's tests and benchmarks: settings, the
// week around the current date, anniversaries, pictures from a real bundle,
// an item list in memory, and a record of everything the view asked of the
// frame.
#pragma once

#include <memory>
#include <vector>

#include "calendar/Anniversary.h"
#include "resources/ResourceLibrary.h"
#include "agenda/WeekDates.h"
#include "agenda/WeekItemSource.h"
#include "views/week/WeekViewHost.h"

class ListItemSource : public WeekItemSource {
public:
    std::vector<WeekAppointment> appointments;
    std::vector<WeekTask> tasks;
    struct Toggle {
        CEOID oid;
        TimeValue day;
    };
    std::vector<Toggle> toggles;
    std::vector<CEOID> colourAsked;

    std::vector<WeekAppointment> FindAppointments(TimeValue, TimeValue) override {
        return appointments;
    }
    std::vector<WeekTask> ReadTasks(TimeValue, TimeValue, const Settings&) override { return tasks; }
    ColorRef TaskColor(CEOID oid) override {
        colourAsked.push_back(oid);
        return 0x00FF00;
    }
    bool ToggleTaskCompletion(CEOID oid, TimeValue day) override {
        toggles.push_back({oid, day});
        return true;
    }
};

class FakeWeekHost : public WeekViewHost {
public:
    FakeWeekHost();

    Settings settings;
    TimeValue currentDate = 0;
    TimeValue weekStart = 0;
    TimeValue weekEnd = 0;
    AnniversaryList anniversaries;
    std::unique_ptr<ResourceLibrary> library;
    ListItemSource source;
    std::vector<int> commands;
    std::optional<TimeValue> pickedDate;
    int pickCount = 0;
    QString title;
    bool editButtons = false;

    const Settings& GetSettings() const override { return settings; }
    TimeValue GetCurrentDate() const override { return currentDate; }
    void SetCurrentDate(TimeValue date) override;
    TimeValue GetWeekStart() const override { return weekStart; }
    TimeValue GetWeekEnd() const override { return weekEnd; }
    const AnniversaryList& GetAnniversaries() const override { return anniversaries; }
    const ResourceLibrary* GetResourceLibrary() const override { return library.get(); }
    WeekItemSource& GetItemSource() override { return source; }
    void PostCommand(int id) override { commands.push_back(id); }
    std::optional<TimeValue> PickDate(TimeValue) override {
        ++pickCount;
        return pickedDate;
    }
    void SetWeekTitle(const QString& text) override { title = text; }
    QMenu* RightSoftKeyPopup() override { return nullptr; }
    void ShowItemButtons(bool editAndDelete, bool) override { editButtons = editAndDelete; }
};

// The local time of a date and time.
TimeValue At(int year, int month, int day, int hour = 0, int minute = 0);
double Ole(int year, int month, int day, int hour = 0, int minute = 0);

// Sets the clock override for the life of the object.
class ClockScope {
public:
    explicit ClockScope(const char* now);
    ~ClockScope();
};

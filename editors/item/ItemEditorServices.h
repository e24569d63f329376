// What the appointment and task editors need from outside: the settings, the
// store session (item colour, completion date), the date the main view
// shows, and the dialogs they open. A dialog that is not provided leaves its
// button disabled rather than doing nothing when tapped.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "pim/time/TimeValue.h"

class PimSession;
class PoomItem;
class QWidget;
struct Settings;

struct ItemEditorServices {
    // The recurrence wizard on the item (it writes the pattern itself);
    // `choice` in and out. True on OK.
    std::function<bool(QWidget* owner, PoomItem& item, int& choice)> runRecurrence;
    // The appointment's reminder: set flag and minutes before the start.
    std::function<bool(QWidget* owner, bool& on, int& minutes)> runApptReminder;
    // The task's reminder: set flag and the reminder time (OLE date).
    std::function<bool(QWidget* owner, bool& on, double& time)> runTaskReminder;
    // The full-screen notes dialog on the notes blob.
    std::function<bool(QWidget* owner, std::vector<uint8_t>& notes)> runNotes;
    // The colour chooser; the colour picker when not set.
    std::function<std::optional<uint32_t>(QWidget* owner, uint32_t color)> chooseColor;
};

struct ItemEditorContext {
    const Settings& settings;
    PimSession& session;
    TimeValue currentDate = 0;  // the main view's date: a completed task's completion date
    ItemEditorServices services;
};

struct ItemEditorFlags {
    bool newItem = false;
    bool occurrenceOnly = false;  // one occurrence of a series; no recurrence editing
};

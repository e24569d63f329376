// What the week view needs from the frame that owns it, beyond the settings
// and the current date of every view: the week around that date, the
// anniversaries, the pictures, the store, and a way to hand commands back.
#pragma once

#include <QString>
#include <optional>

#include "views/ViewHost.h"

class AnniversaryList;
class QMenu;
class ResourceLibrary;
class WeekItemSource;

class WeekViewHost : public ViewHost {
public:
    // Midnight of the week's first day and the last second of its seventh day,
    // as SetCurrentDate last computed them.
    virtual TimeValue GetWeekStart() const = 0;
    virtual TimeValue GetWeekEnd() const = 0;

    virtual const AnniversaryList& GetAnniversaries() const = 0;
    // The loaded picture bundle, or null: the view then draws without pictures.
    virtual const ResourceLibrary* GetResourceLibrary() const = 0;
    virtual WeekItemSource& GetItemSource() = 0;

    // Queues a frame command (new, edit, delete, cut, copy, paste, go to
    // today, view switches); it runs after the current input event.
    virtual void PostCommand(int commandId) = 0;

    // The date picker preset to `preset`; the chosen day, or none on cancel.
    virtual std::optional<TimeValue> PickDate(TimeValue preset) = 0;
    // On a landscape screen the week's range goes to the frame's title; an
    // empty text gives the frame its own title back.
    virtual void SetWeekTitle(const QString& title) = 0;

    // The right soft key's popup for the view to fill, or null when the
    // frame shows the button row instead.
    virtual QMenu* RightSoftKeyPopup() = 0;
    // Button row: which of the two buttons sharing a place are shown.
    virtual void ShowItemButtons(bool editAndDelete, bool weatherRefresh) = 0;

protected:
    ~WeekViewHost() = default;
};

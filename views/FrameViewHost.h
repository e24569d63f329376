// What the month view and the anniversary list need from the frame beyond the
// settings and the current date: the anniversaries, a way to hand commands
// back, the frame's caption, and the command surface to fill.
#pragma once

#include <QString>

#include "views/ViewHost.h"

class AnniversaryList;
class QMenu;

class FrameViewHost : public ViewHost {
public:
    virtual const AnniversaryList& GetAnniversaries() const = 0;

    // Queues a frame command; it runs after the current input event.
    virtual void PostCommand(int commandId) = 0;

    // On a landscape screen the view's title becomes the frame's caption; an
    // empty text gives the frame its own title back.
    virtual void SetViewTitle(const QString& title) = 0;

    // The right soft key's popup for the view to fill, or null when the
    // frame shows the button row instead.
    virtual QMenu* RightSoftKeyPopup() = 0;
    // Button row: which of the two buttons sharing a place are shown.
    virtual void ShowItemButtons(bool editAndDelete, bool weatherRefresh) = 0;

protected:
    ~FrameViewHost() = default;
};

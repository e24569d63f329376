// A frame stand-in for the month view and the anniversary list: settings, the
// current date, anniversaries, and a record of what the view asked.
#pragma once

#include <QString>
#include <vector>

#include "calendar/Anniversary.h"
#include "views/FrameViewHost.h"

class FakeFrameHost : public FrameViewHost {
public:
    Settings settings;
    TimeValue currentDate = 0;
    AnniversaryList anniversaries;
    std::vector<int> commands;
    QString title = QStringLiteral("(unset)");
    bool editButtons = false;

    const Settings& GetSettings() const override { return settings; }
    TimeValue GetCurrentDate() const override { return currentDate; }
    void SetCurrentDate(TimeValue date) override { currentDate = date; }
    const AnniversaryList& GetAnniversaries() const override { return anniversaries; }
    void PostCommand(int id) override { commands.push_back(id); }
    void SetViewTitle(const QString& text) override { title = text; }
    QMenu* RightSoftKeyPopup() override { return nullptr; }
    void ShowItemButtons(bool editAndDelete, bool) override { editButtons = editAndDelete; }
};

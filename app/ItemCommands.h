// The frame's commands on items: new appointment and task, edit, delete, and
// paste from the frame's clipboard. They ask their questions in message
// boxes, run the editors through FrameDialogs and say what the active view
// needs afterwards.
#pragma once

#include <cstdint>
#include <string>

#include "app/FrameSelection.h"
#include "pim/time/TimeValue.h"

class AnniversaryList;
class FrameDialogs;
class PimSession;
class QWidget;

enum class ViewUpdate {
    None,     // nothing changed, or the store's notification will refresh the view
    Redraw,   // repaint with the entries kept (after an edit)
    Refresh,  // collect the entries again
};

struct ItemCommandContext {
    QWidget* owner = nullptr;  // parent of the message boxes
    PimSession& session;
    FrameDialogs& dialogs;
    AnniversaryList& anniversaries;
    std::string anniversaryFolder;
};

class ItemCommands {
public:
    explicit ItemCommands(ItemCommandContext context) : m_ctx(std::move(context)) {}

    // On the day of `currentDate`; the start rule is NewAppointmentStart's.
    ViewUpdate NewAppointment(TimeValue currentDate, TimeValue now);
    // Due at midnight of `currentDate`, no start date.
    ViewUpdate NewTask(TimeValue currentDate);
    // kind: kAnniversaryByDate or kAnniversaryByWeekday.
    ViewUpdate NewAnniversary(int32_t kind);

    // No selection starts a new appointment.
    ViewUpdate Edit(const FrameSelection& selection, TimeValue currentDate, TimeValue now);
    ViewUpdate Delete(const FrameSelection& selection);

    // Copies (or after Cut moves) the item to the day of `targetDay`.
    // Recurring items are refused with a message.
    ViewUpdate Paste(CEOID oid, int32_t kind, bool cut, TimeValue targetDay);

private:
    ViewUpdate EditAppointment(const FrameSelection& selection);
    ViewUpdate EditTask(const FrameSelection& selection);
    ViewUpdate EditAnniversary(const FrameSelection& selection);
    ViewUpdate DeleteStoreItem(const FrameSelection& selection);
    ViewUpdate DeleteAnniversary(const FrameSelection& selection);
    // True, after saying so, for a computed holiday's entry.
    bool RefusedAsComputedHoliday(const FrameSelection& selection) const;
    ViewUpdate PasteAppointment(CEOID oid, bool cut, TimeValue targetDay);
    ViewUpdate PasteTask(CEOID oid, bool cut, TimeValue targetDay);

    int Ask(int stringId, uint32_t flags, const QString& argument = {}) const;

    ItemCommandContext m_ctx;
};

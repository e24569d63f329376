// The frame's commands on items: new appointment and task, edit, delete, and
// paste from the frame's clipboard. They ask their questions in message
// boxes, run the editors through FrameDialogs and say what the active view
// needs afterwards.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/FrameSelection.h"
#include "pim/time/TimeValue.h"

struct Anniversary;
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
    // kind: kAnniversaryByDate or kAnniversaryByWeekday; the editor starts
    // on the day of `currentDate`.
    ViewUpdate NewAnniversary(int32_t kind, TimeValue currentDate);
    // The anniversary at that index of the list, in the editor of its kind.
    ViewUpdate EditAnniversary(CEOID index, TimeValue currentDate);

    // No selection starts a new appointment.
    ViewUpdate Edit(const FrameSelection& selection, TimeValue currentDate, TimeValue now);
    ViewUpdate Delete(const FrameSelection& selection);

    // Copies (or after Cut moves) the item to the day of `targetDay`.
    // Recurring items are refused with a message.
    ViewUpdate Paste(CEOID oid, int32_t kind, bool cut, TimeValue targetDay);

    // True, after saying so, for a computed holiday's entry.
    bool RefusedAsComputedHoliday(const FrameSelection& selection) const;

private:
    ViewUpdate EditAppointment(const FrameSelection& selection);
    ViewUpdate EditTask(const FrameSelection& selection);
    int RunAnniversaryEditor(int32_t kind, int index, TimeValue currentDate);
    // One locked transaction of the anniversary file, given the folder, the
    // list to receive what was saved and the reason of a failure.
    using AnniversaryTransaction =
        std::function<int32_t(const std::string& folder, AnniversaryList* result, std::string* error)>;
    // The one place where the frame writes the anniversaries: afterwards the
    // frame's list is what the file holds, saved or not.
    bool StoreAnniversaries(const AnniversaryTransaction& save, std::string* error);
    // What an editor saves: index -1 adds, any other changes that record as
    // it was loaded.
    bool StoreEditedAnniversary(int index, const Anniversary& record, std::string* error);
    ViewUpdate DeleteStoreItem(const FrameSelection& selection);
    ViewUpdate DeleteAnniversary(const FrameSelection& selection);
    ViewUpdate PasteAppointment(CEOID oid, bool cut, TimeValue targetDay);
    ViewUpdate PasteTask(CEOID oid, bool cut, TimeValue targetDay);

    int Ask(int stringId, uint32_t flags, const QString& argument = {}) const;

    ItemCommandContext m_ctx;
};

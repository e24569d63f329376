#include "app/ItemCommands.h"

#include "app/FrameDates.h"
#include "app/FrameDialogs.h"
#include "settings/ChangeFlags.h"
#include "settings/SettingsKeys.h"
#include "calendar/Anniversary.h"
#include "calendar/AnniversaryEdits.h"
#include "calendar/AnniversaryFile.h"
#include "pim/session/ItemDates.h"
#include "pim/session/PimSession.h"
#include "platform/shell/MessageBox.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "resources/Strings.h"

namespace {

// The editors' "edit in the platform's own editor" answer.
void DisplayWhenAsked(int result, PoomItem& item)
{
    if (result == kDialogDetailedEdit)
        item.Display();
}

bool IsAnniversaryIndex(const AnniversaryList& list, CEOID oid) { return oid < list.Count(); }

}  // namespace

int ItemCommands::Ask(int stringId, uint32_t flags, const QString& argument) const
{
    const QString text = argument.isNull() ? LoadString(stringId) : FormatString(stringId, {argument});
    return MessageBox(m_ctx.owner, text, LoadString(IDS_PRODUCT_NAME), flags);
}

ViewUpdate ItemCommands::NewAppointment(TimeValue currentDate, TimeValue now)
{
    auto item = m_ctx.session.CreateItem(olAppointmentItem);
    PoomAppointment* appointment = item ? item->AsAppointment() : nullptr;
    if (appointment == nullptr)
        return ViewUpdate::None;
    const TimeValue start = NewAppointmentStart(currentDate, now);
    appointment->SetStart(OleFromTime(start));
    appointment->SetEnd(OleFromTime(start + kNewAppointmentSeconds));
    appointment->SetReminderSet(false);
    // The item stays unsaved unless the editor saves it.
    DisplayWhenAsked(m_ctx.dialogs.EditAppointment(m_ctx.owner, *appointment, ApptEditMode::NewItem), *item);
    return ViewUpdate::None;
}

ViewUpdate ItemCommands::NewTask(TimeValue currentDate)
{
    auto item = m_ctx.session.CreateItem(olTaskItem);
    PoomTask* task = item ? item->AsTask() : nullptr;
    if (task == nullptr)
        return ViewUpdate::None;
    task->SetStartDate(kNoDate);
    task->SetDueDate(OleFromTime(MidnightOf(currentDate)));
    task->SetReminderSet(false);
    DisplayWhenAsked(m_ctx.dialogs.EditTask(m_ctx.owner, *task, true), *item);
    return ViewUpdate::None;
}

int ItemCommands::RunAnniversaryEditor(int32_t kind, int index, TimeValue currentDate)
{
    const TimeParts parts = *PartsFromTime(currentDate);
    const AnniversaryEdit edit{m_ctx.anniversaries, index, SolarDate{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday},
                               [this](int at, const Anniversary& record, std::string* error) {
                                   return StoreEditedAnniversary(at, record, error);
                               }};
    return kind == kAnniversaryByWeekday ? m_ctx.dialogs.EditAnniversaryByDay(m_ctx.owner, edit)
                                         : m_ctx.dialogs.EditAnniversaryByDate(m_ctx.owner, edit);
}

bool ItemCommands::StoreEditedAnniversary(int index, const Anniversary& record, std::string* error)
{
    if (index < 0) {
        return StoreAnniversaries(
            [&](const std::string& folder, AnniversaryList* result, std::string* why) {
                return SaveNewAnniversary(folder, record, result, nullptr, why);
            },
            error);
    }
    const size_t at = static_cast<size_t>(index);
    const Anniversary asLoaded = m_ctx.anniversaries.At(at);
    return StoreAnniversaries(
        [&](const std::string& folder, AnniversaryList* result, std::string* why) {
            return SaveChangedAnniversary(folder, at, asLoaded, record, result, nullptr, why);
        },
        error);
}

bool ItemCommands::StoreAnniversaries(const AnniversaryTransaction& save, std::string* error)
{
    AnniversaryList saved;
    if (save(m_ctx.anniversaryFolder, &saved, error) != 0) {
        m_ctx.anniversaries = std::move(saved);
        return true;
    }
    // Show what the file really holds, whatever other writers did meanwhile.
    AnniversaryList onDisk;
    if (LoadAnniversaries(onDisk, m_ctx.anniversaryFolder) != 0)
        m_ctx.anniversaries = std::move(onDisk);
    return false;
}

ViewUpdate ItemCommands::NewAnniversary(int32_t kind, TimeValue currentDate)
{
    if (RunAnniversaryEditor(kind, -1, currentDate) == kNoDialog)
        return ViewUpdate::None;
    RaiseChangeFlag(SettingName::kTodayEventChanged);
    return ViewUpdate::Refresh;
}

ViewUpdate ItemCommands::Edit(const FrameSelection& selection, TimeValue currentDate, TimeValue now)
{
    if (RefusedAsComputedHoliday(selection))
        return ViewUpdate::None;
    if (!selection.HasItem())
        return NewAppointment(currentDate, now);
    switch (selection.kind) {
    case kSelectionAppointment:
        return EditAppointment(selection);
    case kSelectionTask:
        return EditTask(selection);
    case kSelectionAnniversary:
        return EditAnniversary(selection.oid, currentDate);
    default:
        return ViewUpdate::None;
    }
}

ViewUpdate ItemCommands::EditAppointment(const FrameSelection& selection)
{
    auto item = m_ctx.session.GetItemFromOid(selection.oid);
    PoomAppointment* appointment = item ? item->AsAppointment() : nullptr;
    if (appointment == nullptr)
        return ViewUpdate::None;
    if (!appointment->IsRecurring()) {
        const int result = m_ctx.dialogs.EditAppointment(m_ctx.owner, *appointment, ApptEditMode::WholeItem);
        DisplayWhenAsked(result, *item);
        return result == kNoDialog ? ViewUpdate::None : ViewUpdate::Redraw;
    }
    const int answer = Ask(IDS_EDIT_RECURRING, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return ViewUpdate::None;
    if (answer == IDYES) {
        const int result = m_ctx.dialogs.EditAppointment(m_ctx.owner, *appointment, ApptEditMode::WholeItem);
        DisplayWhenAsked(result, *item);
        return result == kNoDialog ? ViewUpdate::None : ViewUpdate::Redraw;
    }
    PoomRecurrencePattern* pattern = appointment->GetRecurrencePattern();
    auto occurrence = pattern ? pattern->GetOccurrence(OleDateOnly(selection.start)) : nullptr;
    if (!occurrence)
        return ViewUpdate::None;
    const int result = m_ctx.dialogs.EditAppointment(m_ctx.owner, *occurrence, ApptEditMode::OccurrenceOnly);
    // The platform's editor opens on the series, not on the occurrence.
    DisplayWhenAsked(result, *item);
    return result == kNoDialog ? ViewUpdate::None : ViewUpdate::Redraw;
}

ViewUpdate ItemCommands::EditTask(const FrameSelection& selection)
{
    auto item = m_ctx.session.GetItemFromOid(selection.oid);
    PoomTask* task = item ? item->AsTask() : nullptr;
    if (task == nullptr)
        return ViewUpdate::None;
    const int result = m_ctx.dialogs.EditTask(m_ctx.owner, *task, false);
    DisplayWhenAsked(result, *item);
    return result == kNoDialog ? ViewUpdate::None : ViewUpdate::Redraw;
}

ViewUpdate ItemCommands::EditAnniversary(CEOID index, TimeValue currentDate)
{
    if (!IsAnniversaryIndex(m_ctx.anniversaries, index))
        return ViewUpdate::None;
    const int32_t kind = m_ctx.anniversaries.At(index).kind;
    if (RunAnniversaryEditor(kind, static_cast<int>(index), currentDate) == kNoDialog)
        return ViewUpdate::None;
    RaiseChangeFlag(SettingName::kTodayEventChanged);
    return ViewUpdate::Redraw;
}

ViewUpdate ItemCommands::Delete(const FrameSelection& selection)
{
    if (RefusedAsComputedHoliday(selection) || !selection.HasItem())
        return ViewUpdate::None;
    if (selection.kind == kSelectionAnniversary)
        return DeleteAnniversary(selection);
    if (selection.kind == kSelectionAppointment || selection.kind == kSelectionTask)
        return DeleteStoreItem(selection);
    return ViewUpdate::None;
}

ViewUpdate ItemCommands::DeleteStoreItem(const FrameSelection& selection)
{
    auto item = m_ctx.session.GetItemFromOid(selection.oid);
    if (!item)
        return ViewUpdate::None;
    // The store's notification refreshes the view after any change here.
    if (!item->IsRecurring()) {
        if (Ask(IDS_DELETE_ITEM, MB_YESNO | MB_ICONQUESTION, selection.title) == IDYES)
            item->Delete();
        return ViewUpdate::None;
    }
    const int answer = Ask(IDS_DELETE_RECURRING, MB_YESNOCANCEL | MB_ICONQUESTION, selection.title);
    if (answer == IDYES) {
        item->Delete();
    } else if (answer == IDNO) {
        if (PoomTask* task = item->AsTask()) {
            task->SkipRecurrence();
        } else if (PoomRecurrencePattern* pattern = item->GetRecurrencePattern()) {
            if (auto occurrence = pattern->GetOccurrence(OleDateOnly(selection.start)))
                occurrence->Delete();
        }
    }
    return ViewUpdate::None;
}

ViewUpdate ItemCommands::DeleteAnniversary(const FrameSelection& selection)
{
    if (!IsAnniversaryIndex(m_ctx.anniversaries, selection.oid))
        return ViewUpdate::None;
    if (Ask(IDS_DELETE_ITEM, MB_YESNO | MB_ICONQUESTION, selection.title) != IDYES)
        return ViewUpdate::None;
    const size_t index = static_cast<size_t>(selection.oid);
    const Anniversary asLoaded = m_ctx.anniversaries.At(index);
    std::string error;
    const bool saved = StoreAnniversaries(
        [&](const std::string& folder, AnniversaryList* result, std::string* why) {
            return SaveRemovedAnniversary(folder, index, asLoaded, result, why);
        },
        &error);
    if (!saved)
        Ask(IDS_ANNIVERSARY_SAVE_FAILED, MB_OK | MB_ICONERROR, QString::fromStdString(error));
    RaiseChangeFlag(SettingName::kTodayEventChanged);
    return ViewUpdate::Redraw;
}

bool ItemCommands::RefusedAsComputedHoliday(const FrameSelection& selection) const
{
    // A substitute holiday is shown like an anniversary but no record stands
    // behind it; without this, Edit would take it for no selection.
    if (selection.kind != kSelectionAnniversary || selection.oid != kNoItem)
        return false;
    Ask(IDS_HOLIDAY_NOT_EDITABLE, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

ViewUpdate ItemCommands::Paste(CEOID oid, int32_t kind, bool cut, TimeValue targetDay)
{
    if (oid == kNoItem)
        return ViewUpdate::None;
    if (kind == kSelectionAppointment)
        return PasteAppointment(oid, cut, targetDay);
    if (kind == kSelectionTask)
        return PasteTask(oid, cut, targetDay);
    return ViewUpdate::None;
}

ViewUpdate ItemCommands::PasteAppointment(CEOID oid, bool cut, TimeValue targetDay)
{
    auto item = m_ctx.session.GetItemFromOid(oid);
    PoomAppointment* source = item ? item->AsAppointment() : nullptr;
    if (source == nullptr)
        return ViewUpdate::None;
    if (source->IsRecurring()) {
        Ask(IDS_RECURRING_NO_COPY, MB_OK | MB_ICONEXCLAMATION);
        return ViewUpdate::None;
    }
    const auto start = OnDayKeepingTime(source->Start(), targetDay);
    PoomApplication* app = m_ctx.session.OutlookApp();
    if (!start || app == nullptr)
        return ViewUpdate::None;
    // The copy, its move and the removal of a cut source land together or
    // not at all: a failure never loses the item nor leaves a stray copy.
    auto batch = app->BeginBatch();
    if (!batch)
        return ViewUpdate::None;
    auto copy = source->Copy();
    PoomAppointment* moved = copy ? copy->AsAppointment() : nullptr;
    if (moved == nullptr)
        return ViewUpdate::None;
    moved->SetStart(*start);
    moved->SetEnd(*start + (source->End() - source->Start()));
    if (!moved->Save() || (cut && !source->Delete()) || !batch->Commit())
        return ViewUpdate::None;
    return ViewUpdate::Refresh;
}

ViewUpdate ItemCommands::PasteTask(CEOID oid, bool cut, TimeValue targetDay)
{
    auto item = m_ctx.session.GetItemFromOid(oid);
    PoomTask* source = item ? item->AsTask() : nullptr;
    if (source == nullptr)
        return ViewUpdate::None;
    if (source->IsRecurring()) {
        Ask(IDS_RECURRING_NO_COPY, MB_OK | MB_ICONEXCLAMATION);
        return ViewUpdate::None;
    }
    PoomApplication* app = m_ctx.session.OutlookApp();
    auto batch = app ? app->BeginBatch() : nullptr;
    if (!batch)
        return ViewUpdate::None;
    auto copy = source->Copy();
    PoomTask* pasted = copy ? copy->AsTask() : nullptr;
    if (pasted == nullptr)
        return ViewUpdate::None;
    if (!pasted->Complete()) {
        // The start date stays as it was.
        const auto due = OnDayKeepingTime(pasted->DueDate(), targetDay);
        if (!due)
            return ViewUpdate::None;
        pasted->SetDueDate(*due);
        if (!pasted->Save())
            return ViewUpdate::None;
    }
    if (cut && !source->Delete())
        return ViewUpdate::None;
    if (!batch->Commit())
        return ViewUpdate::None;
    // The database face writes through its own connection, so only once the
    // copy is committed.
    if (pasted->Complete())
        m_ctx.session.WriteCompletionDate(*pasted, MidnightOf(targetDay));
    return ViewUpdate::Redraw;
}

#include "app/DialogScreenshot.h"

#include "app/MainFrame.h"
#include "editors/AnniversaryDateDlg.h"
#include "editors/AnniversaryDayDlg.h"
#include "editors/ColorPicker.h"
#include "editors/TimeRangeDlg.h"
#include "editors/item/ApptDlg.h"
#include "editors/item/RecurrenceChoice.h"
#include "editors/item/TaskDlg.h"
#include "pim/session/ItemDates.h"
#include "pim/session/PimSession.h"
#include "platform/store/PimTypes.h"
#include "platform/store/PoomItem.h"
#include "platform/text/NotesText.h"
#include "resources/Strings.h"
#include "views/picker/CalendarDlg.h"

namespace {

SolarDate DayOf(TimeValue t)
{
    const TimeParts parts = *PartsFromTime(t);
    return SolarDate{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

// A screenshot never writes the anniversary file.
bool RefuseWrite(int, const Anniversary&, std::string*) { return false; }

template <typename Dialog>
std::unique_ptr<QDialog> AnniversaryEditor(CMainFrame& frame, bool byWeekday)
{
    auto dialog = std::make_unique<Dialog>(&frame, frame.GetSettings(), DayOf(frame.GetCurrentDate()), RefuseWrite);
    const AnniversaryList& list = frame.GetAnniversaries();
    for (size_t i = 0; i < list.Count(); ++i) {
        if ((list.At(i).kind == kAnniversaryByWeekday) == byWeekday) {
            dialog->LoadAnniversary(list.At(i), static_cast<int>(i));
            break;
        }
    }
    return dialog;
}

// Keeps the sample item as long as the dialog that borrows it.
class ItemKeeper : public QObject {
public:
    ItemKeeper(QObject* dialog, std::unique_ptr<PoomItem> item) : QObject(dialog), m_item(std::move(item)) {}

private:
    std::unique_ptr<PoomItem> m_item;
};

// An unsaved sample item on the frame's date: a screenshot writes nothing.
std::unique_ptr<QDialog> ItemEditor(CMainFrame& frame, bool task)
{
    PimSession* session = frame.Session();
    std::unique_ptr<PoomItem> item = session ? session->CreateItem(task ? olTaskItem : olAppointmentItem) : nullptr;
    if (!item)
        return nullptr;
    const SolarDate day = DayOf(frame.GetCurrentDate());
    const TimeValue start = TimeFromFields(day.year, day.month, day.day, 10, 0, 0);
    const std::vector<uint8_t> notes = NotesFromText("안건: 다음 분기 계획");
    item->SetBodyInk(Bytes(notes.begin(), notes.end()));
    const ItemEditorContext context{frame.GetSettings(), *session, frame.GetCurrentDate(), {}};
    std::unique_ptr<QDialog> dialog;
    if (PoomTask* sample = item->AsTask()) {
        sample->SetSubject("보고서 제출");
        sample->SetStartDate(OleFromTime(start));
        sample->SetDueDate(OleFromTime(start));
        dialog = std::make_unique<CTaskDlg>(&frame, context, *sample, ItemEditorFlags{});
    } else if (PoomAppointment* sample = item->AsAppointment()) {
        sample->SetSubject("팀 회의");
        sample->SetLocation("3층 회의실");
        sample->SetStart(OleFromTime(start));
        sample->SetEnd(OleFromTime(start + 5400));
        sample->SetReminderSet(true);
        WriteRecurrenceChoice(*sample, kRecurrenceWeekly, sample->Start());
        session->SetItemColor(*sample, 0x3366CC);
        dialog = std::make_unique<CApptDlg>(&frame, context, *sample, ItemEditorFlags{});
    }
    if (dialog)
        new ItemKeeper(dialog.get(), std::move(item));
    return dialog;
}

}  // namespace

std::unique_ptr<QDialog> MakeScreenshotDialog(const QString& name, CMainFrame& frame)
{
    const Settings& settings = frame.GetSettings();
    if (name == QLatin1String("anniversary-date"))
        return AnniversaryEditor<CAnniversaryDateDlg>(frame, false);
    if (name == QLatin1String("anniversary-day"))
        return AnniversaryEditor<CAnniversaryDayDlg>(frame, true);
    if (name == QLatin1String("appointment") || name == QLatin1String("task"))
        return ItemEditor(frame, name == QLatin1String("task"));
    if (name == QLatin1String("calendar")) {
        auto picker = std::make_unique<CCalendarDlg>(&frame, settings);
        picker->SetSelectedDate(frame.GetCurrentDate());
        return picker;
    }
    if (name == QLatin1String("color")) {
        auto picker = std::make_unique<CColorPicker>(&frame, settings);
        picker->SetSelectedColor(0x3366CC);
        return picker;
    }
    if (name == QLatin1String("time-range")) {
        auto range = std::make_unique<CTimeRangeDlg>(&frame, settings);
        const SolarDate day = DayOf(frame.GetCurrentDate());
        range->SetTitle(LoadString(IDS_TIME_RANGE_TITLE));
        range->SetStart(TimeFromFields(day.year, day.month, day.day, 10, 0, 0));
        range->SetEnd(TimeFromFields(day.year, day.month, day.day, 11, 30, 0));
        return range;
    }
    return nullptr;
}

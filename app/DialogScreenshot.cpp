#include "app/DialogScreenshot.h"

#include "app/EditorDialogs.h"
#include "app/MainFrame.h"
#include "editors/AnniversaryDateDlg.h"
#include "editors/AnniversaryDayDlg.h"
#include "editors/ColorPicker.h"
#include "editors/OptionDlg.h"
#include "editors/OptionWeatherDlg.h"
#include "editors/TimeRangeDlg.h"
#include "editors/item/ApptDlg.h"
#include "editors/item/RecurrenceChoice.h"
#include "editors/item/TaskDlg.h"
#include "editors/notes/NotesDlg.h"
#include "editors/recurrence/RecurrenceDailyDlg.h"
#include "editors/recurrence/RecurrenceDlg.h"
#include "editors/recurrence/RecurrenceMonthlyDlg.h"
#include "editors/recurrence/RecurrencePatternDlg.h"
#include "editors/recurrence/RecurrenceRangeDlg.h"
#include "editors/recurrence/RecurrenceWeeklyDlg.h"
#include "editors/recurrence/RecurrenceYearlyDlg.h"
#include "editors/reminder/ReminderAppDlg.h"
#include "editors/reminder/ReminderTaskDlg.h"
#include "pim/session/ItemDates.h"
#include "pim/session/PimSession.h"
#include "platform/ink/InkStream.h"
#include "platform/store/OleTime.h"
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

// The settings dialogs store into the settings they are given; a screenshot
// hands them a copy of its own.
struct SettingsCopy {
    Settings copy;
};
template <typename Dialog>
class OnSettingsCopy : private SettingsCopy, public Dialog {
public:
    template <typename... Rest>
    OnSettingsCopy(QWidget* owner, const Settings& settings, Rest&&... rest)
        : SettingsCopy{settings}, Dialog(owner, copy, std::forward<Rest>(rest)...)
    {
    }
};

// The recurrence dialog needs an item for its wizard; a new, unsaved one.
struct SampleItem {
    std::unique_ptr<PoomItem> item;
};

class ScreenshotRecurrenceDlg : private SampleItem, public CRecurrenceDlg {
public:
    ScreenshotRecurrenceDlg(CMainFrame& frame, std::unique_ptr<PoomItem> sample)
        : SampleItem{std::move(sample)}, CRecurrenceDlg(&frame, frame.GetSettings(), *item, 2)
    {
    }
};

// A page of the detailed wizard on a monthly pattern starting on the
// current date, holding its wizard.
template <typename Page>
class ScreenshotRecurrencePage : private RecurrenceWizard, public Page {
public:
    explicit ScreenshotRecurrencePage(CMainFrame& frame)
        : RecurrenceWizard{SampleValues(frame), frame.GetSettings()}, Page(&frame, *this)
    {
    }

private:
    static RecurrenceWizardValues SampleValues(CMainFrame& frame)
    {
        const SolarDate day = DayOf(frame.GetCurrentDate());
        RecurrenceFields pattern;
        pattern.type = olRecursMonthNth;
        pattern.patternStart = OleFromFields(day.year, day.month, day.day).value_or(0);
        pattern.range = RecurrenceRange::Count;
        pattern.occurrences = 12;
        return InitialWizardValues(pattern);
    }
};

std::unique_ptr<QDialog> RecurrencePage(const QString& name, CMainFrame& frame)
{
    if (name == QLatin1String("recurrence-pattern"))
        return std::make_unique<ScreenshotRecurrencePage<CRecurrencePatternDlg>>(frame);
    if (name == QLatin1String("recurrence-daily"))
        return std::make_unique<ScreenshotRecurrencePage<CRecurrenceDailyDlg>>(frame);
    if (name == QLatin1String("recurrence-weekly"))
        return std::make_unique<ScreenshotRecurrencePage<CRecurrenceWeeklyDlg>>(frame);
    if (name == QLatin1String("recurrence-monthly"))
        return std::make_unique<ScreenshotRecurrencePage<CRecurrenceMonthlyDlg>>(frame);
    if (name == QLatin1String("recurrence-yearly"))
        return std::make_unique<ScreenshotRecurrencePage<CRecurrenceYearlyDlg>>(frame);
    if (name == QLatin1String("recurrence-range"))
        return std::make_unique<ScreenshotRecurrencePage<CRecurrenceRangeDlg>>(frame);
    return nullptr;
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
    // The frame's services, so that the editor shows the buttons the application shows.
    const auto* services = dynamic_cast<const EditorDialogs*>(&frame.Dialogs());
    const ItemEditorContext context{frame.GetSettings(), *session, frame.GetCurrentDate(),
                                    services != nullptr ? services->ItemServices() : ItemEditorServices{}};
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

// Typed notes with handwriting over them: the first line underlined, a tick
// beside the last. Kept within the left half so that it shows at 200 %.
std::vector<uint8_t> SampleNotesBlob()
{
    InkContent content;
    content.text = "안건: 다음 분기 계획\n- 예산 검토\n- 일정 확정";
    const InkStroke underline{0x00AA5500, 2, {{3, 16}, {30, 18}, {60, 15}, {90, 18}, {105, 16}}};
    const InkStroke tick{0x002222CC, 2, {{78, 38}, {84, 44}, {98, 28}}};
    content.strokes = {underline, tick};
    return WriteInkStream(content);
}

struct SampleNotes {
    std::vector<uint8_t> notes;
};

class ScreenshotNotesDlg : private SampleNotes, public CNotesDlg {
public:
    explicit ScreenshotNotesDlg(CMainFrame& frame)
        : SampleNotes{SampleNotesBlob()}, CNotesDlg(&frame, frame.GetSettings(), notes)
    {
    }
};

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
    if (name == QLatin1String("notes"))
        return std::make_unique<ScreenshotNotesDlg>(frame);
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
    if (name == QLatin1String("recurrence")) {
        std::unique_ptr<PoomItem> sample = frame.Session() ? frame.Session()->CreateItem(olAppointmentItem) : nullptr;
        if (!sample)
            return nullptr;
        return std::make_unique<ScreenshotRecurrenceDlg>(frame, std::move(sample));
    }
    if (name.startsWith(QLatin1String("recurrence-")))
        return RecurrencePage(name, frame);
    if (name == QLatin1String("reminder-appointment")) {
        auto reminder = std::make_unique<CReminderAppDlg>(&frame, settings);
        reminder->SetReminderOn(true);
        reminder->SetMinutes(90);
        return reminder;
    }
    if (name == QLatin1String("reminder-task")) {
        auto reminder = std::make_unique<CReminderTaskDlg>(&frame, settings);
        const SolarDate day = DayOf(frame.GetCurrentDate());
        reminder->SetReminderOn(true);
        reminder->SetReminderTime(OleFromFields(day.year, day.month, day.day, 19, 45).value_or(0));
        return reminder;
    }
    if (name == QLatin1String("time-range")) {
        auto range = std::make_unique<CTimeRangeDlg>(&frame, settings);
        const SolarDate day = DayOf(frame.GetCurrentDate());
        range->SetTitle(LoadString(IDS_TIME_RANGE_TITLE));
        range->SetStart(TimeFromFields(day.year, day.month, day.day, 10, 0, 0));
        range->SetEnd(TimeFromFields(day.year, day.month, day.day, 11, 30, 0));
        return range;
    }
    if (name == QLatin1String("options"))
        return std::make_unique<OnSettingsCopy<COptionDlg>>(&frame, settings);
    if (name == QLatin1String("weather-server"))
        return std::make_unique<OnSettingsCopy<COptionWeatherDlg>>(&frame, settings, WeatherVendorChoices());
    return nullptr;
}

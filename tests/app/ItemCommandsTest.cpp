#include <gtest/gtest.h>

#include <algorithm>

#include "app/ItemCommands.h"
#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"
#include "calendar/AnniversaryEdits.h"
#include "calendar/AnniversaryFile.h"
#include "pim/session/PimSession.h"
#include "platform/shell/MessageBox.h"
#include "resources/Strings.h"
#include "tests/app/AppTestSupport.h"

namespace {

int32_t TodayEventChanged() { return CRegistry().GetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayEventChanged, 0); }

class ItemCommandsTest : public DeviceTest {
protected:
    ItemCommandsTest() : m_session(StoreFile())
    {
        EXPECT_TRUE(m_session.OpenPoom(nullptr));
        EXPECT_TRUE(m_session.OpenPimDatabases(nullptr));
        EXPECT_EQ(LoadAnniversaries(m_anniversaries, ProgramFolder().string()), 1);
        m_session.OutlookApp()->SetDisplayHandler([this](PoomItem& item) {
            m_displayed.push_back(item.Oid());
            return true;
        });
    }

    ItemCommands Commands(FrameDialogs& dialogs)
    {
        return ItemCommands({nullptr, m_session, dialogs, m_anniversaries, ProgramFolder().string()});
    }
    ItemCommands Commands() { return Commands(m_dialogs); }

    // Subjects and starts of the appointments on one day.
    std::vector<std::pair<std::string, double>> Day(int day)
    {
        const TimeValue start = TimeFromFields(2026, 12, day, 0, 0, 0);
        std::vector<std::pair<std::string, double>> found;
        for (const auto& item : m_session.FindWeekAppointments(start, start + 86399))
            found.emplace_back(item->Subject(), item->Start());
        return found;
    }
    std::vector<TaskRecord> Tasks()
    {
        return m_session.ReadWeekTasks(TimeFromFields(2026, 12, 7, 0, 0, 0), TimeFromFields(2026, 12, 13, 23, 59, 59),
                                       WeekTaskOptions{});
    }
    static FrameSelection Selection(CEOID oid, int32_t kind, double start = 0, const char* title = "")
    {
        return FrameSelection{oid, kind, start, QString::fromUtf8(title)};
    }
    static const ShownMessageBox& LastBox() { return MessageBoxScript::Shown().back(); }

    PimSession m_session;
    RecordingDialogs m_dialogs;
    AnniversaryList m_anniversaries;
    std::vector<CEOID> m_displayed;
};

const TimeValue kFriday = TimeFromFields(2026, 12, 11, 8, 0, 0);

}  // namespace

TEST_F(ItemCommandsTest, NewItemsAreSavedOnlyByAnEditor)
{
    FrameDialogs none;
    Commands(none).NewAppointment(kFriday, Now());
    Commands(none).NewTask(kFriday);
    EXPECT_TRUE(Day(11).empty());
    EXPECT_TRUE(Tasks().empty());

    m_dialogs.saveItems = true;
    m_dialogs.itemResult = kDialogDetailedEdit;
    Commands().NewAppointment(kFriday, Now());
    ASSERT_EQ(m_dialogs.appointments.size(), 1u);
    const auto& appointment = m_dialogs.appointments[0];
    EXPECT_EQ(appointment.mode, ApptEditMode::NewItem);
    EXPECT_DOUBLE_EQ(appointment.start, Ole(2026, 12, 11, 10, 30));
    EXPECT_DOUBLE_EQ(appointment.end, Ole(2026, 12, 11, 11, 30));
    EXPECT_FALSE(appointment.reminderSet);
    EXPECT_EQ(Day(11).size(), 1u);
    EXPECT_EQ(m_displayed.size(), 1u);

    Commands().NewTask(kFriday);
    ASSERT_EQ(m_dialogs.tasks.size(), 1u);
    EXPECT_TRUE(m_dialogs.tasks[0].isNew);
    EXPECT_EQ(m_dialogs.tasks[0].startDate, kNoDate);
    EXPECT_DOUBLE_EQ(m_dialogs.tasks[0].dueDate, Ole(2026, 12, 11));
}

TEST_F(ItemCommandsTest, EditAsksWhichPartOfASeries)
{
    auto store = OpenStore();
    const CEOID series = AddAppointment(*store, "Standup", Ole(2026, 12, 7, 9), Ole(2026, 12, 7, 9, 15), true);
    const FrameSelection wednesday = Selection(series, kSelectionAppointment, Ole(2026, 12, 9, 9));

    MessageBoxScript::QueueAnswer(IDCANCEL);
    EXPECT_EQ(Commands().Edit(wednesday, kFriday, Now()), ViewUpdate::None);
    EXPECT_TRUE(m_dialogs.appointments.empty());
    EXPECT_EQ(LastBox().text, LoadString(IDS_EDIT_RECURRING));
    EXPECT_EQ(LastBox().buttons, MB_YESNOCANCEL);
    EXPECT_EQ(LastBox().icon, MB_ICONQUESTION);

    MessageBoxScript::QueueAnswer(IDYES);
    EXPECT_EQ(Commands().Edit(wednesday, kFriday, Now()), ViewUpdate::Redraw);
    MessageBoxScript::QueueAnswer(IDNO);
    Commands().Edit(wednesday, kFriday, Now());
    ASSERT_EQ(m_dialogs.appointments.size(), 2u);
    EXPECT_EQ(m_dialogs.appointments[0].mode, ApptEditMode::WholeItem);
    EXPECT_DOUBLE_EQ(m_dialogs.appointments[0].start, Ole(2026, 12, 7, 9));
    EXPECT_EQ(m_dialogs.appointments[1].mode, ApptEditMode::OccurrenceOnly);
    EXPECT_DOUBLE_EQ(m_dialogs.appointments[1].start, Ole(2026, 12, 9, 9));

    // No selection starts a new appointment; a task opens the task editor.
    Commands().Edit(FrameSelection{}, kFriday, Now());
    EXPECT_EQ(m_dialogs.appointments.back().mode, ApptEditMode::NewItem);
    const CEOID task = AddTask(*store, "Report", Ole(2026, 12, 10));
    Commands().Edit(Selection(task, kSelectionTask), kFriday, Now());
    ASSERT_EQ(m_dialogs.tasks.size(), 1u);
    EXPECT_FALSE(m_dialogs.tasks[0].isNew);
    EXPECT_EQ(m_dialogs.tasks[0].oid, task);
}

TEST_F(ItemCommandsTest, AnniversariesOpenTheirEditorAndTellTheTodayItem)
{
    const size_t byWeekday = AddAnniversary(m_anniversaries, kAnniversaryByWeekday, 0, 52, 1, 0, 0, 0, 0, "Family day", 0);
    EXPECT_EQ(Commands().Edit(Selection(CEOID(byWeekday), kSelectionAnniversary), kFriday, Now()), ViewUpdate::Redraw);
    Commands().Edit(Selection(0, kSelectionAnniversary), kFriday, Now());
    Commands().Edit(Selection(CEOID(m_anniversaries.Count()), kSelectionAnniversary), kFriday, Now());
    ASSERT_EQ(m_dialogs.anniversaries.size(), 2u);
    EXPECT_TRUE(m_dialogs.anniversaries[0].byWeekday);
    EXPECT_EQ(m_dialogs.anniversaries[0].index, static_cast<int>(byWeekday));
    EXPECT_EQ(m_dialogs.anniversaries[1].byWeekday, m_anniversaries.At(0).kind == kAnniversaryByWeekday);
    EXPECT_EQ(TodayEventChanged(), 1);
}

TEST_F(ItemCommandsTest, SavedAnniversariesAreWrittenThroughTheFrame)
{
    const size_t count = m_anniversaries.Count();
    Anniversary record;
    record.kind = kAnniversaryByDate;
    record.year = 2001;
    record.month = 5;
    record.day = 5;
    record.name = "New day";
    m_dialogs.anniversaryToSave = record;
    EXPECT_EQ(Commands().NewAnniversary(kAnniversaryByDate, kFriday), ViewUpdate::Refresh);
    ASSERT_EQ(m_dialogs.anniversaries.size(), 1u);
    EXPECT_TRUE(m_dialogs.anniversaries[0].written);
    EXPECT_EQ(m_dialogs.anniversaries[0].index, -1);
    EXPECT_EQ(m_dialogs.anniversaries[0].currentDate.year, PartsFromTime(kFriday)->tm_year + 1900);

    record.name = "Renamed day";
    m_dialogs.anniversaryToSave = record;
    Commands().Edit(Selection(CEOID(count), kSelectionAnniversary), kFriday, Now());
    AnniversaryList reloaded;
    ASSERT_EQ(LoadAnniversaries(reloaded, ProgramFolder().string()), 1);
    ASSERT_EQ(reloaded.Count(), count + 1);
    EXPECT_EQ(reloaded.At(count).name, "Renamed day");
    EXPECT_EQ(TodayEventChanged(), 1);
}

TEST_F(ItemCommandsTest, DeleteAsksAndRemovesWhatWasChosen)
{
    auto store = OpenStore();
    const CEOID single = AddAppointment(*store, "Haircut", Ole(2026, 12, 9, 17), Ole(2026, 12, 9, 18));
    MessageBoxScript::QueueAnswer(IDNO);
    Commands().Delete(Selection(single, kSelectionAppointment, Ole(2026, 12, 9, 17), "Haircut"));
    EXPECT_EQ(LastBox().text, FormatString(IDS_DELETE_ITEM, {"Haircut"}));
    EXPECT_EQ(LastBox().buttons, MB_YESNO);
    EXPECT_EQ(Day(9).size(), 1u);
    MessageBoxScript::QueueAnswer(IDYES);
    Commands().Delete(Selection(single, kSelectionAppointment, Ole(2026, 12, 9, 17), "Haircut"));
    EXPECT_TRUE(Day(9).empty());

    const CEOID series = AddAppointment(*store, "Gym", Ole(2026, 12, 7, 7), Ole(2026, 12, 7, 8), true);
    const FrameSelection wednesday = Selection(series, kSelectionAppointment, Ole(2026, 12, 9, 7), "Gym");
    MessageBoxScript::QueueAnswer(IDCANCEL);
    Commands().Delete(wednesday);
    EXPECT_EQ(LastBox().text, FormatString(IDS_DELETE_RECURRING, {"Gym"}));
    EXPECT_EQ(LastBox().buttons, MB_YESNOCANCEL);
    EXPECT_EQ(Day(9).size(), 1u);
    MessageBoxScript::QueueAnswer(IDNO);
    Commands().Delete(wednesday);
    EXPECT_TRUE(Day(9).empty());
    EXPECT_EQ(Day(10).size(), 1u);
    MessageBoxScript::QueueAnswer(IDYES);
    Commands().Delete(wednesday);
    EXPECT_TRUE(Day(10).empty());

    // "No" on a recurring task moves it on to its next occurrence.
    const CEOID task = AddTask(*store, "Water plants", Ole(2026, 12, 9), false, true);
    MessageBoxScript::QueueAnswer(IDNO);
    Commands().Delete(Selection(task, kSelectionTask, 0, "Water plants"));
    auto skipped = m_session.GetItemFromOid(task);
    ASSERT_NE(skipped, nullptr);
    EXPECT_DOUBLE_EQ(skipped->AsTask()->DueDate(), Ole(2026, 12, 10));

    // Nothing selected: no question at all.
    const size_t boxes = MessageBoxScript::Shown().size();
    Commands().Delete(FrameSelection{});
    EXPECT_EQ(MessageBoxScript::Shown().size(), boxes);
}

TEST_F(ItemCommandsTest, DeletingAnAnniversaryRewritesTheFile)
{
    const size_t count = m_anniversaries.Count();
    ASSERT_GT(count, 0u);
    const std::string name = m_anniversaries.At(0).name;
    MessageBoxScript::QueueAnswer(IDYES);
    EXPECT_EQ(Commands().Delete(Selection(0, kSelectionAnniversary, 0, name.c_str())), ViewUpdate::Redraw);
    EXPECT_EQ(m_anniversaries.Count(), count - 1);
    AnniversaryList reloaded;
    ASSERT_EQ(LoadAnniversaries(reloaded, ProgramFolder().string()), 1);
    EXPECT_EQ(reloaded.Count(), count - 1);
    EXPECT_EQ(TodayEventChanged(), 1);
}

TEST_F(ItemCommandsTest, DeletingAnAnniversaryAnotherProcessChangedIsRefused)
{
    // Another writer renamed the first record and removed the second since this list was loaded.
    const std::string folder = ProgramFolder().string();
    ASSERT_GE(m_anniversaries.Count(), 2u);
    Anniversary renamed = m_anniversaries.At(0);
    renamed.name = "바뀐 이름";
    ASSERT_EQ(SaveChangedAnniversary(folder, 0, m_anniversaries.At(0), renamed, nullptr, nullptr, nullptr), 1);
    ASSERT_EQ(SaveRemovedAnniversary(folder, 1, m_anniversaries.At(1), nullptr, nullptr), 1);
    AnniversaryList before;
    ASSERT_EQ(LoadAnniversaries(before, folder), 1);

    MessageBoxScript::QueueAnswer(IDYES);
    MessageBoxScript::QueueAnswer(IDOK);
    Commands().Delete(Selection(0, kSelectionAnniversary, 0, m_anniversaries.At(0).name.c_str()));
    EXPECT_EQ(LastBox().icon, MB_ICONERROR);
    EXPECT_TRUE(LastBox().text.contains(QString::fromUtf8(kAnniversaryChangedElsewhere)));
    // Nothing else was deleted, and the frame now holds what is stored.
    AnniversaryList after;
    ASSERT_EQ(LoadAnniversaries(after, folder), 1);
    ASSERT_EQ(after.Count(), before.Count());
    ASSERT_EQ(m_anniversaries.Count(), before.Count());
    EXPECT_EQ(m_anniversaries.At(0).name, "바뀐 이름");

    // The third record, now second, is still found and deleted by its content.
    const Anniversary third = m_anniversaries.At(1);
    MessageBoxScript::QueueAnswer(IDYES);
    Commands().Delete(Selection(1, kSelectionAnniversary, 0, third.name.c_str()));
    after.Clear();
    ASSERT_EQ(LoadAnniversaries(after, folder), 1);
    EXPECT_EQ(after.Count(), before.Count() - 1);
    EXPECT_FALSE(LocateAnniversary(after, 1, third).has_value());
}

TEST_F(ItemCommandsTest, ComputedHolidaysCannotBeEditedOrDeleted)
{
    const size_t count = m_anniversaries.Count();
    const FrameSelection holiday = Selection(kNoItem, kSelectionAnniversary, 0, "대체공휴일");
    MessageBoxScript::QueueAnswer(IDOK);
    EXPECT_EQ(Commands().Delete(holiday), ViewUpdate::None);
    ASSERT_EQ(MessageBoxScript::Shown().size(), 1u);
    EXPECT_EQ(LastBox().text, LoadString(IDS_HOLIDAY_NOT_EDITABLE));
    MessageBoxScript::QueueAnswer(IDOK);
    EXPECT_EQ(Commands().Edit(holiday, kFriday, Now()), ViewUpdate::None);
    EXPECT_EQ(MessageBoxScript::Shown().size(), 2u);
    EXPECT_TRUE(m_dialogs.anniversaries.empty());
    EXPECT_TRUE(m_dialogs.appointments.empty());  // not taken for "no selection"
    EXPECT_EQ(m_anniversaries.Count(), count);
}

TEST_F(ItemCommandsTest, PasteMovesAppointmentsKeepingTimeAndLength)
{
    auto store = OpenStore();
    const CEOID lunch = AddAppointment(*store, "Lunch", Ole(2026, 12, 9, 12, 15), Ole(2026, 12, 9, 13, 45));
    EXPECT_EQ(Commands().Paste(lunch, kSelectionAppointment, false, kFriday), ViewUpdate::Refresh);
    EXPECT_EQ(Day(9).size(), 1u);
    ASSERT_EQ(Day(11).size(), 1u);
    auto copies = m_session.FindWeekAppointments(TimeFromFields(2026, 12, 11, 0, 0, 0), kFriday + 86399);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_DOUBLE_EQ(copies[0]->Start(), Ole(2026, 12, 11, 12, 15));
    EXPECT_DOUBLE_EQ(copies[0]->End(), Ole(2026, 12, 11, 13, 45));

    Commands().Paste(lunch, kSelectionAppointment, true, TimeFromFields(2026, 12, 10, 0, 0, 0));
    EXPECT_TRUE(Day(9).empty());
    EXPECT_EQ(Day(10).size(), 1u);
    EXPECT_EQ(m_session.GetItemFromOid(lunch), nullptr);

    // Series are never copied or moved.
    const CEOID series = AddAppointment(*store, "Gym", Ole(2026, 12, 7, 7), Ole(2026, 12, 7, 8), true);
    EXPECT_EQ(Commands().Paste(series, kSelectionAppointment, true, kFriday), ViewUpdate::None);
    EXPECT_EQ(LastBox().text, LoadString(IDS_RECURRING_NO_COPY));
    EXPECT_EQ(LastBox().icon, MB_ICONEXCLAMATION);
    EXPECT_EQ(Day(11).size(), 2u);
    EXPECT_NE(m_session.GetItemFromOid(series), nullptr);
}

TEST_F(ItemCommandsTest, PasteOfTasksMovesTheDueDateOrWritesTheCompletion)
{
    auto store = OpenStore();
    const CEOID open = AddTask(*store, "Call bank", Ole(2026, 12, 8));
    EXPECT_EQ(Commands().Paste(open, kSelectionTask, true, kFriday), ViewUpdate::Redraw);
    EXPECT_EQ(m_session.GetItemFromOid(open), nullptr);
    auto tasks = Tasks();
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_DOUBLE_EQ(tasks[0].dueDate, Ole(2026, 12, 11));
    EXPECT_EQ(tasks[0].startDate, kNoDate);

    const CEOID done = AddTask(*store, "Pay rent", Ole(2026, 12, 1), true);
    Commands().Paste(done, kSelectionTask, false, kFriday);
    tasks = Tasks();
    const auto pasted = std::find_if(tasks.begin(), tasks.end(), [done](const TaskRecord& t) {
        return t.subject == "Pay rent" && t.oid != done;
    });
    ASSERT_NE(pasted, tasks.end());
    EXPECT_TRUE(pasted->complete);
    EXPECT_DOUBLE_EQ(pasted->completedDate, Ole(2026, 12, 11));
    EXPECT_DOUBLE_EQ(pasted->dueDate, Ole(2026, 12, 1));

    const CEOID recurring = AddTask(*store, "Water plants", Ole(2026, 12, 9), false, true);
    Commands().Paste(recurring, kSelectionTask, false, kFriday);
    EXPECT_EQ(LastBox().text, LoadString(IDS_RECURRING_NO_COPY));
    EXPECT_EQ(Commands().Paste(0, kSelectionAnniversary, false, kFriday), ViewUpdate::None);
}

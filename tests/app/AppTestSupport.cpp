#include "tests/app/AppTestSupport.h"

#include <QApplication>
#include <QDialog>

#include <cstdlib>

#include "app/FirstStart.h"
#include "platform/shell/MessageBox.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomRecurrencePattern.h"

QApplication& AppTestApplication()
{
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's input devices made by simulated clicks would
    // otherwise outlive it at exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

void SetNow(const char* isoTime) { setenv("DAYVANE_NOW", isoTime, 1); }

DeviceTest::DeviceTest()
{
    AppTestApplication();
    SetNow("2026-12-09T10:10:00");
    m_device = std::make_unique<TempDevice>();
    const std::string problem = InstallFirstStart({});
    EXPECT_TRUE(problem.empty()) << problem;
    MessageBoxScript::Begin();
}

DeviceTest::~DeviceTest()
{
    MessageBoxScript::End();
    unsetenv("DAYVANE_NOW");
}

std::unique_ptr<PoomApplication> DeviceTest::OpenStore() const
{
    auto store = std::make_unique<PoomApplication>();
    EXPECT_TRUE(store->Logon(StoreFile())) << store->LastError();
    return store;
}

double Ole(int year, int month, int day, int hour, int minute)
{
    return OleFromFields(year, month, day, hour, minute).value_or(0);
}

namespace {

void MakeDaily(PoomItem& item)
{
    PoomRecurrencePattern* pattern = item.GetRecurrencePattern();
    pattern->SetRecurrenceType(olRecursDaily);
    pattern->SetInterval(1);
    pattern->SetNoEndDate(true);
}

}  // namespace

CEOID AddAppointment(PoomApplication& store, const std::string& subject, double start, double end, bool daily)
{
    auto item = store.CreateItem(olAppointmentItem);
    PoomAppointment* appointment = item->AsAppointment();
    appointment->SetSubject(subject);
    appointment->SetStart(start);
    appointment->SetEnd(end);
    if (daily)
        MakeDaily(*item);
    EXPECT_TRUE(item->Save()) << item->LastError();
    return item->Oid();
}

CEOID AddTask(PoomApplication& store, const std::string& subject, double due, bool complete, bool daily)
{
    auto item = store.CreateItem(olTaskItem);
    PoomTask* task = item->AsTask();
    task->SetSubject(subject);
    task->SetDueDate(due);
    if (daily)
        MakeDaily(*item);
    EXPECT_TRUE(item->Save()) << item->LastError();
    if (complete) {
        task->SetComplete(true);
        EXPECT_TRUE(item->Save()) << item->LastError();
    }
    return item->Oid();
}

int RecordingDialogs::EditAppointment(QWidget*, PoomAppointment& item, ApptEditMode mode)
{
    appointments.push_back({mode, item.Oid(), item.Start(), item.End(), item.ReminderSet()});
    if (saveItems)
        item.Save();
    return itemResult;
}

int RecordingDialogs::EditTask(QWidget*, PoomTask& item, bool isNew)
{
    tasks.push_back({isNew, item.Oid(), item.StartDate(), item.DueDate()});
    if (saveItems)
        item.Save();
    return itemResult;
}

int RecordingDialogs::RecordAnniversary(bool byWeekday, const AnniversaryEdit& edit)
{
    const bool written = anniversaryToSave && edit.write(edit.index, *anniversaryToSave, nullptr);
    anniversaries.push_back({byWeekday, edit.index, edit.currentDate, written});
    return anniversaryToSave ? kDialogSaved : kDialogCancelled;
}

int RecordingDialogs::EditAnniversaryByDate(QWidget*, const AnniversaryEdit& edit) { return RecordAnniversary(false, edit); }

int RecordingDialogs::EditAnniversaryByDay(QWidget*, const AnniversaryEdit& edit) { return RecordAnniversary(true, edit); }

bool RecordingDialogs::PickDate(QWidget*, TimeValue& date)
{
    if (!pickedDate)
        return false;
    date = *pickedDate;
    return true;
}

int RecordingDialogs::RunOptions(QWidget*, Settings& settings) { return options ? options(settings) : kDialogCancelled; }

int RecordingDialogs::RunModal(QDialog& dialog)
{
    modalTitles.push_back(dialog.windowTitle());
    return QDialog::Accepted;
}

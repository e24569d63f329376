// Shared pieces of the application tests: the offscreen application, a fresh
// device with its holidays and store, the clock override, scripted message
// boxes, dialogs that record what the frame asked for, and store helpers.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/FrameDialogs.h"
#include "calendar/Anniversary.h"
#include "platform/store/PoomApplication.h"
#include "tests/platform/device/TempDevice.h"

class QApplication;

QApplication& AppTestApplication();

// DAYVANE_NOW for the rest of the test.
void SetNow(const char* isoTime);

// A device ready to start on: directory, holidays, empty store; the clock at
// Wednesday 2026-12-09 10:10 and message boxes scripted.
class DeviceTest : public ::testing::Test {
protected:
    DeviceTest();
    ~DeviceTest() override;

    // A second connection to the device's store, as another program has.
    std::unique_ptr<PoomApplication> OpenStore() const;

    std::unique_ptr<TempDevice> m_device;
};

// OLE date of a local date and time.
double Ole(int year, int month, int day, int hour = 0, int minute = 0);

CEOID AddAppointment(PoomApplication& store, const std::string& subject, double start, double end,
                     bool daily = false);
CEOID AddTask(PoomApplication& store, const std::string& subject, double due, bool complete = false,
              bool daily = false);

// The frame's dialogs as a test sees them: every call recorded, answers set.
class RecordingDialogs : public FrameDialogs {
public:
    struct AppointmentCall {
        ApptEditMode mode;
        CEOID oid;
        double start;
        double end;
        bool reminderSet;
    };
    struct TaskCall {
        bool isNew;
        CEOID oid;
        double startDate;
        double dueDate;
    };
    struct AnniversaryCall {
        bool byWeekday;
        int index;
        SolarDate currentDate;
        bool written;  // what the writer answered, false when nothing was saved
    };

    std::vector<AppointmentCall> appointments;
    std::vector<TaskCall> tasks;
    std::vector<AnniversaryCall> anniversaries;
    std::optional<Anniversary> anniversaryToSave;  // the editor saves this record
    std::vector<QString> modalTitles;
    int itemResult = kDialogCancelled;
    bool saveItems = false;  // the editor saves what it is given
    std::optional<TimeValue> pickedDate;
    std::function<int(Settings&)> options;

    int EditAppointment(QWidget* owner, PoomAppointment& item, ApptEditMode mode) override;
    int EditTask(QWidget* owner, PoomTask& item, bool isNew) override;
    int EditAnniversaryByDate(QWidget* owner, const AnniversaryEdit& edit) override;
    int EditAnniversaryByDay(QWidget* owner, const AnniversaryEdit& edit) override;
    bool PickDate(QWidget* owner, TimeValue& date) override;
    int RunOptions(QWidget* owner, Settings& settings) override;
    int RunModal(QDialog& dialog) override;

private:
    int RecordAnniversary(bool byWeekday, const AnniversaryEdit& edit);
};

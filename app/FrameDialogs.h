// The modal dialogs the frame opens: item and anniversary editors, the date
// picker, the options and the weather-server dialog. They arrive with their
// own modules; until one is installed the frame's default has none, and the
// command that needs it leaves everything as it was.
#pragma once

#include <cstddef>

#include "calendar/CivilDate.h"
#include "editors/AnniversaryWriter.h"
#include "pim/time/TimeValue.h"

class AnniversaryList;
class PoomAppointment;
class PoomTask;
class QDialog;
class QWidget;
struct Settings;

// Results of a dialog; kNoDialog when the dialog does not exist yet.
inline constexpr int kNoDialog = 0;
inline constexpr int kDialogSaved = 1;
inline constexpr int kDialogCancelled = 2;
inline constexpr int kDialogDetailedEdit = 4;  // open the item's own editor

// What an anniversary editor works on: the list, the record's index (-1 for
// a new one), the frame's current date and where a saved record goes.
struct AnniversaryEdit {
    const AnniversaryList& list;
    int index = -1;
    SolarDate currentDate;
    AnniversaryWriter write;
};

enum class ApptEditMode {
    NewItem,
    WholeItem,       // an item, or the whole series
    OccurrenceOnly,  // one occurrence of a series
};

class FrameDialogs {
public:
    virtual ~FrameDialogs() = default;

    // Item editors borrow the item and save it themselves on Save.
    virtual int EditAppointment(QWidget* owner, PoomAppointment& item, ApptEditMode mode);
    virtual int EditTask(QWidget* owner, PoomTask& item, bool isNew);

    // Anniversary editors by date (kinds 1 and 3) or by weekday (kind 2);
    // They store what they save through the edit's writer.
    virtual int EditAnniversaryByDate(QWidget* owner, const AnniversaryEdit& edit);
    virtual int EditAnniversaryByDay(QWidget* owner, const AnniversaryEdit& edit);

    // The date picker: true with `date` changed on OK.
    virtual bool PickDate(QWidget* owner, TimeValue& date);

    // The options sheet stores into `settings` and the registry; returns the
    // dialog result.
    virtual int RunOptions(QWidget* owner, Settings& settings);
    virtual int RunWeatherServer(QWidget* owner, Settings& settings);

    // Runs any other modal dialog of the frame (the About box).
    virtual int RunModal(QDialog& dialog);
};

// "날짜선택": the year overview in which the user picks a date by tapping or
// with the arrow keys. It has no controls; everything is drawn.
#pragma once

#include "pim/time/TimeValue.h"
#include "platform/shell/DeviceDialog.h"
#include "views/picker/PickerPainter.h"

struct Settings;

class CCalendarDlg : public CDeviceDialog {
    Q_OBJECT

public:
    CCalendarDlg(QWidget* owner, const Settings& settings);

    void SetSelectedDate(TimeValue date);
    // The selected date at 00:00 local time.
    TimeValue GetSelectedDate() const;
    const SolarDate& Selected() const { return m_state.selected; }
    void SetToday(const SolarDate& today);

    PickerLayout Layout() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Paint();
    void Select(const SolarDate& date);

    bool m_sundayAsStart;
    PickerState m_state;
};

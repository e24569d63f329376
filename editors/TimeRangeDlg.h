// The start and end time chooser: a pop-up with the two times as labels
// (the edited one white on black), an hour list and a minute list. Enter
// walks forward through hour, minute, end and "확인"; Backspace walks back.
#pragma once

#include "editors/TimeRange.h"
#include "platform/shell/DeviceDialog.h"

class CColorStatic;
class QLabel;
class QListWidget;
struct Settings;

inline constexpr int IDC_TIME_START_LABEL = 1222;
inline constexpr int IDC_TIME_END_LABEL = 1223;
inline constexpr int IDC_TIME_HOUR_LIST = 1214;
inline constexpr int IDC_TIME_MINUTE_LIST = 1213;

class CTimeRangeDlg : public CDeviceDialog {
    Q_OBJECT

public:
    CTimeRangeDlg(QWidget* owner, const Settings& settings);

    void SetStart(TimeValue start);
    void SetEnd(TimeValue end);
    void SetTitle(const QString& title);
    // Opens with the end time selected for editing instead of the start.
    void EditEndFirst();
    TimeValue Start() const { return m_range.Start(); }
    TimeValue End() const { return m_range.End(); }
    const TimeRange& Range() const { return m_range; }

    QListWidget* HourList() const { return m_hours; }
    QListWidget* MinuteList() const { return m_minutes; }
    CColorStatic* StartLabel() const { return m_startLabel; }
    CColorStatic* EndLabel() const { return m_endLabel; }

protected:
    void OnOK() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Edit(TimeRange::Edited which, QWidget* focus);
    void ShowRange();
    bool OnListKey(QListWidget* list, int key);

    const Settings& m_settings;
    TimeRange m_range;
    QLabel* m_title = nullptr;
    CColorStatic* m_startLabel = nullptr;
    CColorStatic* m_endLabel = nullptr;
    QListWidget* m_hours = nullptr;
    QListWidget* m_minutes = nullptr;
    bool m_filling = false;
};

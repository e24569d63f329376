// What the two anniversary editors share: the title field, the colour
// button, the masked date field with its day-before and day-after buttons,
// the save-or-cancel command surface, and saving through the caller's writer
// (refusals keep the dialog open and change nothing).
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "calendar/Anniversary.h"
#include "calendar/CivilDate.h"
#include "editors/AnniversaryForm.h"
#include "editors/AnniversaryWriter.h"
#include "platform/shell/DeviceDialog.h"

class CColorButton;
class CEditEx;
class CMaskedDateEdit;
class QAbstractButton;
class QCheckBox;
class QLabel;
struct Settings;

// Asks for a colour starting from `color`; nothing when the user cancelled.
using ColorChooser = std::function<std::optional<uint32_t>(QWidget* owner, uint32_t color)>;

inline constexpr int IDC_ANNIV_NAME = 1000;
inline constexpr int IDC_ANNIV_NO_YEAR = 1003;
inline constexpr int IDC_ANNIV_LEAP_MONTH = 1004;
inline constexpr int IDC_ANNIV_WEEKDAY = 1012;
inline constexpr int IDC_ANNIV_ORDINAL = 1077;
inline constexpr int IDC_ANNIV_LUNAR = 1235;
inline constexpr int IDC_ANNIV_COLOR = 1236;
inline constexpr int IDC_ANNIV_BIRTHDAY = 1237;
inline constexpr int IDC_ANNIV_DATE = 1239;
inline constexpr int IDC_ANNIV_DAY_BEFORE = 1245;
inline constexpr int IDC_ANNIV_DAY_AFTER = 1246;

// The object name a control of the templates carries: its id.
QString ControlName(int id);

class CAnniversaryDlg : public CDeviceDialog {
    Q_OBJECT

public:
    void SetColorChooser(ColorChooser chooser) { m_chooseColor = std::move(chooser); }

protected:
    CAnniversaryDlg(QWidget* owner, const Settings& settings, AnniversaryWriter write);

    // The record the controls describe, or why it cannot be saved.
    virtual FormRecord Collect() = 0;
    virtual int EditIndex() const = 0;
    void OnOK() override;

    // A check box of the template at its place.
    QCheckBox* AddCheck(int id, int textId, int x, int y, int width, int height);
    QAbstractButton* AddPushCheck(int id, int textId, int x, int y, int width, int height);
    // Fills the shared controls and reads them back.
    void ShowShared(const std::string& name, bool dayBefore, bool dayAfter, uint32_t color);
    std::string Name() const;

    const Settings& m_settings;
    CEditEx* m_name = nullptr;
    CColorButton* m_colorButton = nullptr;
    CMaskedDateEdit* m_date = nullptr;
    QAbstractButton* m_dayBefore = nullptr;  // push-like check boxes
    QAbstractButton* m_dayAfter = nullptr;

private:
    void ChooseColor();

    AnniversaryWriter m_write;
    ColorChooser m_chooseColor;
};

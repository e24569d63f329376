#include "editors/AnniversaryDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "editors/ColorButton.h"
#include "editors/ColorPicker.h"
#include "editors/EditEx.h"
#include "editors/MaskedDateEdit.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/ShellServices.h"
#include "resources/DialogCommands.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {

// Longer names would not fit one line of the anniversary file.
constexpr int kNameMaxLength = 200;

}  // namespace

QString ControlName(int id) { return QString::number(id); }

CAnniversaryDlg::CAnniversaryDlg(QWidget* owner, const Settings& settings, AnniversaryWriter write)
    : CDeviceDialog(owner, QSize(139, 165), Placement::FullScreen), m_settings(settings), m_write(std::move(write))
{
    setWindowTitle(LoadString(IDS_ANNIVERSARY_TITLE));
    m_chooseColor = [this](QWidget* dialogOwner, uint32_t color) {
        return RunColorPicker(dialogOwner, m_settings, color);
    };

    Place(new QLabel(LoadString(IDS_LABEL_TITLE)), 7, 9, 31, 9);
    auto* plainName = new QLineEdit(Client());
    plainName->setObjectName(ControlName(IDC_ANNIV_NAME));
    plainName->setMaxLength(kNameMaxLength);
    Place(plainName, 41, 7, 76, 12);
    m_name = CEditEx::Replace(plainName);

    m_colorButton = new CColorButton(Client());
    m_colorButton->setObjectName(ControlName(IDC_ANNIV_COLOR));
    Place(m_colorButton, 118, 7, 14, 12);
    connect(m_colorButton, &CColorButton::clicked, this, &CAnniversaryDlg::ChooseColor);

    Place(new QLabel(LoadString(IDS_LABEL_ANNIVERSARY_DATE)), 7, 23, 31, 9);
    m_date = new CMaskedDateEdit(Client());
    m_date->setObjectName(ControlName(IDC_ANNIV_DATE));
    Place(m_date, 41, 21, 67, 12);
    m_dayBefore = AddPushCheck(IDC_ANNIV_DAY_BEFORE, IDS_CHECK_DAY_BEFORE, 109, 21, 12, 12);
    m_dayAfter = AddPushCheck(IDC_ANNIV_DAY_AFTER, IDS_CHECK_DAY_AFTER, 120, 21, 12, 12);

    SetSaveCancelCommands(*this, settings.m_UseSoftKey != 0);
    SetInputPanelPreference(this);
}

QCheckBox* CAnniversaryDlg::AddCheck(int id, int textId, int x, int y, int width, int height)
{
    auto* check = new QCheckBox(LoadString(textId), Client());
    check->setObjectName(ControlName(id));
    Place(check, x, y, width, height);
    return check;
}

QAbstractButton* CAnniversaryDlg::AddPushCheck(int id, int textId, int x, int y, int width, int height)
{
    auto* button = new QPushButton(LoadString(textId), Client());
    button->setObjectName(ControlName(id));
    button->setCheckable(true);
    Place(button, x, y, width, height);
    return button;
}

void CAnniversaryDlg::ShowShared(const std::string& name, bool dayBefore, bool dayAfter, uint32_t color)
{
    m_name->setText(QString::fromStdString(name));
    m_dayBefore->setChecked(dayBefore);
    m_dayAfter->setChecked(dayAfter);
    m_colorButton->SetColor(color);
}

std::string CAnniversaryDlg::Name() const { return m_name->text().toStdString(); }

void CAnniversaryDlg::ChooseColor()
{
    if (const std::optional<uint32_t> chosen = m_chooseColor(this, m_colorButton->Color()))
        m_colorButton->SetColor(*chosen);
}

void CAnniversaryDlg::OnOK()
{
    const QString caption = LoadString(IDS_PRODUCT_NAME);
    const FormRecord result = Collect();
    if (result.refusal != 0) {
        MessageBox(this, LoadString(result.refusal), caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::string error;
    if (!m_write(EditIndex(), result.record, &error)) {
        // Closing now would let the user believe the anniversary was kept.
        MessageBox(this, FormatString(IDS_ANNIVERSARY_SAVE_FAILED, {QString::fromStdString(error)}), caption,
                   MB_OK | MB_ICONERROR);
        return;
    }
    done(kDialogResultSaved);
}

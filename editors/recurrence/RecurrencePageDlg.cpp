#include "editors/recurrence/RecurrencePageDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

#include "editors/AnniversaryDlg.h"
#include "editors/TitledPage.h"
#include "platform/shell/DialogUnits.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/ShellServices.h"
#include "resources/CommandIds.h"
#include "resources/DialogCommands.h"
#include "resources/Menus.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {

// Long enough for any number a field accepts, short enough to keep a pasted
// text harmless.
constexpr int kNumberMaxLength = 9;

std::vector<CommandBarButton> PageButtons(bool isRangePage)
{
    QStyle* style = QApplication::style();
    std::vector<CommandBarButton> buttons;
    buttons.emplace_back(ID_PAGE_PREVIOUS, LoadString(IDS_KEY_PREVIOUS), style->standardIcon(QStyle::SP_ArrowLeft));
    if (isRangePage)
        buttons.emplace_back(ID_PAGE_FINISH, LoadString(IDS_KEY_FINISH),
                             style->standardIcon(QStyle::SP_DialogApplyButton));
    else
        buttons.emplace_back(ID_PAGE_NEXT, LoadString(IDS_KEY_NEXT), style->standardIcon(QStyle::SP_ArrowRight));
    buttons.emplace_back(ID_DIALOG_CANCEL, LoadString(IDS_KEY_CANCEL),
                         style->standardIcon(QStyle::SP_DialogCancelButton));
    return buttons;
}

}  // namespace

int ExecRecurrencePage(CRecurrencePageDlg& page) { return page.exec(); }

CRecurrencePageDlg::CRecurrencePageDlg(QWidget* owner, RecurrenceWizard& wizard, int titleId, bool isRangePage)
    : CDeviceDialog(owner, QSize(kFullScreenDialogUnitsX, kFullScreenDialogUnitsY), Placement::FullScreen),
      m_wizard(wizard),
      m_isRangePage(isRangePage)
{
    setWindowTitle(LoadString(titleId));
    SetClient(new CTitledPage(LoadString(titleId)));
    SetCommands(wizard.settings.m_UseSoftKey != 0,
                LoadMenu(isRangePage ? IDR_RECURRENCE_RANGE : IDR_RECURRENCE_PAGE), PageButtons(isRangePage));
    SetInputPanelPreference(this);
}

void CRecurrencePageDlg::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_PAGE_NEXT:
        Next();
        break;
    case ID_PAGE_FINISH:
        if (ReadPage())
            done(kDialogResultSaved);
        break;
    case ID_PAGE_PREVIOUS:
        done(kPageResultPrevious);
        break;
    default:
        CDeviceDialog::OnCommand(commandId);
        break;
    }
}

void CRecurrencePageDlg::OnOK() { OnCommand(m_isRangePage ? ID_PAGE_FINISH : ID_PAGE_NEXT); }

void CRecurrencePageDlg::Next()
{
    if (m_isRangePage) {
        OnCommand(ID_PAGE_FINISH);
        return;
    }
    if (!ReadPage())
        return;
    const int result = RunNextPage();
    if (result == kDialogResultSaved || result == kDialogResultCancelled)
        done(result);
}

QLineEdit* CRecurrencePageDlg::AddNumberEdit(int id, int x, int y, int width, int height)
{
    auto* edit = new QLineEdit(Client());
    edit->setObjectName(ControlName(id));
    edit->setMaxLength(kNumberMaxLength);
    edit->setInputMethodHints(Qt::ImhDigitsOnly);
    Place(edit, x, y, width, height);
    return edit;
}

QLineEdit* CRecurrencePageDlg::AddIntervalRow(int editId, int suffixTextId, int interval)
{
    AddText(IDS_RECUR_EVERY, 7, 24, 10, 10);
    QLineEdit* edit = AddNumberEdit(editId, 18, 22, 25, 12);
    AddText(suffixTextId, 46, 24, 100, 10);
    ShowNumber(edit, interval);
    return edit;
}

void CRecurrencePageDlg::AddText(int textId, int x, int y, int width, int height)
{
    Place(new QLabel(LoadString(textId)), x, y, width, height);
}

QRadioButton* CRecurrencePageDlg::AddRadio(int id, int textId, int x, int y, int width, int height)
{
    auto* radio = new QRadioButton(LoadString(textId), Client());
    radio->setObjectName(ControlName(id));
    Place(radio, x, y, width, height);
    return radio;
}

QCheckBox* CRecurrencePageDlg::AddCheck(int id, int textId, int x, int y, int width, int height)
{
    auto* check = new QCheckBox(LoadString(textId), Client());
    check->setObjectName(ControlName(id));
    Place(check, x, y, width, height);
    return check;
}

QComboBox* CRecurrencePageDlg::AddList(int id, int firstTextId, int count, int x, int y, int width, int height)
{
    auto* list = new QComboBox(Client());
    list->setObjectName(ControlName(id));
    for (int i = 0; i < count; ++i)
        list->addItem(LoadString(firstTextId + i));
    Place(list, x, y, width, height);
    return list;
}

QComboBox* CRecurrencePageDlg::AddWeekdayList(int id, int x, int y, int width, int height)
{
    QComboBox* list = AddList(id, IDS_WEEKDAY_SUNDAY, 7, x, y, width, height);
    for (int weekday = 1; weekday <= 7; ++weekday)
        list->setItemData(weekday - 1, WeekdayMaskBit(weekday));
    return list;
}

void CRecurrencePageDlg::SelectWeekday(QComboBox* list, int weekday)
{
    list->setCurrentIndex(list->findData(WeekdayMaskBit(weekday)));
}

int CRecurrencePageDlg::SelectedWeekday(const QComboBox* list)
{
    const int weekday = WeekdayOfMaskBit(list->currentData().toInt());
    return weekday != 0 ? weekday : 1;
}

bool CRecurrencePageDlg::ReadNumber(QLineEdit* edit, int min, int max, int& out)
{
    if (const std::optional<int> value = ParseIntegerInRange(edit->text().toStdString(), min, max)) {
        out = *value;
        return true;
    }
    MessageBox(this, FormatString(IDS_ENTER_INTEGER_BETWEEN, {QString::number(min), QString::number(max)}),
               LoadString(IDS_PRODUCT_NAME), MB_OK | MB_ICONEXCLAMATION);
    edit->setFocus();
    edit->selectAll();
    return false;
}

void CRecurrencePageDlg::ShowNumber(QLineEdit* edit, int value) { edit->setText(QString::number(value)); }

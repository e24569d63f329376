#include "editors/item/ItemDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>

#include <algorithm>

#include "editors/AnniversaryDlg.h"
#include "editors/BitmapButtonEx.h"
#include "editors/ColorButton.h"
#include "editors/ColorPicker.h"
#include "editors/EditEx.h"
#include "editors/item/RecurrenceChoice.h"
#include "pim/session/PimSession.h"
#include "platform/ink/InkControl.h"
#include "platform/ink/InkNotes.h"
#include "platform/shell/Density.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/ShellServices.h"
#include "platform/store/PoomItem.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {

constexpr int kReminderX = 192;
constexpr int kRecurrenceX = 212;
constexpr int kImageButtonY = 59;

// Without a notes dialog the notes command is greyed (soft keys) or absent
// (command bar) rather than a button that does nothing.
MenuDesc ItemEditorMenu(bool canEditNotes)
{
    MenuDesc menu = LoadMenu(IDR_ITEM_EDITOR);
    if (canEditNotes)
        return menu;
    for (MenuItem& key : menu) {
        for (MenuItem& entry : key.popup) {
            if (entry.id == ID_NOTES_EDIT)
                entry = entry.Disabled();
        }
    }
    return menu;
}

std::vector<CommandBarButton> ItemEditorButtons(bool canEditNotes)
{
    std::vector<CommandBarButton> buttons{EditorImageButton(ID_DIALOG_OK, IDS_KEY_SAVE),
                                          EditorImageButton(ID_DIALOG_CANCEL, IDS_KEY_CANCEL)};
    if (canEditNotes)
        buttons.push_back(EditorImageButton(ID_NOTES_EDIT, IDS_KEY_NOTES));
    return buttons;
}

CBitmapButtonEx* ImageButton(QWidget* parent, int id, int x, int y)
{
    auto* button = new CBitmapButtonEx(true, parent);
    button->setObjectName(ControlName(id));
    button->setFocusPolicy(Qt::StrongFocus);
    button->move(ScaleX(x), ScaleY(y));
    return button;
}

}  // namespace

CItemDlg::CItemDlg(QWidget* owner, const ItemEditorContext& context, PoomItem& item, ItemEditorFlags flags,
                   int captionId, int titleLabelId)
    : CDeviceDialog(owner, QSize(139, 165), Placement::FullScreen),
      m_context(context),
      m_item(item),
      m_flags(flags)
{
    setWindowTitle(LoadString(captionId));
    const Bytes& ink = item.BodyInk();
    m_notes.assign(ink.begin(), ink.end());

    auto* label = new QLabel(LoadString(titleLabelId));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(label, 7, 9, 31, 9);
    auto* plainTitle = new QLineEdit(Client());
    plainTitle->setObjectName(ControlName(IDC_ITEM_TITLE));
    Place(plainTitle, 41, 7, 76, 12);
    m_title = CEditEx::Replace(plainTitle);
    m_title->setText(QString::fromStdString(item.Subject()));

    m_colorButton = new CColorButton(Client());
    m_colorButton->setObjectName(ControlName(IDC_ITEM_COLOR));
    Place(m_colorButton, 118, 7, 14, 12);
    m_colorButton->SetColor(context.session.GetItemColor(item));
    connect(m_colorButton, &CColorButton::clicked, this, &CItemDlg::ChooseColor);

    const bool canEditNotes = static_cast<bool>(context.services.runNotes);
    SetCommands(context.settings.m_UseSoftKey != 0, ItemEditorMenu(canEditNotes), ItemEditorButtons(canEditNotes));
    SetInputPanelPreference(this);
}

void CItemDlg::CreateItemControls(QWidget* previous, int inkTop)
{
    m_reminderButton = ImageButton(Client(), IDC_ITEM_REMINDER, kReminderX, kImageButtonY);
    m_recurrenceButton = ImageButton(Client(), IDC_ITEM_RECURRENCE, kRecurrenceX, kImageButtonY);
    m_imageRow = previous;
    setTabOrder(previous, m_reminderButton);
    setTabOrder(m_reminderButton, m_recurrenceButton);
    connect(m_reminderButton, &CBitmapButtonEx::clicked, this, [this] { OnReminder(); });
    connect(m_recurrenceButton, &CBitmapButtonEx::clicked, this, &CItemDlg::OnRecurrence);
    m_recurrenceButton->setEnabled(!m_flags.occurrenceOnly && !RuleKeptAsIcal() && m_context.services.runRecurrence);
    // Rules no pattern holds are kept as they came; the wizard would replace them.
    if (RuleKeptAsIcal())
        m_recurrenceButton->setToolTip(LoadString(IDS_RECURRENCE_RULE_KEPT));
    ShowRecurrenceImage();

    m_ink = new InkControl(Client(), true);
    m_ink->setObjectName(ControlName(IDC_ITEM_INK));
    m_inkTop = inkTop;
    LoadNotesBlob(m_ink, m_notes);
    SetInkTypingMode(m_ink);
    PlaceInkArea();
}

void CItemDlg::PlaceInkArea()
{
    if (m_ink == nullptr)
        return;
    const QRect client = Client()->rect();
    m_ink->setGeometry(QRect(QPoint(client.left() - 1, ScaleY(m_inkTop)), QPoint(client.right() + 1, client.bottom() + 1)));
}

void CItemDlg::resizeEvent(QResizeEvent* event)
{
    CDeviceDialog::resizeEvent(event);
    PlaceInkArea();
}

// The images' place of 59 pixels would overlap the start row below at our
// dialog-unit scale; centred on the row of the check box they follow, they
// stay beside it at every density.
void CItemDlg::PlaceImageButton(CBitmapButtonEx* button)
{
    button->resize(button->sizeHint());
    const int rowCentre = m_imageRow->geometry().center().y();
    button->move(button->x(), std::min(ScaleY(kImageButtonY), rowCentre - button->height() / 2));
}

void CItemDlg::ShowReminderImage(bool set)
{
    m_reminderButton->SetBitmap(ReminderImage(set, DeviceDpiX()));
    PlaceImageButton(m_reminderButton);
}

bool CItemDlg::RuleKeptAsIcal()
{
    return !m_flags.occurrenceOnly && m_item.IsRecurring() &&
           m_item.GetRecurrencePattern()->RecurrenceType() == olRecursUnsupported;
}

void CItemDlg::ShowRecurrenceImage()
{
    const RecurrenceImage image = m_flags.occurrenceOnly                  ? RecurrenceImage::OccurrenceOnly
                                  : m_recurrenceChoice != kRecurrenceNone ? RecurrenceImage::Recurring
                                                                          : RecurrenceImage::None;
    m_recurrenceButton->SetBitmap(RecurrenceButtonImage(image, DeviceDpiX()));
    PlaceImageButton(m_recurrenceButton);
}

void CItemDlg::FocusOnOpen(QWidget* existing) { (m_flags.newItem ? static_cast<QWidget*>(m_title) : existing)->setFocus(); }

void CItemDlg::Refuse(int stringId)
{
    MessageBox(this, LoadString(stringId), LoadString(IDS_PRODUCT_NAME), MB_OK | MB_ICONEXCLAMATION);
}

void CItemDlg::WriteCommonFields()
{
    m_item.SetSubject(m_title->text().toStdString());
    m_item.SetBodyInk(Bytes(m_notes.begin(), m_notes.end()));
}

bool CItemDlg::SaveToStore(double recurrenceStart)
{
    if (!m_flags.occurrenceOnly)
        WriteRecurrenceChoice(m_item, m_recurrenceChoice, recurrenceStart);
    m_context.session.SetItemColor(m_item, m_colorButton->Color());
    if (m_item.Save())
        return true;
    // Closing would let the user believe the item was kept.
    MessageBox(this, FormatString(IDS_ITEM_SAVE_FAILED, {QString::fromStdString(m_item.LastError())}),
               LoadString(IDS_PRODUCT_NAME), MB_OK | MB_ICONERROR);
    return false;
}

void CItemDlg::OnOK()
{
    if (!TakeNotesBlob(m_ink, m_notes))
        return;
    if (SaveItem())
        done(kDialogResultSaved);
}

void CItemDlg::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_NOTES_EDIT:
        EditNotes();
        return;
    case ID_DETAILED_EDIT:
        SaveItem();
        done(kDialogResultPlatformEditor);
        return;
    default:
        CDeviceDialog::OnCommand(commandId);
    }
}

void CItemDlg::ChooseColor()
{
    const std::optional<uint32_t> chosen =
        m_context.services.chooseColor ? m_context.services.chooseColor(this, m_colorButton->Color())
                                       : RunColorPicker(this, m_context.settings, m_colorButton->Color());
    if (chosen)
        m_colorButton->SetColor(*chosen);
    m_colorButton->setFocus();
}

void CItemDlg::EditNotes()
{
    if (!m_context.services.runNotes || !TakeNotesBlob(m_ink, m_notes))
        return;
    m_context.services.runNotes(this, m_notes);
    ClearInk(m_ink);
    LoadNotesBlob(m_ink, m_notes);
    SetInkTypingMode(m_ink);
    m_title->setFocus();
}

void CItemDlg::OnRecurrence()
{
    if (!m_context.services.runRecurrence || m_flags.occurrenceOnly || RuleKeptAsIcal())
        return;
    PrepareRecurrence();
    int choice = m_recurrenceChoice;
    if (m_context.services.runRecurrence(this, m_item, choice)) {
        m_recurrenceChoice = choice;
        ShowRecurrenceImage();
    }
}

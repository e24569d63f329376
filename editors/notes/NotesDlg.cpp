#include "editors/notes/NotesDlg.h"

#include <QAction>
#include <QMenu>

#include "editors/AnniversaryDlg.h"
#include "editors/item/ItemDlg.h"
#include "editors/item/ItemImages.h"
#include "platform/ink/InkControl.h"
#include "platform/ink/InkNotes.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {

std::vector<CommandBarButton> NotesButtons(bool penMode)
{
    return {EditorImageButton(ID_DIALOG_OK, IDS_KEY_SAVE), EditorImageButton(ID_DIALOG_CANCEL, IDS_KEY_CANCEL),
            EditorImageButton(ID_NOTES_PEN_MODE, IDS_KEY_PEN_MODE, true, penMode),
            EditorImageButton(ID_NOTES_CLEAR, 0)};
}

}  // namespace

CNotesDlg::CNotesDlg(QWidget* owner, const Settings& settings, std::vector<uint8_t>& notes)
    : CDeviceDialog(owner, QSize(139, 165), Placement::FullScreen),
      m_notes(notes),
      m_penMode(settings.m_NotesPenDefault != 0)
{
    setWindowTitle(LoadString(IDS_NOTES_CAPTION));
    SetCommands(settings.m_UseSoftKey != 0, LoadMenu(IDR_NOTES), NotesButtons(m_penMode));
    ShowPenModeCheck();

    m_ink = new InkControl(this, false);
    m_ink->setObjectName(ControlName(IDC_ITEM_INK));
    SetClient(m_ink);
    LoadNotesBlob(m_ink, m_notes);
    ApplyMode();
    m_ink->setFocus();
}

void CNotesDlg::showEvent(QShowEvent* event)
{
    CDeviceDialog::showEvent(event);
    m_ink->setFocus();
}

void CNotesDlg::ApplyMode()
{
    if (m_penMode)
        SetInkDrawingMode(m_ink);
    else
        SetInkTypingMode(m_ink);
}

void CNotesDlg::ShowPenModeCheck()
{
    if (SoftKeyBar* keys = SoftKeys()) {
        if (QMenu* popup = keys->PopupByCommand(ID_NOTES_MENU_KEY)) {
            if (QAction* item = FindCommand(*popup, ID_NOTES_PEN_MODE))
                item->setChecked(m_penMode);
        }
    }
    if (CommandBar* bar = Commands())
        bar->SetChecked(ID_NOTES_PEN_MODE, m_penMode);
}

void CNotesDlg::OnOK()
{
    // A content that cannot be taken must not look saved.
    if (TakeNotesBlob(m_ink, m_notes))
        done(kDialogResultSaved);
}

void CNotesDlg::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_NOTES_PEN_MODE:
        TogglePenMode();
        break;
    case ID_NOTES_CLEAR:
        ClearNotes();
        break;
    default:
        CDeviceDialog::OnCommand(commandId);
        return;
    }
    m_ink->setFocus();
}

// A tap has already flipped the menu item or button; setting both from our
// own state keeps them right however the command arrived.
void CNotesDlg::TogglePenMode()
{
    m_penMode = !m_penMode;
    ShowPenModeCheck();
    ApplyMode();
}

void CNotesDlg::ClearNotes()
{
    if (MessageBox(this, LoadString(IDS_CLEAR_NOTES), LoadString(IDS_PRODUCT_NAME), MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return;
    ClearInk(m_ink);
    ApplyMode();
}

int RunNotesDlg(QWidget* owner, const Settings& settings, std::vector<uint8_t>& notes)
{
    CNotesDlg dialog(owner, settings, notes);
    return dialog.exec();
}

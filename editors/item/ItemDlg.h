// What the appointment and task editors share: the title edit and colour
// button, the reminder and recurrence image buttons, the in-place notes
// area, the soft keys of menu 235 or the command bar, and the commands
// Save, Cancel, notes and "자세히 편집..". Each editor loads the item in its
// constructor and writes it in SaveItem; the item is borrowed.
#pragma once

#include <cstdint>
#include <vector>

#include "editors/item/ItemEditorServices.h"
#include "editors/item/ItemImages.h"
#include "platform/shell/DeviceDialog.h"

class CBitmapButtonEx;
class CColorButton;
class CEditEx;
class InkControl;
class PoomItem;

inline constexpr int IDC_ITEM_TITLE = 1000;
inline constexpr int IDC_ITEM_COLOR = 1236;
inline constexpr int IDC_ITEM_REMINDER = 1206;
inline constexpr int IDC_ITEM_RECURRENCE = 1207;
inline constexpr int IDC_ITEM_INK = 1205;

class CItemDlg : public CDeviceDialog {
    Q_OBJECT

public:
    const std::vector<uint8_t>& NotesBlob() const { return m_notes; }
    int RecurrenceChoiceIndex() const { return m_recurrenceChoice; }
    InkControl* InkArea() const { return m_ink; }

protected:
    CItemDlg(QWidget* owner, const ItemEditorContext& context, PoomItem& item, ItemEditorFlags flags,
             int captionId, int titleLabelId);

    // Writes the controls to the item and saves it; false (with a message)
    // keeps the dialog open.
    virtual bool SaveItem() = 0;
    virtual void OnReminder() = 0;
    // Before the wizard runs, the item gets the dates on screen.
    virtual void PrepareRecurrence() = 0;

    void OnOK() override;
    void OnCommand(int commandId) override;
    void resizeEvent(QResizeEvent* event) override;

    // The image buttons at their places, after `previous` in the tab order;
    // the ink area from `inkTop` (pixels at 96 dpi) to the bottom.
    void CreateItemControls(QWidget* previous, int inkTop);
    void ShowReminderImage(bool set);
    void ShowRecurrenceImage();
    // A series whose rules no pattern holds: the wizard stays closed.
    bool RuleKeptAsIcal();
    void Refuse(int stringId);
    // Saves through the store; a store failure is shown and keeps the dialog open.
    bool SaveToStore(double recurrenceStart);
    void WriteCommonFields();
    // The initial focus: the title for a new item, else `existing`.
    void FocusOnOpen(QWidget* existing);

    const ItemEditorContext m_context;
    PoomItem& m_item;
    const ItemEditorFlags m_flags;
    std::vector<uint8_t> m_notes;
    int m_recurrenceChoice = 0;
    CEditEx* m_title = nullptr;
    CColorButton* m_colorButton = nullptr;
    CBitmapButtonEx* m_reminderButton = nullptr;
    CBitmapButtonEx* m_recurrenceButton = nullptr;

private:
    void ChooseColor();
    void EditNotes();
    void OnRecurrence();
    void PlaceInkArea();
    void PlaceImageButton(CBitmapButtonEx* button);

    InkControl* m_ink = nullptr;
    QWidget* m_imageRow = nullptr;  // the control the image buttons stand beside
    int m_inkTop = 0;
};

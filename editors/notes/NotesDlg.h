// The full-screen notes dialog: the ink control over the whole client area,
// in drawing ("pen") or typing mode, with save, cancel, pen mode and clear.
// Each opening starts in the mode of "NotesPenDefault". The caller's notes
// blob is replaced on save only, so cancelling after a clear gives the
// notes back.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/shell/DeviceDialog.h"

class InkControl;
struct Settings;

class CNotesDlg : public CDeviceDialog {
    Q_OBJECT

public:
    // The settings and the blob outlive the dialog.
    CNotesDlg(QWidget* owner, const Settings& settings, std::vector<uint8_t>& notes);

    bool PenMode() const { return m_penMode; }
    InkControl* Ink() const { return m_ink; }

protected:
    void OnOK() override;
    void OnCommand(int commandId) override;
    void showEvent(QShowEvent* event) override;

private:
    void ApplyMode();
    void TogglePenMode();
    void ClearNotes();
    // The pen mode's check mark on the soft-key menu item or the bar button.
    void ShowPenModeCheck();

    std::vector<uint8_t>& m_notes;
    InkControl* m_ink = nullptr;
    bool m_penMode = false;
};

// Runs the dialog modally on the blob: 1 when it was replaced, 2 when not.
int RunNotesDlg(QWidget* owner, const Settings& settings, std::vector<uint8_t>& notes);

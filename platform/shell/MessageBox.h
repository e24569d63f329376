// Message boxes with the platform's flags and results, over QMessageBox.
// Tests script the answers so that no modal box ever waits for a user.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class QWidget;

// Buttons (low nibble of the flags).
inline constexpr uint32_t MB_OK = 0x00000000;
inline constexpr uint32_t MB_OKCANCEL = 0x00000001;
inline constexpr uint32_t MB_YESNOCANCEL = 0x00000003;
inline constexpr uint32_t MB_YESNO = 0x00000004;
inline constexpr uint32_t MB_TYPEMASK = 0x0000000F;
// Icons (second nibble).
inline constexpr uint32_t MB_ICONERROR = 0x00000010;
inline constexpr uint32_t MB_ICONQUESTION = 0x00000020;
inline constexpr uint32_t MB_ICONEXCLAMATION = 0x00000030;
inline constexpr uint32_t MB_ICONINFORMATION = 0x00000040;
inline constexpr uint32_t MB_ICONMASK = 0x000000F0;
// Results, also the dialog command ids "OK" and "cancel".
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows a modal box with the caption, text, icon and buttons of the flags
// and returns the button chosen (IDOK, IDCANCEL, IDYES, IDNO). Closing a box
// that has a cancel button counts as IDCANCEL; an OK box always gives IDOK.
// Scripted (see MessageBoxScript), nothing is shown and the answer comes from
// the script. Without a screen (offscreen, or no application object) the box
// is written to stderr and answered the same way.
int MessageBox(QWidget* parent, const QString& text, const QString& caption, uint32_t flags);

// One box as it was asked for, with the answer it gave.
struct ShownMessageBox {
    QString caption;
    QString text;
    uint32_t icon = 0;     // MB_ICON... or 0
    uint32_t buttons = 0;  // MB_OK, MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL
    int answer = 0;
};

// The process-wide script of message box answers, for tests and for runs
// without a screen. Boxes take queued answers in order; with the queue empty
// a box gets its "do nothing" answer: IDCANCEL when it has a cancel button,
// IDNO for Yes/No, IDOK for OK; a queued answer the box has no button for is
// used up and turned into that answer too. User-interface thread only.
class MessageBoxScript {
public:
    // Starts scripting: clears the queue and the record of shown boxes.
    static void Begin();
    // Stops scripting; boxes become real again (unless there is no screen).
    static void End();
    static bool IsActive();

    static void QueueAnswer(int answer);
    static int PendingAnswers();

    // Every box asked for since Begin, oldest first.
    static const std::vector<ShownMessageBox>& Shown();
    static void ClearShown();
};

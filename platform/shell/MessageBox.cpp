#include "platform/shell/MessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <deque>

namespace {

// The script named by the shell stand-in: answers to give and boxes seen.
struct Script {
    bool active = false;
    std::deque<int> answers;
    std::vector<ShownMessageBox> shown;
};

Script& TheScript()
{
    static Script script;
    return script;
}

uint32_t ButtonsOf(uint32_t flags)
{
    const uint32_t buttons = flags & MB_TYPEMASK;
    switch (buttons) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_YESNO:
        return buttons;
    default:
        return MB_OK;
    }
}

uint32_t IconOf(uint32_t flags)
{
    const uint32_t icon = flags & MB_ICONMASK;
    switch (icon) {
    case MB_ICONERROR:
    case MB_ICONQUESTION:
    case MB_ICONEXCLAMATION:
    case MB_ICONINFORMATION:
        return icon;
    default:
        return 0;
    }
}

int DoNothingAnswer(uint32_t buttons)
{
    switch (buttons) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    default:
        return IDOK;
    }
}

bool Offers(uint32_t buttons, int answer)
{
    switch (buttons) {
    case MB_OKCANCEL:
        return answer == IDOK || answer == IDCANCEL;
    case MB_YESNOCANCEL:
        return answer == IDYES || answer == IDNO || answer == IDCANCEL;
    case MB_YESNO:
        return answer == IDYES || answer == IDNO;
    default:
        return answer == IDOK;
    }
}

// Without a real screen nobody could ever press a button.
bool HasNoScreen()
{
    if (QGuiApplication::instance() == nullptr)
        return true;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

int ScriptedAnswer(Script& script, uint32_t buttons)
{
    int answer = DoNothingAnswer(buttons);
    if (!script.answers.empty()) {
        const int queued = script.answers.front();
        script.answers.pop_front();
        if (Offers(buttons, queued))
            answer = queued;
    }
    return answer;
}

QMessageBox::Icon QtIcon(uint32_t icon)
{
    switch (icon) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int ShowRealBox(QWidget* parent, const QString& text, const QString& caption, uint32_t icon,
                uint32_t buttons)
{
    QMessageBox box(QtIcon(icon), caption, text, QMessageBox::NoButton, parent);
    switch (buttons) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        // Closed by the window manager: only a box that can cancel says so.
        return DoNothingAnswer(buttons);
    }
}

}  // namespace

int MessageBox(QWidget* parent, const QString& text, const QString& caption, uint32_t flags)
{
    const uint32_t buttons = ButtonsOf(flags);
    const uint32_t icon = IconOf(flags);
    Script& script = TheScript();
    int answer = 0;
    if (script.active) {
        answer = ScriptedAnswer(script, buttons);
    } else if (HasNoScreen()) {
        // A run without a screen (screenshots) still tells why it stopped.
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
        answer = ScriptedAnswer(script, buttons);
    } else {
        answer = ShowRealBox(parent, text, caption, icon, buttons);
    }
    if (script.active)
        script.shown.push_back(ShownMessageBox{caption, text, icon, buttons, answer});
    return answer;
}

void MessageBoxScript::Begin()
{
    Script& script = TheScript();
    script.active = true;
    script.answers.clear();
    script.shown.clear();
}

void MessageBoxScript::End()
{
    Script& script = TheScript();
    script.active = false;
    script.answers.clear();
}

bool MessageBoxScript::IsActive() { return TheScript().active; }

void MessageBoxScript::QueueAnswer(int answer) { TheScript().answers.push_back(answer); }

int MessageBoxScript::PendingAnswers() { return static_cast<int>(TheScript().answers.size()); }

const std::vector<ShownMessageBox>& MessageBoxScript::Shown() { return TheScript().shown; }

void MessageBoxScript::ClearShown() { TheScript().shown.clear(); }

#include "editors/MaskedDateEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "calendar/CivilDate.h"
#include "pim/time/TimeValue.h"
#include "platform/shell/WindowMessage.h"

namespace {

constexpr QChar kBackspace(0x08);

// Key sequences that would insert or remove text behind the mask's back.
bool ChangesTextLength(const QKeyEvent* event)
{
    for (const auto sequence : {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
                                QKeySequence::Delete, QKeySequence::DeleteEndOfWord,
                                QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfLine,
                                QKeySequence::DeleteCompleteLine, QKeySequence::Backspace}) {
        if (event->matches(sequence))
            return true;
    }
    return event->key() == Qt::Key_Insert || event->key() == Qt::Key_Delete;
}

}  // namespace

CMaskedDateEdit::CMaskedDateEdit(QWidget* parent) : QLineEdit(parent)
{
    setDragEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    Render();
}

void CMaskedDateEdit::SetDate(int year, int month, int day)
{
    m_date = ClampMaskedDate(MaskedDate{year, month, day});
    Render();
    if (QObject* receiver = parent())
        PostWindowMessage(receiver, RegisterWindowMessage(kDateTimeEditMessageName), 1, 0);
}

void CMaskedDateEdit::GetDate(int& year, int& month, int& day) const
{
    MaskedDate date{year, month, day};
    ParseMaskedDate(m_mask, text(), date);
    year = date.year;
    month = date.month;
    day = date.day;
}

void CMaskedDateEdit::SetMask(const QString& mask)
{
    m_mask = mask;
    Render();
}

void CMaskedDateEdit::SetToday()
{
    const TimeParts parts = *PartsFromTime(Now());
    SetDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
}

void CMaskedDateEdit::Render()
{
    const int caret = cursorPosition();
    setMaxLength(std::max<int>(1, static_cast<int>(m_mask.size())));
    setText(RenderMaskedDate(m_mask, m_date));
    SetCaret(caret);
}

void CMaskedDateEdit::SetCaret(int position)
{
    deselect();
    setCursorPosition(std::clamp(position, 0, static_cast<int>(text().size())));
}

void CMaskedDateEdit::TypeCharacter(QChar typed)
{
    const MaskedKeyResult result = TypeIntoMaskedDate(m_mask, text(), cursorPosition(), typed, m_date);
    if (result.dateSet)
        SetDate(result.date.year, result.date.month, result.date.day);
    SetCaret(result.caret);
}

void CMaskedDateEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace) {
        TypeCharacter(kBackspace);
        event->accept();
        return;
    }
    if (ChangesTextLength(event)) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed[0].isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (QChar c : typed)
            TypeCharacter(c);
        event->accept();
        return;
    }
    // Caret movement, selection, Tab and Enter keep their usual meaning.
    QLineEdit::keyPressEvent(event);
    if (text().size() != m_mask.size())
        Render();
}

void CMaskedDateEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // A composing input method delivers finished characters only.
    for (QChar c : event->commitString())
        TypeCharacter(c);
    event->accept();
}

#include "editors/EditEx.h"

#include <QKeyEvent>

#include "editors/ReplaceControl.h"

CEditEx::CEditEx(QWidget* parent) : QLineEdit(parent) {}

CEditEx* CEditEx::Replace(QLineEdit* existing, QWidget* previous)
{
    auto* edit = new CEditEx(existing->parentWidget());
    edit->setText(existing->text());
    edit->setMaxLength(existing->maxLength());
    edit->setReadOnly(existing->isReadOnly());
    edit->setEchoMode(existing->echoMode());
    edit->setAlignment(existing->alignment());
    edit->setPlaceholderText(existing->placeholderText());
    TakePlaceOf(existing, edit, previous);
    return edit;
}

bool CEditEx::KeepsKey(int key) const
{
    if (key == Qt::Key_Left)
        return cursorPosition() == 0 && (!hasSelectedText() || selectionStart() == 0);
    if (key == Qt::Key_Right) {
        const int selectionEnd = hasSelectedText() ? selectionStart() + static_cast<int>(selectedText().size())
                                                   : cursorPosition();
        return selectionEnd >= text().size();
    }
    return false;
}

void CEditEx::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier && KeepsKey(event->key())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

#include "editors/ReplaceControl.h"

#include <QWidget>

void TakePlaceOf(QWidget* existing, QWidget* replacement, QWidget* previous)
{
    QWidget* before = previous != nullptr ? previous : existing->previousInFocusChain();
    replacement->setParent(existing->parentWidget());
    replacement->setObjectName(existing->objectName());
    replacement->setGeometry(existing->geometry());
    replacement->setSizePolicy(existing->sizePolicy());
    replacement->setFont(existing->font());
    replacement->setToolTip(existing->toolTip());
    replacement->setEnabled(existing->isEnabled());
    replacement->setFocusPolicy(existing->focusPolicy());
    replacement->setVisible(!existing->isHidden());
    delete existing;
    if (before != nullptr && before != replacement && before->window() == replacement->window())
        QWidget::setTabOrder(before, replacement);
}

#include "editors/DateTimeCtrlEx.h"

#include <QKeyEvent>

#include "editors/ReplaceControl.h"

CDateTimeCtrlEx::CDateTimeCtrlEx(QWidget* parent) : QDateEdit(parent) { setCalendarPopup(true); }

CDateTimeCtrlEx* CDateTimeCtrlEx::Replace(QDateTimeEdit* existing, QWidget* previous)
{
    auto* picker = new CDateTimeCtrlEx(existing->parentWidget());
    picker->setDisplayFormat(existing->displayFormat());
    picker->setDateRange(existing->minimumDate(), existing->maximumDate());
    picker->setDate(existing->date());
    TakePlaceOf(existing, picker, previous);
    return picker;
}

void CDateTimeCtrlEx::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    // The dialog's tab stops, as the platform's dialog manager walked them.
    focusNextPrevChild(key == Qt::Key_Down);
    event->accept();
}

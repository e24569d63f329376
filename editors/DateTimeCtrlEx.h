// The platform's date picker, with the up and down keys moving the focus to
// the previous and next control of the dialog instead of changing the date.
#pragma once

#include <QDateEdit>

class CDateTimeCtrlEx : public QDateEdit {
    Q_OBJECT

public:
    explicit CDateTimeCtrlEx(QWidget* parent = nullptr);

    // Takes the place of a dialog's date picker (see CEditEx::Replace).
    static CDateTimeCtrlEx* Replace(QDateTimeEdit* existing, QWidget* previous = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

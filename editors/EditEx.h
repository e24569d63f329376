// Single-line edit that keeps the left and right keys at its edges, so that
// the dialog does not move the focus away while the user moves the caret.
#pragma once

#include <QLineEdit>

class CEditEx : public QLineEdit {
    Q_OBJECT

public:
    explicit CEditEx(QWidget* parent = nullptr);

    // Takes the place of a dialog's edit: same name (id), geometry, text,
    // state and input limits; the old edit is destroyed and the new one
    // follows `previous` in the tab order (none: the old one's place).
    static CEditEx* Replace(QLineEdit* existing, QWidget* previous = nullptr);

    // Whether the key stays in the edit (the edges described above).
    bool KeepsKey(int key) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A single-line date field with a mask (see MaskedDate.h). Digits replace the
// digit under the caret, the date is clamped and shown again, and nothing is
// ever inserted or removed: Insert, Delete, cut, paste, undo and dropping
// text are refused. Every date set is announced to the parent with the
// registered message "WM_DATETIME_EDIT" (wParam 1, lParam 0).
#pragma once

#include <QLineEdit>

#include "editors/MaskedDate.h"

inline constexpr const char* kDateTimeEditMessageName = "WM_DATETIME_EDIT";

class CMaskedDateEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CMaskedDateEdit(QWidget* parent = nullptr);

    // Fields are clamped as the mask renders them.
    void SetDate(int year, int month, int day);
    // Fields the mask lacks leave their outputs unchanged.
    void GetDate(int& year, int& month, int& day) const;
    // Keeps the date and shows it in the new mask.
    void SetMask(const QString& mask);
    const QString& Mask() const { return m_mask; }
    void SetToday();

    // One character as the platform's character message delivers it.
    void TypeCharacter(QChar typed);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void Render();
    void SetCaret(int position);

    QString m_mask = QStringLiteral("DD/MM/YYYY");
    MaskedDate m_date;
};

// The text of a masked date field. A mask such as "YYYY-MM-DD" marks digit
// positions with D (day), M (month) and Y (year); a run of equal letters is
// one field, any other character a literal separator. The text always has
// exactly the mask's length: keys only replace digits in place.
#pragma once

#include <QChar>
#include <QString>

inline constexpr int kMaskedYearMin = 1881;  // the lunar tables' years
inline constexpr int kMaskedYearMax = 2050;

struct MaskedDate {
    int year = kMaskedYearMin;
    int month = 1;
    int day = 1;
};

bool IsMaskFieldLetter(QChar c);

// Each field in its range: day 1..31, month 1..12, year 1881..2050.
MaskedDate ClampMaskedDate(const MaskedDate& date);

// Walks the mask: each field is the value zero-padded to its width, clamped
// (day 1..31, month 1..12, year 1881..2050, and to what the width can hold).
QString RenderMaskedDate(const QString& mask, const MaskedDate& date);

// Reads the fields of the mask from the text into `date`; fields the mask
// lacks keep their values. Reading stops at a literal that differs or at a
// field that is not a number; the fields read before it are kept. Returns
// whether the whole mask was read.
bool ParseMaskedDate(const QString& mask, const QString& text, MaskedDate& date);

// One character typed at the caret. Backspace and "&" step left; a digit on
// a field position replaces the digit there and the date is read, clamped
// and rendered again; after a digit and any other character the caret moves
// to the next field position (or the end).
struct MaskedKeyResult {
    QString text;
    int caret = 0;
    bool dateSet = false;  // the text was rendered from a (new) date
    MaskedDate date;
};
// `current` supplies the fields the mask lacks.
MaskedKeyResult TypeIntoMaskedDate(const QString& mask, const QString& text, int caret, QChar typed,
                                   const MaskedDate& current = {});

#include "editors/MaskedDate.h"

#include <algorithm>

namespace {

constexpr QChar kBackspace(0x08);

int FieldMin(QChar letter) { return letter == u'Y' ? kMaskedYearMin : 1; }

int FieldMax(QChar letter)
{
    if (letter == u'Y')
        return kMaskedYearMax;
    return letter == u'M' ? 12 : 31;
}

int Clamp(QChar letter, int width, int value)
{
    int widest = 1;
    for (int i = 0; i < width && widest < 100000; ++i)
        widest *= 10;
    return std::clamp(value, std::min(FieldMin(letter), widest - 1), std::min(FieldMax(letter), widest - 1));
}

int& FieldOf(MaskedDate& date, QChar letter)
{
    if (letter == u'Y')
        return date.year;
    return letter == u'M' ? date.month : date.day;
}

int RunLength(const QString& mask, qsizetype at)
{
    qsizetype end = at;
    while (end < mask.size() && mask[end] == mask[at])
        ++end;
    return static_cast<int>(end - at);
}

// The field's characters without blanks, as a number with an optional sign.
bool ReadField(QStringView piece, int& value)
{
    QString digits;
    for (QChar c : piece) {
        if (!c.isSpace())
            digits += c;
    }
    if (digits.isEmpty())
        return false;
    qsizetype first = digits[0] == u'+' || digits[0] == u'-' ? 1 : 0;
    if (first == digits.size())
        return false;
    for (qsizetype i = first; i < digits.size(); ++i) {
        if (digits[i] < u'0' || digits[i] > u'9')
            return false;
    }
    bool ok = false;
    value = digits.toInt(&ok);
    return ok;
}

int NextFieldPosition(const QString& mask, int from)
{
    for (int q = from; q < mask.size(); ++q) {
        if (IsMaskFieldLetter(mask[q]))
            return q;
    }
    return static_cast<int>(mask.size());
}

}  // namespace

bool IsMaskFieldLetter(QChar c) { return c == u'D' || c == u'M' || c == u'Y'; }

MaskedDate ClampMaskedDate(const MaskedDate& date)
{
    return {std::clamp(date.year, kMaskedYearMin, kMaskedYearMax), std::clamp(date.month, 1, 12),
            std::clamp(date.day, 1, 31)};
}

QString RenderMaskedDate(const QString& mask, const MaskedDate& date)
{
    QString text;
    MaskedDate values = date;
    for (qsizetype at = 0; at < mask.size();) {
        const QChar letter = mask[at];
        if (!IsMaskFieldLetter(letter)) {
            text += letter;
            ++at;
            continue;
        }
        const int width = RunLength(mask, at);
        const int value = Clamp(letter, width, FieldOf(values, letter));
        text += QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
        at += width;
    }
    return text;
}

bool ParseMaskedDate(const QString& mask, const QString& text, MaskedDate& date)
{
    for (qsizetype at = 0; at < mask.size();) {
        const QChar letter = mask[at];
        if (!IsMaskFieldLetter(letter)) {
            if (at >= text.size() || text[at] != letter)
                return false;
            ++at;
            continue;
        }
        const int width = RunLength(mask, at);
        int value = 0;
        if (!ReadField(QStringView(text).mid(at, width), value))
            return false;
        FieldOf(date, letter) = Clamp(letter, width, value);
        at += width;
    }
    return true;
}

MaskedKeyResult TypeIntoMaskedDate(const QString& mask, const QString& text, int caret, QChar typed,
                                   const MaskedDate& current)
{
    MaskedKeyResult result{text, std::clamp(caret, 0, static_cast<int>(text.size())), false, {}};
    if (typed == kBackspace || typed == u'&') {
        result.caret = std::max(0, result.caret - 1);
        return result;
    }
    const int p = result.caret;
    const bool isDigit = typed >= u'0' && typed <= u'9';
    if (isDigit && p < text.size() && p < mask.size() && IsMaskFieldLetter(mask[p]) && text[p] != typed) {
        MaskedDate date = current;
        ParseMaskedDate(mask, text, date);
        QString changed = text;
        changed[p] = typed;
        ParseMaskedDate(mask, changed, date);
        result.text = RenderMaskedDate(mask, date);
        result.date = date;
        result.dateSet = true;
    }
    result.caret = NextFieldPosition(mask, p + 1);
    return result;
}

#include "views/TextFit.h"

#include <algorithm>

namespace {

const QString kEllipsis = QStringLiteral("...");

QString TrimLeadingSpace(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace()) ++i;
    return text.mid(i);
}

}  // namespace

int CountFittingChars(const QFontMetrics& metrics, const QString& text, int width) {
    if (width <= 0 || text.isEmpty()) return 0;
    if (metrics.horizontalAdvance(text) <= width) return static_cast<int>(text.size());
    // Largest n with advance(left(n)) <= width; advances grow with n.
    qsizetype low = 0, high = text.size() - 1;
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    if (low > 0 && text.at(low - 1).isHighSurrogate()) --low;
    return static_cast<int>(low);
}

QString FitTextToWidth(const QFontMetrics& metrics, const QString& text, int available,
                       int reserved) {
    const int fitting = CountFittingChars(metrics, text, available - reserved);
    if (fitting < 3 || fitting == text.size()) return text;
    const int room = available - metrics.horizontalAdvance(kEllipsis) - reserved;
    return text.left(CountFittingChars(metrics, text, room)) + kEllipsis;
}

QString WrapTextToWidth(const QFontMetrics& metrics, const QString& text, int firstWidth,
                        int laterWidth, int reserved) {
    QString result;
    QString rest = text;
    int width = firstWidth;
    for (;;) {
        const int fitting = CountFittingChars(metrics, rest, width);
        // Nothing fits at all: a narrower cell than one character would wrap
        // forever, so the rest stays on this line and is clipped.
        if (fitting == rest.size() || fitting == 0) break;
        const QString next = TrimLeadingSpace(rest.mid(fitting));
        result += rest.left(fitting);
        if (next.isEmpty()) return result;  // only trailing blanks were left
        result += QLatin1Char('\n');
        rest = next;
        width = laterWidth;
    }
    return result + FitTextToWidth(metrics, rest, width, reserved);
}

QFont FontFittingWidth(const QFont& font, const QString& text, int width, int minPixelSize)
{
    QFont smaller = font;
    for (int size = font.pixelSize(); size > minPixelSize; --size) {
        if (QFontMetrics(smaller).horizontalAdvance(text) <= width) break;
        smaller.setPixelSize(size - 1);
    }
    return smaller;
}

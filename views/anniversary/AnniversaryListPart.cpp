#include "views/anniversary/AnniversaryListPart.h"

#include <QPainter>

#include "resources/Strings.h"
#include "views/ColorRef.h"

namespace {

constexpr ColorRef kSelectedRowColour = 0xD2D2D2;
// The platform's dashed pen: dashes of three pixels, gaps of two.
constexpr int kDash = 3;
constexpr int kDashPeriod = 5;
constexpr int kTextFlags = Qt::AlignVCenter | Qt::TextSingleLine;

void DrawDashedLine(QPainter& dc, int x, int y, int width, ColorRef colour) {
    for (int dash = x; dash < x + width; dash += kDashPeriod)
        CDrawKit::DrawLine(dc, dash, y, std::min(kDash, x + width - dash), 0, colour);
}

}  // namespace

CAnniversaryListPart::CAnniversaryListPart(CViewEx& owner) : CCellListPart(owner) {}

void CAnniversaryListPart::SetRows(std::vector<AnniversaryOccurrence> rows) {
    Clear();
    m_rows = std::move(rows);
    for (size_t i = 0; i < m_rows.size(); ++i) AppendRow();
}

void CAnniversaryListPart::SetRowFont(const QString& face, int height, bool clearType) {
    SetFont(face, height, false, false, false, clearType);
    const QFontMetrics metrics = Metrics();
    m_dateWidth = metrics.horizontalAdvance(LoadString(IDS_LUNAR_DATE_PREFIX) + QStringLiteral("0000.00.00")) +
                  S(5, Axis::X);
    m_daysWidth = metrics.horizontalAdvance(LoadString(IDS_DAYS_LEFT_TODAY)) + S(5, Axis::X);
    // Room for a finger above and below the text; every row is one line.
    m_rowHeight = metrics.height() + S(8, Axis::Y);
    InvalidateMeasures();
    Invalidate();
}

QString CAnniversaryListPart::NameText(const AnniversaryOccurrence& row) {
    return QString::fromStdString(row.name + row.countText);
}

QString CAnniversaryListPart::DateText(const AnniversaryOccurrence& row) {
    if (row.daysUntil < 0) return QStringLiteral("-");
    const QString prefix = row.lunar ? LoadString(IDS_LUNAR_DATE_PREFIX) : QString();
    return QStringLiteral("%1%2.%3.%4")
        .arg(prefix)
        .arg(row.civilDate.year)
        .arg(row.civilDate.month)
        .arg(row.civilDate.day);
}

QString CAnniversaryListPart::DaysText(const AnniversaryOccurrence& row) {
    if (row.daysUntil < 0) return QStringLiteral("-");
    if (row.daysUntil == 0) return LoadString(IDS_DAYS_LEFT_TODAY);
    if (row.daysUntil == 1) return LoadString(IDS_DAYS_LEFT_TOMORROW);
    return QString::number(row.daysUntil);
}

int CAnniversaryListPart::MeasureRow(int /*index*/) { return m_rowHeight; }

void CAnniversaryListPart::DrawRow(QPainter& dc, int index, int y, bool selected) {
    const AnniversaryOccurrence& row = m_rows.at(static_cast<size_t>(index));
    const int width = Width();
    const int height = RowHeight(index);
    if (selected) FillBox(dc, 0, y + 1, width, height - 1, kSelectedRowColour, kFillSolid);
    DrawDashedLine(dc, 0, y + height - 1, width, kBlack);

    const int right = width - S(10, Axis::X);
    const int nameLeft = S(5, Axis::X);
    const int nameWidth = std::max(0, right - m_daysWidth - m_dateWidth - nameLeft);
    const int dateLeft = nameLeft + nameWidth;
    const int textHeight = height - 1;
    DrawTextInRect(dc, nameLeft, y, nameWidth, textHeight, FitText(NameText(row), nameWidth, 0),
                   Qt::AlignLeft | kTextFlags, row.color);
    DrawTextInRect(dc, dateLeft, y, m_dateWidth, textHeight, DateText(row), Qt::AlignRight | kTextFlags,
                   kBlack);
    DrawTextInRect(dc, right - m_daysWidth, y, m_daysWidth, textHeight, DaysText(row),
                   Qt::AlignRight | kTextFlags, kBlack);
}

#include "views/DayCellPart.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "views/TextFit.h"
#include "views/ViewEx.h"

namespace {
constexpr int kCentred = Qt::AlignCenter | Qt::TextSingleLine;
// Below this (at 96 dpi) digits run together.
constexpr int kSmallestDatePixels = 7;
}  // namespace

CDayCellPart::CDayCellPart(CViewEx& owner) : CCellListPart(owner), m_painter(owner.Dpi()) {
    SetFont(QStringLiteral("Tahoma"), S(9, Axis::Y), false, false, false, false);
}

int CDayCellPart::AddEntry(const DayCellLine& line) {
    m_lines.push_back(line);
    m_fitted.emplace_back();
    AppendRow();
    return static_cast<int>(m_lines.size()) - 1;
}

void CDayCellPart::OnCleared() {
    m_lines.clear();
    m_fitted.clear();
}

const QString& CDayCellPart::FittedBody(int index) {
    RowHeight(index);  // measures when needed
    return m_fitted.at(static_cast<size_t>(index));
}

void CDayCellPart::SetMultiline(bool multiline) {
    if (multiline == m_multiline) return;
    m_multiline = multiline;
    InvalidateMeasures();
    Invalidate();
}

void CDayCellPart::SetEntryFont(const QString& face, int height, bool clearType) {
    m_painter.SetFont(face, height, clearType);
    InvalidateMeasures();
    Invalidate();
}

void CDayCellPart::SetHeaderFont(const QString& face, int height, bool clearType) {
    SetFont(face, height, false, false, false, clearType);
    Invalidate();
}

void CDayCellPart::SetPictures(const PictureLookup& lookup) {
    m_painter.SetPictures(lookup);
    InvalidateMeasures();
    Invalidate();
}

void CDayCellPart::SetLeadColours(const LeadColours& normal, const LeadColours& selected) {
    m_painter.SetLeadColours(normal, selected);
    Invalidate();
}

void CDayCellPart::SetHeader(const DayCellHeader& header) {
    m_header = header;
    m_hasHeader = true;
    Invalidate();
}

int CDayCellPart::MeasureRow(int index) {
    const MeasuredEntry measured =
        m_painter.Measure(m_lines[static_cast<size_t>(index)], Width(), m_multiline,
                          Width() - S(kScrollStripWidth, Axis::X));
    m_fitted[static_cast<size_t>(index)] = measured.fitted;
    return measured.height;
}

void CDayCellPart::DrawRow(QPainter& dc, int index, int y, bool selected) {
    const size_t i = static_cast<size_t>(index);
    m_painter.Draw(dc, m_lines[i], m_fitted[i], y, selected, Background());
}

QRect CDayCellPart::HeaderBox() const {
    const int width = S(38, Axis::X);
    const int height = S(12, Axis::Y);
    return QRect(Width() - width, Height() - height, width, height);
}

void CDayCellPart::DrawHeader(QPainter& dc) {
    if (!m_hasHeader) return;
    const QRect box = HeaderBox();
    const int x = box.x();
    const int y = box.y();
    const int boxWidth = box.width();
    const int boxHeight = box.height();
    DrawLine(dc, x + 1, y, boxWidth - 1, 0, m_header.edge);
    DrawLine(dc, x, y + 1, 0, boxHeight - 1, m_header.edge);
    FillBox(dc, x + 1, y + 1, boxWidth - 1, boxHeight - 1, m_header.lower, kFillSolid);
    FillBox(dc, x + 1, y + 1, boxWidth - 1, ((Dpi().y + 4) * 12) / 192, m_header.upper,
            kFillSolid);
    int split = S(15, Axis::X);
    QFont dateFont = GetFont();
    const QFontMetrics metrics(dateFont);
    if (metrics.horizontalAdvance(m_header.dateText) > split - 2) {
        // A date with its month ("12/21") is wider than its part of the box:
        // it takes what the widest weekday leaves, in a smaller size of the
        // same font when even that is too narrow, alike in every cell.
        const int weekdayWidth = metrics.horizontalAdvance(QStringLiteral("We")) + S(2, Axis::X);
        split = std::max(split, boxWidth - weekdayWidth);
        dateFont = FontFittingWidth(dateFont, m_header.dateText, split - 2, S(kSmallestDatePixels, Axis::Y));
    }
    DrawTextInRectWith(dc, dateFont, x + 2, y + 1, split - 2, boxHeight - 1, m_header.dateText, kCentred,
                       kWhite);
    DrawTextInRect(dc, x + split, y + 1, boxWidth - split, boxHeight - 1, m_header.weekdayText,
                   kCentred, kWhite);
}

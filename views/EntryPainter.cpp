#include "views/EntryPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "views/DrawKit.h"
#include "views/TextFit.h"

namespace {

// Between a text lead and the body.
constexpr int kLeadTextGap = 3;
// Where the later lines of a wrapped body start, at 96 dpi.
constexpr int kContinuationIndent = 10;

const std::array<std::pair<uint32_t, int>, 3> kMarkPictures{{
    {kMarkNotes, kPictureNotes},
    {kMarkReminder, kPictureReminder},
    {kMarkRecurring, kPictureRecurrence},
}};

size_t FontIndex(uint32_t style) { return style & (kStyleBold | kStyleCompleted); }

}  // namespace

CEntryPainter::CEntryPainter(ScreenDpi dpi) : m_dpi(dpi) {
    SetFont(QStringLiteral("Tahoma"), ScaleForDpi(9, dpi.y), false);
}

void CEntryPainter::SetFont(const QString& face, int height, bool clearType) {
    for (uint32_t style = 0; style < m_fonts.size(); ++style)
        m_fonts[style] = MakeFont(DescribeFont(face, height, (style & kStyleBold) != 0, false,
                                               (style & kStyleCompleted) != 0, clearType));
    m_fitted.Clear();
}

const QFont& CEntryPainter::FontFor(uint32_t style) const { return m_fonts[FontIndex(style)]; }

int CEntryPainter::LineHeight(uint32_t style) const {
    return QFontMetrics(FontFor(style)).height();
}

void CEntryPainter::SetPictures(const PictureLookup& lookup) {
    for (int i = 0; i < kPictureCount; ++i) {
        m_pictures[i] = lookup ? lookup(kPictureFirst + i) : QPixmap();
        m_picturesOnWhite[i] = WithWhiteTransparent(m_pictures[i]);
    }
}

const QPixmap& CEntryPainter::Picture(int id) const {
    static const QPixmap none;
    if (id < kPictureFirst || id > kPictureLast) return none;
    return m_pictures[id - kPictureFirst];
}

void CEntryPainter::SetLeadColours(const LeadColours& normal, const LeadColours& selected) {
    m_normalLead = normal;
    m_selectedLead = selected;
}

int CEntryPainter::LeadWidth(const DayCellLine& line) const {
    if (IsMarkerLead(line.leadText)) return Picture(kPictureAllDayStart).width() + 1;
    return QFontMetrics(FontFor(line.style)).horizontalAdvance(line.leadText);
}

int CEntryPainter::MarksWidth(uint32_t marks) const {
    int width = 0;
    for (const auto& [bit, id] : kMarkPictures)
        if (marks & bit) width += Picture(id).width();
    return width;
}

int CEntryPainter::BodyLeft(const DayCellLine& line) const {
    constexpr int kLeft = 2;
    if (IsMarkerLead(line.leadText) || line.leadText.isEmpty()) return kLeft + LeadWidth(line);
    return kLeft + LeadWidth(line) + kLeadTextGap;
}

MeasuredEntry CEntryPainter::Measure(const DayCellLine& line, int cellWidth, bool multiline,
                                     int textRight) const {
    const QFontMetrics metrics(FontFor(line.style));
    const int reserved = S(1, Axis::X) + S(2, Axis::X) + LeadWidth(line);
    int available = cellWidth - reserved;
    int laterWidth = 0;
    if (multiline) {
        // The first line into a, later ones into w - S(10), each no further
        // than the text area reaches from where that line starts.
        available = std::min(available, textRight - BodyLeft(line));
        laterWidth = std::min(cellWidth, textRight) - S(kContinuationIndent, Axis::X);
    }
    const int marks = MarksWidth(line.marks);
    const FitRequest request{line.bodyText, static_cast<uint32_t>(FontIndex(line.style)), available,
                             laterWidth, marks, multiline};
    MeasuredEntry measured;
    measured.fitted = m_fitted.Get(request, [&] {
        return multiline ? WrapTextToWidth(metrics, line.bodyText, available, request.laterWidth, marks)
                         : FitTextToWidth(metrics, line.bodyText, available, marks);
    });
    measured.height = static_cast<int>(measured.fitted.count(QLatin1Char('\n')) + 1) *
                      metrics.height();
    return measured;
}

int CEntryPainter::DrawPictureCentred(QPainter& dc, int x, int centreY, int id,
                                      ColorRef background) const {
    if (id < kPictureFirst || id > kPictureLast) return 0;
    const auto& pictures = background == kWhite ? m_picturesOnWhite : m_pictures;
    return CDrawKit::DrawPicture(dc, x, centreY, pictures[id - kPictureFirst], true);
}

int CEntryPainter::DrawLead(QPainter& dc, int x, int y, const DayCellLine& line, bool selected,
                            ColorRef background) const {
    const QFontMetrics metrics(FontFor(line.style));
    const int mid = (metrics.height() + 1) / 2;
    const int marker = MarkerPictureId(line.leadText, selected);
    if (marker != 0) {
        DrawPictureCentred(dc, x, y + mid, marker, background);
        return x + LeadWidth(line);
    }
    if (line.leadText.isEmpty()) return x;
    const LeadColours& colours = selected ? m_selectedLead : m_normalLead;
    const int width = metrics.horizontalAdvance(line.leadText);
    if (colours.background)
        dc.fillRect(QRect(x, y, width, metrics.height()), ColorFromRef(*colours.background));
    CDrawKit::DrawTextWith(dc, FontFor(line.style), x, y, line.leadText, colours.text);
    return x + width + kLeadTextGap;
}

int CEntryPainter::DrawMarks(QPainter& dc, int x, int y, const DayCellLine& line,
                             ColorRef background) const {
    const int mid = (LineHeight(line.style) + 1) / 2;
    for (const auto& [bit, id] : kMarkPictures)
        if (line.marks & bit) x += DrawPictureCentred(dc, x, y + mid, id, background);
    return x;
}

void CEntryPainter::Draw(QPainter& dc, const DayCellLine& line, const QString& fitted, int y,
                         bool selected, ColorRef background) const {
    const QFont& font = FontFor(line.style);
    const int height = QFontMetrics(font).height();
    int x = DrawLead(dc, 2, y, line, selected, background);
    const QStringList lines = fitted.split(QLatin1Char('\n'));
    x += CDrawKit::DrawTextWith(dc, font, x, y, lines.front(), line.color);
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const int indent = S(kContinuationIndent, Axis::X);
        x = indent + CDrawKit::DrawTextWith(dc, font, indent, y + static_cast<int>(n) * height,
                                            lines[n], line.color);
    }
    // The marks follow the last line of text.
    DrawMarks(dc, x, y + static_cast<int>(lines.size() - 1) * height, line, background);
}

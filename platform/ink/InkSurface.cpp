#include "platform/ink/InkSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "platform/ink/InkMessages.h"
#include "platform/ink/InkStream.h"
#include "platform/ink/InkTransfer.h"
#include "platform/shell/Density.h"

namespace {

constexpr int kMinZoom = 25;
constexpr int kMaxZoom = 400;
constexpr LRESULT kRefused = 1;

QColor FromColorRef(uint32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace

InkSurface::InkSurface(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    m_baseFont = font();
    m_penWidth = static_cast<uint16_t>(std::clamp(ScaleX(2), 1, int{kMaxInkPenWidth}));
}

void InkSurface::SetInputMode(bool typing)
{
    m_typing = typing;
    // Drawing mode keeps the keyboard off the text and the caret out of sight.
    setReadOnly(!typing);
    viewport()->setCursor(typing ? Qt::IBeamCursor : Qt::CrossCursor);
}

void InkSurface::SetPageStyle(WPARAM style)
{
    m_pageStyle = style;
    viewport()->update();
}

bool InkSurface::SetZoom(int percent)
{
    if (percent < kMinZoom || percent > kMaxZoom) return false;
    m_zoom = percent;
    QFont zoomed = m_baseFont;
    if (m_baseFont.pointSizeF() > 0)
        zoomed.setPointSizeF(m_baseFont.pointSizeF() * percent / 100.0);
    else
        zoomed.setPixelSize(std::max(1, m_baseFont.pixelSize() * percent / 100));
    setFont(zoomed);
    viewport()->update();
    return true;
}

void InkSurface::ClearAll()
{
    SetText({});
    m_strokes.clear();
    m_drawing.reset();
    m_loaded.clear();
    // Emptied on purpose: streams out as nothing even if ink from elsewhere was loaded.
    m_strokesChanged = true;
    viewport()->update();
}

void InkSurface::SetPen(uint32_t color, int width)
{
    m_penColor = color & 0x00FFFFFF;
    m_penWidth = static_cast<uint16_t>(std::clamp(width, 1, int{kMaxInkPenWidth}));
}

InkContent InkSurface::Content() const
{
    return InkContent{toPlainText().toStdString(), m_strokes};
}

void InkSurface::SetContent(const InkContent& content)
{
    SetText(content.text);
    m_strokes = content.strokes;
    m_drawing.reset();
    m_loaded.clear();
    m_strokesChanged = true;
    viewport()->update();
}

bool InkSurface::Changed() const { return m_strokesChanged || document()->isModified(); }

std::vector<uint8_t> InkSurface::StreamBytes() const
{
    if (!Changed() && !m_loaded.empty()) return m_loaded;
    return WriteInkStream(Content());
}

void InkSurface::LoadStreamBytes(std::vector<uint8_t> bytes)
{
    std::optional<InkContent> content = ReadInkStream(bytes.data(), bytes.size());
    if (!content) content.emplace();
    SetText(content->text);
    m_strokes = std::move(content->strokes);
    m_drawing.reset();
    m_loaded = std::move(bytes);
    m_strokesChanged = false;
    viewport()->update();
}

void InkSurface::SetText(const std::string& text)
{
    setPlainText(QString::fromStdString(text));
    document()->setModified(false);
}

bool InkSurface::event(QEvent* event)
{
    if (const WindowMessageEvent* message = AsWindowMessage(event)) {
        message->SetResult(HandleMessage(message->Message(), message->WParam(), message->LParam()));
        return true;
    }
    return QTextEdit::event(event);
}

LRESULT InkSurface::HandleMessage(uint32_t message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case IM_SETINPUTMODE:
        SetInputMode(wParam == kInkInputTyping);
        return 0;
    case IM_SETVIEW:
        SetView(wParam);
        return 0;
    case IM_SETPAGESTYLE:
        SetPageStyle(wParam);
        return 0;
    case IM_SETZOOM:
        return SetZoom(static_cast<int>(std::clamp<LPARAM>(lParam, -1, kMaxZoom + 1))) ? 0 : kRefused;
    case IM_CLEARALL:
        if (wParam == 1) ClearAll();
        return 0;
    case IM_STREAMIN:
        return StreamIn(wParam, reinterpret_cast<EDITSTREAM*>(lParam));
    case IM_STREAMOUT:
        return StreamOut(wParam, reinterpret_cast<EDITSTREAM*>(lParam));
    default:
        return 0;
    }
}

LRESULT InkSurface::StreamIn(WPARAM format, EDITSTREAM* stream)
{
    if (format != kInkStreamFormat || stream == nullptr) return kRefused;
    std::optional<std::vector<uint8_t>> bytes = ReceiveInkStream(*stream);
    if (!bytes) return kRefused;  // a failed transfer leaves the content as it was
    LoadStreamBytes(std::move(*bytes));
    return 0;
}

LRESULT InkSurface::StreamOut(WPARAM format, EDITSTREAM* stream) const
{
    if (format != kInkStreamFormat || stream == nullptr) return kRefused;
    return SendInkStream(*stream, StreamBytes()) ? 0 : kRefused;
}

InkPoint InkSurface::DocumentPoint(const QPoint& viewportPoint) const
{
    const double scale = m_zoom / 100.0;
    const double x = (viewportPoint.x() + horizontalScrollBar()->value()) / scale;
    const double y = (viewportPoint.y() + verticalScrollBar()->value()) / scale;
    return InkPoint{static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
}

void InkSurface::mousePressEvent(QMouseEvent* event)
{
    if (m_typing || event->button() != Qt::LeftButton) return QTextEdit::mousePressEvent(event);
    m_drawing = InkStroke{m_penColor, m_penWidth, {DocumentPoint(event->position().toPoint())}};
    viewport()->update();
}

void InkSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (m_typing || !m_drawing) return QTextEdit::mouseMoveEvent(event);
    const InkPoint point = DocumentPoint(event->position().toPoint());
    if (!(point == m_drawing->points.back())) m_drawing->points.push_back(point);
    viewport()->update();
}

void InkSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_typing || !m_drawing) return QTextEdit::mouseReleaseEvent(event);
    mouseMoveEvent(event);
    m_strokes.push_back(std::move(*m_drawing));
    m_drawing.reset();
    m_strokesChanged = true;
    viewport()->update();
}

void InkSurface::paintEvent(QPaintEvent* event)
{
    QTextEdit::paintEvent(event);
    QPainter painter(viewport());
    if (m_pageStyle == kInkPageRuled) PaintRules(painter);
    PaintStrokes(painter);
}

void InkSurface::PaintRules(QPainter& painter) const
{
    const int spacing = std::max(1, QFontMetrics(font()).lineSpacing());
    const int top = static_cast<int>(document()->documentMargin()) - verticalScrollBar()->value();
    painter.setPen(QColor(0xC8, 0xDC, 0xF0));
    const int first = std::max(1, (0 - top) / spacing + 1);
    for (int y = top + first * spacing; y < viewport()->height(); y += spacing)
        painter.drawLine(0, y, viewport()->width(), y);
}

void InkSurface::PaintStrokes(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    painter.scale(m_zoom / 100.0, m_zoom / 100.0);
    auto paint = [&](const InkStroke& stroke) {
        painter.setPen(QPen(FromColorRef(stroke.color), stroke.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPolygon line;
        for (const InkPoint& point : stroke.points) line << QPoint(point.x, point.y);
        if (line.size() == 1)
            painter.drawPoint(line.front());
        else
            painter.drawPolyline(line);
    };
    for (const InkStroke& stroke : m_strokes) paint(stroke);
    if (m_drawing) paint(*m_drawing);
}

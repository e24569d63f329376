#include "views/DrawKit.h"

#include <QBitmap>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "views/TextFit.h"

namespace {

// Keeps the painter's font and pen as they were before one drawing call.
class PainterStateGuard {
public:
    explicit PainterStateGuard(QPainter& dc) : m_dc(dc), m_font(dc.font()), m_pen(dc.pen()) {}
    ~PainterStateGuard() {
        m_dc.setFont(m_font);
        m_dc.setPen(m_pen);
    }

private:
    QPainter& m_dc;
    QFont m_font;
    QPen m_pen;
};

}  // namespace

CDrawKit::CDrawKit(ScreenDpi dpi) : m_dpi(dpi) { SetFontDesc(SystemFontDesc(dpi.y)); }

void CDrawKit::SetFontDesc(const FontDesc& desc) {
    m_fontDesc = desc;
    m_font = MakeFont(desc);
}

void CDrawKit::SetFont(const QString& face, int height, bool bold, bool italic, bool strikeOut,
                       bool clearType) {
    FontDesc desc = DescribeFont(face, height, bold, italic, strikeOut, clearType);
    desc.charSet = m_fontDesc.charSet;
    if (desc == m_fontDesc) return;
    SetFontDesc(desc);
}

int CDrawKit::DrawTextWith(QPainter& dc, const QFont& font, int x, int y, const QString& text,
                           ColorRef colour) {
    PainterStateGuard guard(dc);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    dc.setFont(font);
    dc.setPen(ColorFromRef(colour));
    dc.drawText(QRect(x, y, width, metrics.height()),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
    return width;
}

void CDrawKit::DrawTextInRectWith(QPainter& dc, const QFont& font, int x, int y, int width,
                                  int height, const QString& text, int flags, ColorRef colour) {
    PainterStateGuard guard(dc);
    dc.setFont(font);
    dc.setPen(ColorFromRef(colour));
    dc.drawText(QRect(x, y, width, height), flags, text);
}

int CDrawKit::DrawPicture(QPainter& dc, int x, int y, const QPixmap& picture, bool centre,
                          PictureCopy copy) {
    if (picture.isNull()) return 0;
    const int top = centre ? y - (picture.height() + 1) / 2 : y;
    if (copy == PictureCopy::WhiteTransparent)
        dc.drawPixmap(x, top, WithWhiteTransparent(picture));
    else
        dc.drawPixmap(x, top, picture);
    return picture.width();
}

void CDrawKit::DrawLine(QPainter& dc, int x, int y, int width, int height, ColorRef colour) {
    const int steps = std::max(std::abs(width), std::abs(height));
    if (steps == 0) return;
    // The end point itself is not drawn, so a line of n pixels covers n pixels.
    if (width == 0 || height == 0) {
        const int w = width == 0 ? 1 : std::abs(width);
        const int h = height == 0 ? 1 : std::abs(height);
        dc.fillRect(QRect(width < 0 ? x + width + 1 : x, height < 0 ? y + height + 1 : y, w, h),
                    ColorFromRef(colour));
        return;
    }
    PainterStateGuard guard(dc);
    dc.setPen(QPen(ColorFromRef(colour), 0));
    const double last = static_cast<double>(steps - 1) / steps;
    dc.drawLine(QPointF(x, y), QPointF(x + width * last, y + height * last));
}

void CDrawKit::FillBox(QPainter& dc, int x, int y, int width, int height, ColorRef colour,
                       int mode) {
    const QColor color = ColorFromRef(colour);
    if (mode == kFillSolid) {
        dc.fillRect(QRect(x, y, width, height), color);
        return;
    }
    dc.fillRect(QRect(x, y, width, 1), color);
    dc.fillRect(QRect(x + width - 1, y, 1, height), color);
    dc.fillRect(QRect(x, y + height - 1, width, 1), color);
    dc.fillRect(QRect(x, y, 1, height), color);
}

QString CDrawKit::FitText(const QString& text, int available, int reserved) const {
    return FitTextToWidth(QFontMetrics(m_font), text, available, reserved);
}

QPixmap WithWhiteTransparent(const QPixmap& picture) {
    if (picture.isNull()) return picture;
    QPixmap masked = picture;
    masked.setMask(picture.createMaskFromColor(Qt::white, Qt::MaskInColor));
    return masked;
}

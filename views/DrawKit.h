// The drawing toolkit shared by the views and their drawing parts: scaling to
// the screen density, one current font, and text, picture, line and box drawing.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPixmap>
#include <QString>

#include "views/ColorRef.h"
#include "views/FontDesc.h"
#include "views/ScreenDpi.h"

class QPainter;

// Whether DrawPicture treats white pixels as transparent.
enum class PictureCopy { Plain, WhiteTransparent };

class CDrawKit {
public:
    explicit CDrawKit(ScreenDpi dpi = ScreenDpi::OfDevice());
    virtual ~CDrawKit() = default;

    // v pixels at 96 dpi scaled to this screen along the axis.
    int S(int v, Axis axis) const { return m_dpi.S(v, axis); }
    ScreenDpi Dpi() const { return m_dpi; }

    // Replaces the font only when the description really changes.
    void SetFont(const QString& face, int height, bool bold, bool italic, bool strikeOut,
                 bool clearType);
    const FontDesc& GetFontDesc() const { return m_fontDesc; }
    const QFont& GetFont() const { return m_font; }
    QFontMetrics Metrics() const { return QFontMetrics(m_font); }

    // Draws text with its top-left corner at (x, y), transparent background;
    // returns its width.
    int DrawText(QPainter& dc, int x, int y, const QString& text, ColorRef colour) const {
        return DrawTextWith(dc, m_font, x, y, text, colour);
    }
    // Draws text inside the rectangle with Qt alignment and text flags.
    void DrawTextInRect(QPainter& dc, int x, int y, int width, int height, const QString& text,
                        int flags, ColorRef colour) const {
        DrawTextInRectWith(dc, m_font, x, y, width, height, text, flags, colour);
    }
    // The same with another font, for parts that draw with several.
    static int DrawTextWith(QPainter& dc, const QFont& font, int x, int y, const QString& text,
                            ColorRef colour);
    static void DrawTextInRectWith(QPainter& dc, const QFont& font, int x, int y, int width,
                                   int height, const QString& text, int flags, ColorRef colour);
    // Copies the picture with its top-left at (x, y), or vertically centred on y;
    // returns its width, 0 when there is no picture.
    static int DrawPicture(QPainter& dc, int x, int y, const QPixmap& picture, bool centre,
                           PictureCopy copy = PictureCopy::Plain);
    // A one-pixel line from (x, y) towards (x + width, y + height), end excluded.
    static void DrawLine(QPainter& dc, int x, int y, int width, int height, ColorRef colour);
    // Mode kFillSolid fills the box; any other mode draws its one-pixel outline.
    static constexpr int kFillSolid = 1;
    static void FillBox(QPainter& dc, int x, int y, int width, int height, ColorRef colour,
                        int mode);
    // The text shortened with "..." to fit into available - reserved (see FitTextToWidth).
    QString FitText(const QString& text, int available, int reserved) const;

protected:
    void SetFontDesc(const FontDesc& desc);

private:
    ScreenDpi m_dpi;
    FontDesc m_fontDesc;
    QFont m_font;
};

// The picture with every white pixel made transparent.
QPixmap WithWhiteTransparent(const QPixmap& picture);

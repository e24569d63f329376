#include "views/FontDesc.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace {

// The handheld's faces ("Tahoma", "cellvic", "Lucida Console", ...) are not
// installed on a desktop. A face that is missing resolves to an installed
// family with Latin and Hangul glyphs, so Korean text never shows boxes; naming
// that family directly also spares Qt a glyph-fallback search on every
// measurement.
QString ResolveFace(const QString& face) {
    if (QFontDatabase::hasFamily(face)) return face;
    static const QStringList monospaceFaces{"Lucida Console", "Courier New", "Courier",
                                            "GulimChe", "DotumChe"};
    static const QStringList proportional{"NanumGothic", "NanumBarunGothic", "DejaVu Sans"};
    static const QStringList monospace{"NanumGothicCoding", "DejaVu Sans Mono", "NanumGothic"};
    const bool fixedPitch = monospaceFaces.contains(face, Qt::CaseInsensitive);
    for (const QString& candidate : fixedPitch ? monospace : proportional)
        if (QFontDatabase::hasFamily(candidate)) return candidate;
    return face;
}

}  // namespace

FontDesc SystemFontDesc(int dpiY) {
    const QFont system = QApplication::font();
    FontDesc desc;
    desc.face = system.family().left(FontDesc::kMaxFaceLength);
    if (system.pixelSize() > 0)
        desc.height = system.pixelSize();
    else
        desc.height = std::max(1, static_cast<int>(system.pointSizeF() * dpiY / 72.0 + 0.5));
    desc.weight = system.bold() ? FontDesc::kWeightBold : FontDesc::kWeightNormal;
    desc.italic = system.italic();
    desc.charSet = 255;
    return desc;
}

QFont MakeFont(const FontDesc& desc) {
    QFont font(ResolveFace(desc.face));
    font.setPixelSize(std::max(1, desc.height));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(desc.weight, 1, 1000)));
    font.setItalic(desc.italic);
    font.setStrikeOut(desc.strikeOut);
    font.setStyleStrategy(desc.quality == FontDesc::kQualityClearType ? QFont::PreferAntialias
                                                                      : QFont::PreferDefault);
    return font;
}

FontDesc DescribeFont(const QString& face, int height, bool bold, bool italic, bool strikeOut,
                      bool clearType) {
    FontDesc desc;
    desc.face = face.left(FontDesc::kMaxFaceLength);
    desc.height = height;
    desc.weight = bold ? FontDesc::kWeightBold : FontDesc::kWeightNormal;
    desc.italic = italic;
    desc.strikeOut = strikeOut;
    desc.quality = clearType ? FontDesc::kQualityClearType : FontDesc::kQualityDefault;
    return desc;
}

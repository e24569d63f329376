// A font as the views describe it (face, character height in pixels, weight,
// flags, quality) and the Qt font made from it.
#pragma once

#include <QFont>
#include <QString>

struct FontDesc {
    static constexpr int kMaxFaceLength = 32;
    static constexpr int kWeightNormal = 400;
    static constexpr int kWeightBold = 700;
    static constexpr int kQualityDefault = 0;
    static constexpr int kQualityClearType = 5;

    QString face;
    int height = 12;  // character height in pixels
    int weight = kWeightNormal;
    bool italic = false;
    bool strikeOut = false;
    int charSet = 255;
    int quality = kQualityDefault;

    bool operator==(const FontDesc&) const = default;
};

// The description of the application's system font (character set 255).
FontDesc SystemFontDesc(int dpiY);

// Builds the Qt font. Face names of the handheld ("Tahoma", "cellvic",
// "Lucida Console", ...) resolve to installed families with Hangul glyphs.
QFont MakeFont(const FontDesc& desc);

// The description with face, height, style and quality set as SetFont takes them.
FontDesc DescribeFont(const QString& face, int height, bool bold, bool italic, bool strikeOut,
                      bool clearType);

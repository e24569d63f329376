#include "views/HeaderBand.h"

#include "views/ColorRef.h"

int HeaderBandHeight(const CDrawKit& kit) { return kit.S(16, Axis::Y) + 1; }

int HeaderContentTop(const CDrawKit& kit) { return kit.S(16, Axis::Y) + 3; }

QFont HeaderTitleFont(const CDrawKit& kit, bool clearType) {
    return MakeFont(DescribeFont(QStringLiteral("Tahoma"), kit.S(11, Axis::Y), true, false, false, clearType));
}

void PaintHeaderBand(QPainter& dc, const CDrawKit& kit, int width, const QString& title,
                     bool clearType, bool wideTitleBox) {
    const int band = HeaderBandHeight(kit);
    CDrawKit::FillBox(dc, 0, 0, width, band, kWhite, CDrawKit::kFillSolid);
    const int x = kit.S(5, Axis::X);
    const int y = kit.S(2, Axis::Y);
    const int boxWidth = wideTitleBox ? width - kit.S(5, Axis::X) - x : kit.S(55, Axis::X);
    const int boxHeight = kit.S(14, Axis::Y);
    CDrawKit::FillBox(dc, x, y, boxWidth, boxHeight, kWhite, CDrawKit::kFillSolid);
    // Clipped to the band: a large font never runs into the rules.
    CDrawKit::DrawTextInRectWith(dc, HeaderTitleFont(kit, clearType), x, y, width - x, band - y, title,
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, kBlack);
    CDrawKit::DrawLine(dc, 0, band, width, 0, kRuleColour);
    CDrawKit::DrawLine(dc, 0, band + 1, width, 0, kRuleColour);
}

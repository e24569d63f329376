// The portrait header band of the month view and the anniversary list: a
// white band with the view's title at its left and two grey rules under it.
// In landscape the title goes to the frame's caption instead.
#pragma once

#include <QString>

#include "views/DrawKit.h"

// Height of the band without its rules, and where the content below starts.
int HeaderBandHeight(const CDrawKit& kit);
int HeaderContentTop(const CDrawKit& kit);

// The title font: "Tahoma", S(11), bold.
QFont HeaderTitleFont(const CDrawKit& kit, bool clearType);

// The white box behind the title is S(55) wide, or reaches to S(5) short of
// the right edge when `wideTitleBox` (a title with a status suffix).
void PaintHeaderBand(QPainter& dc, const CDrawKit& kit, int width, const QString& title,
                     bool clearType, bool wideTitleBox = false);

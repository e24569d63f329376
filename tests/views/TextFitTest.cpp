#include <gtest/gtest.h>

#include "tests/views/ViewTestSupport.h"
#include "views/DrawKit.h"
#include "views/TextFit.h"

namespace {

class TextFitTest : public ViewTestBase {
protected:
    // A fixed-pitch font makes "fits 12 characters" exact.
    QFont font = MakeFont(DescribeFont("DejaVu Sans Mono", 20, false, false, false, false));
    QFontMetrics metrics{font};
    int charWidth = metrics.horizontalAdvance(QLatin1Char('x'));
};

TEST_F(TextFitTest, ShortensWithEllipsisOnlyWhenThreeCharactersFit) {
    const QString text(40, QLatin1Char('x'));
    const QString fitted = FitTextToWidth(metrics, text, 12 * charWidth, 0);
    EXPECT_EQ(fitted, QString(9, QLatin1Char('x')) + "...");
    EXPECT_LE(metrics.horizontalAdvance(fitted), 12 * charWidth);

    // The reserved width counts against the room.
    EXPECT_EQ(FitTextToWidth(metrics, text, 12 * charWidth, 2 * charWidth),
              QString(7, QLatin1Char('x')) + "...");
    // Only 2 characters fit: the text stays whole (the drawing clips it).
    EXPECT_EQ(FitTextToWidth(metrics, text, 2 * charWidth, 0), text);
    // It all fits: unchanged.
    EXPECT_EQ(FitTextToWidth(metrics, "abc", 12 * charWidth, 0), "abc");
}

TEST_F(TextFitTest, ShrinksTheFontOnlyForTextThatDoesNotFit) {
    // A day header's "12/21" in a box made for two digits.
    const QString date = QStringLiteral("12/21");
    const int room = 4 * charWidth;
    const QFont smaller = FontFittingWidth(font, date, room, 1);
    EXPECT_LE(QFontMetrics(smaller).horizontalAdvance(date), room);
    EXPECT_LT(smaller.pixelSize(), font.pixelSize());
    EXPECT_EQ(smaller.stretch(), font.stretch());
    EXPECT_EQ(smaller.family(), font.family());
    // Never below the smallest readable size, and text that fits keeps the font.
    EXPECT_EQ(FontFittingWidth(font, date, 1, font.pixelSize() - 2).pixelSize(), font.pixelSize() - 2);
    EXPECT_EQ(FontFittingWidth(font, QStringLiteral("21"), room, 1), font);
}

TEST_F(TextFitTest, WrapsOverLinesAndFitsTheLastBesideTheMarks) {
    const QString text = QStringLiteral("aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd");
    // First line 10 characters, later lines 12, last line with room for 2 marks.
    const QString wrapped =
        WrapTextToWidth(metrics, text, 10 * charWidth, 12 * charWidth, 2 * charWidth);
    const QStringList lines = wrapped.split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "aaaaaaaaaa");
    // Leading blanks of a continued line are dropped.
    EXPECT_EQ(lines[1], "bbbbbbbbbb c");
    EXPECT_EQ(lines[2], "ccccccccc dd");
    // 8 characters are left; 10 fit beside the marks, so no "...".
    EXPECT_EQ(lines[3], "dddddddd");

    // A last piece that does not fit beside the marks is shortened.
    const QString tight =
        WrapTextToWidth(metrics, QString(30, 'x'), 10 * charWidth, 10 * charWidth, 4 * charWidth);
    EXPECT_EQ(tight, QString(10, 'x') + "\n" + QString(10, 'x') + "\nxxx...");

    // Trailing blanks at a break leave no empty last line.
    EXPECT_EQ(WrapTextToWidth(metrics, "xxxxxxxxxx   ", 10 * charWidth, 10 * charWidth, 0),
              "xxxxxxxxxx");
    // Later lines narrower than one character would otherwise repeat forever.
    EXPECT_EQ(WrapTextToWidth(metrics, QString(30, 'x'), 5 * charWidth, 0, 0),
              "xxxxx\n" + QString(25, 'x'));
    EXPECT_EQ(WrapTextToWidth(metrics, "abc", -10, -10, 0), "abc");
}

TEST_F(TextFitTest, ScalesBothAxesByTheirOwnDensity) {
    const CDrawKit at192(ScreenDpi{192, 192});
    EXPECT_EQ(at192.S(16, Axis::Y), 32);
    EXPECT_EQ(at192.S(15, Axis::X), 30);
    EXPECT_EQ(CDrawKit(ScreenDpi{96, 96}).S(16, Axis::X), 16);
    const CDrawKit at131(ScreenDpi{131, 96});
    EXPECT_EQ(at131.S(22, Axis::X), 30);
    EXPECT_EQ(at131.S(22, Axis::Y), 22);
}

TEST_F(TextFitTest, SetFontKeepsTheDescriptionAndMapsFacesToHangulFamilies) {
    CDrawKit kit(ScreenDpi{96, 96});
    EXPECT_EQ(kit.GetFontDesc().charSet, 255);
    kit.SetFont("Tahoma", 13, true, false, true, false);
    EXPECT_EQ(kit.GetFontDesc().weight, 700);
    EXPECT_TRUE(kit.GetFontDesc().strikeOut);
    EXPECT_EQ(kit.GetFontDesc().quality, 0);  // no ClearType, even for Tahoma
    EXPECT_EQ(kit.GetFont().pixelSize(), 13);
    kit.SetFont("Tahoma", 13, false, true, false, true);
    EXPECT_EQ(kit.GetFontDesc().weight, 400);
    EXPECT_EQ(kit.GetFontDesc().quality, 5);
    EXPECT_TRUE(kit.GetFont().italic());

    // Every face the handheld knew must reach glyphs for Korean text.
    for (const char* face : {"Tahoma", "cellvic", "Lucida Console"}) {
        const QFont font = MakeFont(DescribeFont(face, 16, false, false, false, false));
        const QFontMetrics metrics(font);
        for (const QChar c : QString::fromUtf8("일정작업기념일"))
            EXPECT_TRUE(metrics.inFont(c)) << face;
        EXPECT_TRUE(QFontInfo(font).family().startsWith("Nanum")) << face;
    }
}

}  // namespace

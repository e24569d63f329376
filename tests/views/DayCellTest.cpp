#include <gtest/gtest.h>

#include "tests/views/ViewTestSupport.h"
#include "views/DayCellPart.h"

namespace {

template <class Test>
bool HasPixel(const QImage& image, QRect area, Test test) {
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y))) return true;
    return false;
}

bool HasColour(const QImage& image, QRect area, QColor colour) {
    return HasPixel(image, area, [&](QColor c) { return c == colour; });
}

// Text is smoothed: look for a pixel close to the colour.
bool HasNearColour(const QImage& image, QRect area, QColor colour) {
    return HasPixel(image, area, [&](QColor c) {
        return std::abs(c.red() - colour.red()) < 60 && std::abs(c.green() - colour.green()) < 60 &&
               std::abs(c.blue() - colour.blue()) < 60;
    });
}

// Rows of the image holding the colour.
std::pair<int, int> RowsWithColour(const QImage& image, QColor colour) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

class DayCellTest : public ViewTestBase {
protected:
    void SetUp() override {
        view = std::make_unique<TestView>(host);
        cell = std::make_unique<CDayCellPart>(*view);
        cell->SetRect(0, 0, 160, 120);
        cell->SetEntryFont("Tahoma", 13, false);
        cell->SetPictures(SquarePictures(9));
    }
    QFontMetrics Metrics(uint32_t style = 0) const {
        return QFontMetrics(cell->EntryPainter().FontFor(style));
    }
    QImage Paint() {
        PaintToImage(*cell, QSize(cell->Width(), cell->Height()));
        return cell->OffscreenImage();
    }

    DensityScope density{96, 96};
    TestHost host;
    std::unique_ptr<TestView> view;
    std::unique_ptr<CDayCellPart> cell;
    const QString longBody = QString::fromUtf8(
        "분기 실적 검토 회의와 다음 분기 계획 수립 그리고 예산 조정에 관한 긴 논의");
};

TEST_F(DayCellTest, FitsTheBodyBesideLeadAndMarks) {
    const DayCellLine timed{"10:00", longBody, 0x000000, 0, kMarkNotes | kMarkReminder};
    cell->AddEntry(timed);
    const QString& fitted = cell->FittedBody(0);
    EXPECT_TRUE(fitted.endsWith("...")) << fitted.toStdString();
    // Room: width - (S(1) + S(2) + lead width) - marks.
    const int room = 160 - (3 + Metrics().horizontalAdvance("10:00")) - 18;
    EXPECT_LE(Metrics().horizontalAdvance(fitted), room);
    EXPECT_GT(Metrics().horizontalAdvance(fitted), room - Metrics().horizontalAdvance("...") -
                                                       Metrics().maxWidth());
    EXPECT_EQ(cell->RowHeight(0), Metrics().height());

    // A marker lead takes the width of picture 102 plus one, not its text.
    cell->AddEntry({"(E)", longBody, 0, 0, 0});
    const int markerRoom = 160 - (3 + 10);
    EXPECT_LE(Metrics().horizontalAdvance(cell->FittedBody(1)), markerRoom);
    EXPECT_GT(Metrics().horizontalAdvance(cell->FittedBody(1)),
              Metrics().horizontalAdvance(fitted));

    // Bold and completed entries measure with their own fonts.
    EXPECT_FALSE(cell->EntryPainter().FontFor(kStyleCompleted).bold());
    EXPECT_TRUE(cell->EntryPainter().FontFor(kStyleBold | kStyleCompleted).bold());
    EXPECT_TRUE(cell->EntryPainter().FontFor(kStyleBold | kStyleCompleted).strikeOut());
}

TEST_F(DayCellTest, MultilineWrapsAndGrowsTheRow) {
    cell->SetMultiline(true);
    cell->AddEntry({"10:00", longBody, 0, 0, kMarkNotes});
    const QStringList lines = cell->FittedBody(0).split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(cell->RowHeight(0), static_cast<int>(lines.size()) * Metrics().height());
    EXPECT_LE(Metrics().horizontalAdvance(lines.front()),
              160 - (3 + Metrics().horizontalAdvance("10:00")));
    for (qsizetype i = 1; i < lines.size(); ++i)
        EXPECT_LE(Metrics().horizontalAdvance(lines[i]), 160 - 10);
    EXPECT_LE(Metrics().horizontalAdvance(lines.back()), 150 - 9);
    // Only blanks at the breaks (and a final "...") are lost.
    QString joined = lines.join("").remove(' ');
    if (joined.endsWith("...")) joined.chop(3);
    EXPECT_TRUE(QString(longBody).remove(' ').startsWith(joined));

    // Switching back measures again on one line.
    cell->SetMultiline(false);
    EXPECT_EQ(cell->RowHeight(0), Metrics().height());
}

TEST_F(DayCellTest, WrappedLinesStayLeftOfTheScrollStrip) {
    // A width on which later lines of x's would end exactly at the cell's edge.
    const int x = Metrics().horizontalAdvance(QLatin1Char('x'));
    const int width = 10 + 20 * x;
    cell->SetRect(0, 0, width, 120);
    cell->SetMultiline(true);
    const QString body(90, QLatin1Char('x'));
    for (const char* lead : {"10:00", "(E)"}) {
        cell->Clear();
        cell->AddEntry({lead, body, 0x0000FF, 0, 0});
        const QStringList lines = cell->FittedBody(0).split('\n');
        ASSERT_GE(lines.size(), 3) << lead;
        const DayCellLine& line = cell->Line(0);
        EXPECT_LE(cell->EntryPainter().BodyLeft(line) + Metrics().horizontalAdvance(lines.front()),
                  width - 5) << lead;
        for (qsizetype i = 1; i < lines.size(); ++i)
            EXPECT_LE(10 + Metrics().horizontalAdvance(lines[i]), width - 5) << lead;
        const QImage image = Paint();
        EXPECT_FALSE(HasNearColour(image, QRect(width - 5, 0, 5, cell->RowHeight(0)), QColor(255, 0, 0)))
            << lead;
    }
}

TEST_F(DayCellTest, RemeasuresWhenTheFontOrTheWidthChanges) {
    // Fitted bodies are remembered between reloads; none may outlive the
    // font or the cell width it was fitted for. A marker lead keeps the room
    // the same under both fonts.
    cell->AddEntry({"(E)", longBody, 0, 0, 0});
    const QString normal = cell->FittedBody(0);
    cell->SetEntryFont("Tahoma", 26, false);
    cell->Clear();
    cell->AddEntry({"(E)", longBody, 0, 0, 0});
    const QString large = cell->FittedBody(0);
    EXPECT_LT(large.size(), normal.size());
    EXPECT_LE(Metrics().horizontalAdvance(large), 160 - (3 + 10));

    cell->SetRect(0, 0, 320, 120);
    cell->Clear();
    cell->AddEntry({"(E)", longBody, 0, 0, 0});
    EXPECT_GT(cell->FittedBody(0).size(), large.size());
}

TEST_F(DayCellTest, DrawsMarkersAndMarksAsPictures) {
    cell->AddEntry({"(NULL)", "", 0, 0, 0});
    cell->AddEntry({"(T2)", "xxxx", 0x0000FF, 0, kMarkRecurring});
    const int h = Metrics().height();
    QImage image = Paint();
    EXPECT_TRUE(HasColour(image, QRect(2, 0, 9, h), SquareColour(106)));  // selected variant
    EXPECT_TRUE(HasColour(image, QRect(2, h, 9, h), SquareColour(108)));
    EXPECT_TRUE(HasColour(image, QRect(12, h, 60, h), SquareColour(kPictureRecurrence)));
    EXPECT_TRUE(HasNearColour(image, QRect(12, h, 40, h), QColor(255, 0, 0)));  // the red body

    cell->SetSelectedIndex(1);
    image = Paint();
    EXPECT_TRUE(HasColour(image, QRect(2, 0, 9, h), SquareColour(105)));
    EXPECT_TRUE(HasColour(image, QRect(2, h, 9, h), SquareColour(109)));

    // The marks of a wrapped entry follow its last line.
    cell->Clear();
    cell->SetMultiline(true);
    cell->AddEntry({"9:30", longBody, 0, 0, kMarkNotes});
    const int rows = cell->RowHeight(0) / h;
    ASSERT_GE(rows, 2);
    const auto [top, bottom] = RowsWithColour(Paint(), SquareColour(kPictureNotes));
    EXPECT_GE(top, (rows - 1) * h);
    EXPECT_LT(bottom, rows * h);
}

TEST_F(DayCellTest, DrawsWithoutPictures) {
    cell->SetPictures(nullptr);
    cell->AddEntry({"(E)", "holiday", 0, 0, kMarkNotes});
    cell->AddEntry({"<<", longBody, 0, 0, kMarkReminder});
    EXPECT_TRUE(cell->FittedBody(1).endsWith("..."));
    const QImage image = Paint();
    EXPECT_TRUE(HasNearColour(image, QRect(0, 0, 160, Metrics().height()), Qt::black));
}

TEST_F(DayCellTest, HeaderBoxSitsInTheCornerOverTheEntries) {
    for (int i = 0; i < 20; ++i) cell->AddEntry({"8:00", longBody, 0, 0, 0});
    const DayCellHeader sunday{"18", "Su", 0x6746E9, 0xBBA0FA, 0x8965FC};
    cell->SetHeader(sunday);
    EXPECT_EQ(cell->HeaderBox(), QRect(122, 108, 38, 12));
    const QImage image = Paint();
    EXPECT_EQ(image.pixelColor(130, 108), ColorFromRef(sunday.edge));
    EXPECT_EQ(image.pixelColor(122, 115), ColorFromRef(sunday.edge));
    EXPECT_EQ(image.pixelColor(123, 114), ColorFromRef(sunday.upper));  // (100 * 12) / 192 = 6 rows
    EXPECT_EQ(image.pixelColor(123, 115), ColorFromRef(sunday.lower));
    EXPECT_EQ(image.pixelColor(159, 119), ColorFromRef(sunday.lower));
    EXPECT_TRUE(HasNearColour(image, QRect(124, 109, 13, 11), Qt::white));  // the date
    EXPECT_TRUE(HasNearColour(image, QRect(137, 109, 23, 11), Qt::white));  // the weekday
}

// The columns and rows of the header box that hold white text.
QRect WhiteInk(const QImage& image, QRect box) {
    QRect ink;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixelColor(x, y).lightness() > 200) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(DayCellTest, DateWithItsMonthStaysReadableBesideTheWeekday) {
    cell->SetHeaderFont("Tahoma", 9, false);
    const QRect box = cell->HeaderBox().adjusted(1, 1, 0, 0);
    auto paint = [&](const char* date, const char* weekday) {
        cell->SetHeader({date, weekday, 0x787878, 0xBBBBBB, 0x999999});
        return Paint().copy(box);
    };
    // The date wide and tall enough to read, not squeezed into the box's
    // 13-pixel date part, and the weekday beside it, not over it.
    const QImage dateAlone = paint("12/21", "");
    const QImage both = paint("12/21", "Mo");
    const QRect date = WhiteInk(dateAlone, dateAlone.rect());
    EXPECT_GE(date.width(), 17);
    EXPECT_GE(date.height(), 5);
    const QRect dateColumns(0, 0, date.right() + 2, box.height());
    EXPECT_EQ(both.copy(dateColumns), dateAlone.copy(dateColumns));
    EXPECT_GT(WhiteInk(both, both.rect()).right(), date.right() + 2);
    // A plain day keeps the date part of the box.
    const QImage plain = paint("21", "Mo");
    EXPECT_LT(WhiteInk(plain, plain.rect()).left(), 15);
}

TEST(DayCellDensityTest, HeaderBoxScalesAt192Dpi) {
    EnsureTestApplication();
    DensityScope density(192, 192);
    TestHost host;
    TestView view(host);
    CDayCellPart cell(view);
    cell.SetRect(0, 0, 320, 240);
    cell.SetHeader({"3/1", "Sa", 0xE94665, 0xFDB3AA, 0xFF8181});
    EXPECT_EQ(cell.HeaderBox(), QRect(244, 216, 76, 24));
    PaintToImage(cell, QSize(320, 240));
    const QImage& image = cell.OffscreenImage();
    EXPECT_EQ(image.pixelColor(250, 216), ColorFromRef(0xE94665));
    EXPECT_EQ(image.pixelColor(245, 228), ColorFromRef(0xFDB3AA));  // (196 * 12) / 192 = 12 rows
    EXPECT_EQ(image.pixelColor(245, 229), ColorFromRef(0xFF8181));
}

}  // namespace

#include <gtest/gtest.h>

#include <QTest>

#include "tests/views/ViewTestSupport.h"

namespace {

constexpr QRgb kRowColour = 0xFF707070;
constexpr QRgb kSelectedColour = 0xFFFF0000;

// Rows of fixed heights, each filled with one colour so that paint is visible.
class FixedRowList : public CCellListPart {
public:
    using CCellListPart::CCellListPart;
    std::vector<int> heights;
    void Add(int height) {
        heights.push_back(height);
        AppendRow();
    }

protected:
    void OnCleared() override { heights.clear(); }
    int MeasureRow(int index) override { return heights[static_cast<size_t>(index)]; }
    void DrawRow(QPainter& dc, int, int y, bool selected) override {
        dc.fillRect(0, y, Width(), 1, QColor(kRowColour));  // a rule at the row's top
        if (selected) dc.fillRect(0, y + 1, Width(), 2, QColor(kSelectedColour));
    }
};

class CellListTest : public ViewTestBase {
protected:
    void SetUp() override {
        view = std::make_unique<TestView>(host);
        list = std::make_unique<FixedRowList>(*view);
        list->SetRect(10, 20, 100, 100);
        view->list = list.get();
        view->parts.push_back(list.get());
        view->resize(200, 200);
    }
    void AddRows(int count, int height) {
        for (int i = 0; i < count; ++i) list->Add(height);
    }
    QPoint At(int x, int y) const { return list->Rect().topLeft() + QPoint(x, y); }

    DensityScope density{96, 96};
    TestHost host;
    std::unique_ptr<TestView> view;
    std::unique_ptr<FixedRowList> list;
};

TEST_F(CellListTest, PenAndArrowKeysMoveTheSelectionAndReportLeavingTheList) {
    EXPECT_EQ(list->PenDown(5, 5), kListUnchanged);  // empty: nothing to select
    EXPECT_EQ(list->GetSelectedIndex(), -1);
    AddRows(3, 30);
    EXPECT_EQ(list->GetSelectedIndex(), 0);  // the first row added is selected

    view->show();
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, At(50, 65));
    EXPECT_EQ(view->lastMove, kListMoved);
    EXPECT_EQ(list->GetSelectedIndex(), 2);
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, At(50, 62));
    EXPECT_EQ(view->lastMove, kListUnchanged);
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, At(50, 10));
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, At(50, 95));  // below every row: the last
    EXPECT_EQ(list->GetSelectedIndex(), 2);

    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(view->lastMove, kListLeftBelow);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->lastMove, kListMoved);
    QTest::keyClick(view.get(), 'r');
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->lastMove, kListLeftAbove);
    QTest::keyClick(view.get(), 'C');
    EXPECT_EQ(list->GetSelectedIndex(), 1);

    list->Clear();
    EXPECT_EQ(list->GetSelectedIndex(), -1);
    EXPECT_EQ(list->MoveSelection(Qt::Key_Down), kListLeftBelow);
}

TEST_F(CellListTest, SelectionIsKeptVisible) {
    AddRows(10, 30);
    list->SetSelectedIndex(5);
    EXPECT_EQ(list->FirstVisible(), 3);  // rows 3-5 fill 90 of 100 pixels
    list->SetSelectedIndex(1);
    EXPECT_EQ(list->FirstVisible(), 1);
    list->SetSelectedIndex(99);
    EXPECT_EQ(list->GetSelectedIndex(), 9);
    EXPECT_EQ(list->FirstVisible(), 7);

    // A row taller than the list is shown from its top.
    list->Clear();
    list->Add(30);
    list->Add(150);
    list->Add(30);
    list->SetSelectedIndex(1);
    EXPECT_EQ(list->FirstVisible(), 1);
    list->SetSelectedIndex(2);
    EXPECT_EQ(list->FirstVisible(), 2);
}

TEST_F(CellListTest, PageMovesGoOneScreenAtATime) {
    AddRows(10, 30);
    view->show();
    QTest::keyClick(view.get(), Qt::Key_PageDown);  // to the last visible row
    EXPECT_EQ(list->GetSelectedIndex(), 3);
    EXPECT_EQ(list->FirstVisible(), 1);
    EXPECT_EQ(list->LastVisible(), 4);
    QTest::keyClick(view.get(), Qt::Key_PageDown);  // a screen on from the bottom row
    EXPECT_EQ(list->GetSelectedIndex(), 6);
    EXPECT_EQ(list->FirstVisible(), 4);
    QTest::keyClick(view.get(), Qt::Key_PageUp);  // to the top row
    EXPECT_EQ(list->GetSelectedIndex(), 4);
    QTest::keyClick(view.get(), Qt::Key_PageUp);  // a screen back
    EXPECT_EQ(list->GetSelectedIndex(), 1);
    EXPECT_EQ(list->FirstVisible(), 1);
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    EXPECT_EQ(list->GetSelectedIndex(), 0);
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    EXPECT_EQ(view->lastMove, kListUnchanged);
    list->SetSelectedIndex(9);
    EXPECT_EQ(list->MoveSelection(kListPageDown), kListUnchanged);

    // Rows taller than the list still advance one by one.
    list->Clear();
    AddRows(3, 150);
    EXPECT_EQ(list->MoveSelection(kListPageDown), kListMoved);
    EXPECT_EQ(list->GetSelectedIndex(), 1);
    EXPECT_EQ(list->MoveSelection(kListPageUp), kListMoved);
    EXPECT_EQ(list->GetSelectedIndex(), 0);
}

TEST_F(CellListTest, DraggingScrollsByWholeRowsWithinTheUsefulRange) {
    AddRows(10, 30);
    view->show();
    QTest::mousePress(view.get(), Qt::LeftButton, {}, At(50, 65));
    EXPECT_EQ(list->GetSelectedIndex(), 2);
    EXPECT_TRUE(list->IsDragging());
    QTest::mouseMove(view.get(), At(50, 30));  // 35 up: one row
    EXPECT_EQ(list->FirstVisible(), 1);
    QTest::mouseMove(view.get(), At(50, 0));  // 35 more: another row
    EXPECT_EQ(list->FirstVisible(), 2);
    QTest::mouseMove(view.get(), At(50, 80));  // 80 down: two rows back
    EXPECT_EQ(list->FirstVisible(), 0);
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, At(50, 80));
    EXPECT_FALSE(list->IsDragging());
    list->PenMove(50, -500);
    EXPECT_EQ(list->FirstVisible(), 0);

    // Never past the row from which the rest just fits.
    list->PenDown(50, 95);
    list->PenMove(50, -1000);
    EXPECT_EQ(list->FirstVisible(), 7);
    list->PenMove(50, 5000);
    EXPECT_EQ(list->FirstVisible(), 0);
    list->PenUp();
}

TEST_F(CellListTest, PaintDrawsRowsSelectionAndScrollBarOffscreen) {
    list->SetBackground(0xFFFFFF);
    AddRows(3, 30);
    QImage shown = PaintToImage(*list, view->size());
    EXPECT_FALSE(list->HasScrollBar());
    const QImage& image = list->OffscreenImage();
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(image.pixel(50, 1), kSelectedColour);
    EXPECT_EQ(image.pixel(50, 30), kRowColour);
    EXPECT_EQ(image.pixel(50, 95), 0xFFFFFFFFu);
    EXPECT_EQ(shown.pixel(10 + 50, 20 + 1), kSelectedColour);  // copied at the list's place

    // Without the focus flag the selection is not drawn.
    list->SetFocusFlag(false);
    PaintToImage(*list, view->size());
    EXPECT_EQ(list->OffscreenImage().pixel(50, 1), 0xFFFFFFFFu);
    list->SetFocusFlag(true);

    // 300 pixels of rows in 100: thumb of 99 * 99 / 300 = 32, strip of 5.
    AddRows(7, 30);
    PaintToImage(*list, view->size());
    EXPECT_TRUE(list->HasScrollBar());
    const QRgb thumb = 0xFFAAAAAA;
    EXPECT_EQ(list->OffscreenImage().pixel(97, 10), thumb);
    EXPECT_EQ(list->OffscreenImage().pixel(96, 31), thumb);
    EXPECT_EQ(list->OffscreenImage().pixel(96, 32), 0xFFFFFFFFu);
    EXPECT_EQ(list->OffscreenImage().pixel(95, 30), 0xFFFFFFFFu);  // strip over the rows
    // Scrolled by three rows: the thumb starts at 99 * 90 / 300 + 1 = 30.
    list->SetSelectedIndex(5);
    PaintToImage(*list, view->size());
    EXPECT_EQ(list->OffscreenImage().pixel(97, 29), 0xFFFFFFFFu);
    EXPECT_EQ(list->OffscreenImage().pixel(97, 60), thumb);
    EXPECT_EQ(list->OffscreenImage().pixel(97, 61), 0xFFFFFFFFu);
}

}  // namespace

// The scrolling list of the views (each day cell of the week view, the
// anniversary list): rows of measured heights, one selected row kept visible,
// page moves, dragging with the pen and a thin scroll bar. Subclasses own the
// row data, measure and draw one row, and draw a header over the rows.
#pragma once

#include <vector>

#include "views/ViewPart.h"

// Move codes besides the arrow keys and their letters ("R"/"r" up, "C"/"c" down).
inline constexpr int kListPageUp = 209;
inline constexpr int kListPageDown = 210;

// Results of MoveSelection and PenDown.
enum ListMoveResult {
    kListUnchanged = 0,
    kListLeftAbove = 1,  // the move would leave above the first row
    kListLeftBelow = 2,  // the move would leave below the last row
    kListMoved = 3,      // the selection changed
};

class CCellListPart : public CViewPart {
public:
    explicit CCellListPart(CViewEx& owner);

    // Deletes every row; no selection, scrolled to the top.
    void Clear();
    int Count() const { return static_cast<int>(m_rows.size()); }

    int GetSelectedIndex() const { return m_selected; }
    // Ignored for a negative index or an empty list; clamped to the last row.
    void SetSelectedIndex(int index);
    // Up: Qt::Key_Up, 'R', 'r'; down: Qt::Key_Down, 'C', 'c'; kListPageUp, kListPageDown.
    int MoveSelection(int code);

    // Pen events in the list's own coordinates. PenDown returns kListMoved when
    // the selection changed, else kListUnchanged.
    int PenDown(int x, int y);
    void PenMove(int x, int y);
    void PenUp();
    bool IsDragging() const { return m_dragging; }

    // The sum of all row heights (measures what is not measured yet).
    int NeededHeight();
    int RowHeight(int index);
    int FirstVisible() const { return m_first; }
    int LastVisible() const { return m_last; }
    bool HasScrollBar() const { return m_hasScrollBar; }
    // Width of the scroll bar's strip along the right edge, at 96 dpi.
    static constexpr int kScrollStripWidth = 5;

    // The selected row is drawn as selected only while the list has the focus.
    void SetFocusFlag(bool focus);
    bool HasFocusFlag() const { return m_focus; }
    void SetBackground(ColorRef colour);
    ColorRef Background() const { return m_background; }

    void Paint(QPainter& dc) override;

protected:
    // Appends a row for data the subclass has just stored; the first row added
    // becomes the selected one.
    void AppendRow();
    // Every row is measured again before it is next used (font, width or
    // wrapping changed).
    void InvalidateMeasures();
    virtual int MeasureRow(int index) = 0;
    virtual void DrawRow(QPainter& dc, int index, int y, bool selected) = 0;
    virtual void DrawHeader(QPainter& dc);
    virtual void OnCleared() {}
    void OnResized() override;

private:
    struct RowState {
        int height = 0;
        bool measured = false;
    };

    void MeasureAll();
    void KeepSelectionVisible();
    void UpdateLastVisible();
    // The smallest first row from which rows first..last all fit (last alone
    // when it is taller than the list).
    int FirstRowShowing(int last);
    int LargestUsefulFirst();
    int SumHeights(int from, int to);  // rows from..to inclusive
    bool Select(int index);
    void DrawScrollBar(QPainter& dc);

    std::vector<RowState> m_rows;
    int m_first = 0;
    int m_last = 0;
    int m_selected = -1;
    bool m_focus = true;
    ColorRef m_background = kWhite;
    bool m_hasScrollBar = false;
    bool m_dragging = false;
    int m_dragOrigin = 0;
};

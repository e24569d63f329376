#include "views/CellListPart.h"

#include <QPainter>
#include <cstdlib>

CCellListPart::CCellListPart(CViewEx& owner) : CViewPart(owner) {}

void CCellListPart::Clear() {
    m_rows.clear();
    m_selected = -1;
    m_first = 0;
    m_last = 0;
    m_dragging = false;
    OnCleared();
}

void CCellListPart::AppendRow() {
    m_rows.push_back(RowState{});
    if (m_rows.size() == 1) m_selected = 0;
    Invalidate();
}

void CCellListPart::InvalidateMeasures() {
    for (RowState& row : m_rows) row.measured = false;
}

void CCellListPart::OnResized() { InvalidateMeasures(); }

void CCellListPart::MeasureAll() {
    for (int i = 0; i < Count(); ++i) {
        if (m_rows[i].measured) continue;
        m_rows[i].height = std::max(0, MeasureRow(i));
        m_rows[i].measured = true;
    }
}

int CCellListPart::RowHeight(int index) {
    if (index < 0 || index >= Count()) return 0;
    MeasureAll();
    return m_rows[index].height;
}

int CCellListPart::NeededHeight() { return SumHeights(0, Count() - 1); }

int CCellListPart::SumHeights(int from, int to) {
    MeasureAll();
    int sum = 0;
    for (int i = std::max(0, from); i <= to && i < Count(); ++i) sum += m_rows[i].height;
    return sum;
}

int CCellListPart::FirstRowShowing(int last) {
    int first = last;
    int sum = m_rows[last].height;
    while (first > 0 && sum + m_rows[first - 1].height <= Height()) {
        --first;
        sum += m_rows[first].height;
    }
    return first;
}

int CCellListPart::LargestUsefulFirst() {
    if (m_rows.empty()) return 0;
    MeasureAll();
    // Rows from the answer to the end all fit; a single row taller than the
    // list is still reachable.
    int first = Count();
    int sum = 0;
    while (first > 0 && sum + m_rows[first - 1].height <= Height()) {
        --first;
        sum += m_rows[first].height;
    }
    return std::min(first, Count() - 1);
}

void CCellListPart::UpdateLastVisible() {
    m_last = m_first;
    int top = 0;
    for (int i = m_first; i < Count() && top < Height(); ++i) {
        m_last = i;
        top += m_rows[i].height;
    }
}

void CCellListPart::KeepSelectionVisible() {
    MeasureAll();
    if (m_rows.empty()) return;
    m_first = std::clamp(m_first, 0, Count() - 1);
    if (m_selected >= 0 && m_selected < Count()) {
        if (m_selected < m_first)
            m_first = m_selected;
        else if (SumHeights(m_first, m_selected) > Height())
            m_first = FirstRowShowing(m_selected);
    }
    UpdateLastVisible();
}

bool CCellListPart::Select(int index) {
    if (index == m_selected) return false;
    m_selected = index;
    KeepSelectionVisible();
    Invalidate();
    return true;
}

void CCellListPart::SetSelectedIndex(int index) {
    if (index < 0 || m_rows.empty()) return;
    Select(std::min(index, Count() - 1));
}

int CCellListPart::MoveSelection(int code) {
    // Page moves start from what the next paint would show.
    KeepSelectionVisible();
    switch (code) {
    case Qt::Key_Up:
    case 'R':
    case 'r':
        if (m_selected <= 0) return kListLeftAbove;
        Select(m_selected - 1);
        return kListMoved;
    case Qt::Key_Down:
    case 'C':
    case 'c':
        if (m_selected >= Count() - 1) return kListLeftBelow;
        Select(m_selected + 1);
        return kListMoved;
    case kListPageUp: {
        if (m_selected < 1) return kListUnchanged;
        if (m_selected > m_first) return Select(m_first) ? kListMoved : kListUnchanged;
        // The selection is the top row: back over one screen of rows above it.
        int target = m_first - 1;
        int sum = m_rows[target].height;
        while (target > 0 && sum + m_rows[target - 1].height < Height()) {
            --target;
            sum += m_rows[target].height;
        }
        return Select(target) ? kListMoved : kListUnchanged;
    }
    case kListPageDown: {
        if (m_selected < 0 || m_selected >= Count() - 1) return kListUnchanged;
        if (m_selected < m_last - 1) return Select(m_last) ? kListMoved : kListUnchanged;
        // On over one screen of rows from the bottom one; always at least one
        // row on, or rows taller than the list would never be passed.
        int target = m_last;
        int sum = m_rows[target].height;
        while (target + 1 < Count() && sum + m_rows[target + 1].height < Height()) {
            ++target;
            sum += m_rows[target].height;
        }
        target = std::clamp(target, m_selected + 1, Count() - 1);
        return Select(target) ? kListMoved : kListUnchanged;
    }
    default:
        return kListUnchanged;
    }
}

int CCellListPart::PenDown(int x, int y) {
    m_dragOrigin = y;
    m_dragging = true;
    if (m_rows.empty()) return kListUnchanged;
    MeasureAll();
    int hit = Count() - 1;
    if (x < Width()) {
        int top = 0;
        for (int i = m_first; i < Count(); ++i) {
            if (y >= top && y < top + m_rows[i].height) {
                hit = i;
                break;
            }
            top += m_rows[i].height;
        }
    }
    return Select(hit) ? kListMoved : kListUnchanged;
}

void CCellListPart::PenMove(int /*x*/, int y) {
    if (!m_dragging || m_rows.empty()) return;
    MeasureAll();
    if (y >= m_dragOrigin) {
        while (m_first > 0 && std::abs(y - m_dragOrigin) > m_rows[m_first - 1].height) {
            --m_first;
            m_dragOrigin += m_rows[m_first].height;
        }
    } else {
        const int largest = LargestUsefulFirst();
        while (m_first < largest && std::abs(y - m_dragOrigin) > m_rows[m_first].height) {
            m_dragOrigin -= m_rows[m_first].height;
            ++m_first;
        }
    }
    UpdateLastVisible();
    Invalidate();
}

void CCellListPart::PenUp() { m_dragging = false; }

void CCellListPart::SetFocusFlag(bool focus) {
    if (focus == m_focus) return;
    m_focus = focus;
    Invalidate();
}

void CCellListPart::SetBackground(ColorRef colour) {
    if (colour == m_background) return;
    m_background = colour;
    Invalidate();
}

void CCellListPart::Paint(QPainter& dc) {
    if (Rect().isEmpty()) return;
    QImage& image = BeginOffscreen(m_background);
    QPainter painter(&image);
    m_hasScrollBar = false;
    if (!m_rows.empty()) {
        KeepSelectionVisible();
        int y = 0;
        for (int i = m_first; i < Count() && y < Height(); ++i) {
            DrawRow(painter, i, y, m_focus && i == m_selected);
            y += m_rows[i].height;
        }
        if (NeededHeight() > Height()) DrawScrollBar(painter);
    }
    DrawHeader(painter);
    painter.end();
    CopyOffscreen(dc);
}

void CCellListPart::DrawScrollBar(QPainter& dc) {
    m_hasScrollBar = true;
    const int w = Width();
    const int h = Height();
    const float total = static_cast<float>(NeededHeight());
    const float above = static_cast<float>(SumHeights(0, m_first - 1));
    const int top = static_cast<int>(static_cast<float>(h - 1) * above / total);
    const int length = static_cast<int>(static_cast<float>(h - 1) * static_cast<float>(h - 1) / total);
    FillBox(dc, w - S(kScrollStripWidth, Axis::X), 0, S(kScrollStripWidth, Axis::X), h, m_background, kFillSolid);
    const int thumbLeft = w - S(4, Axis::X);
    const int thumbTop = top + S(1, Axis::Y);
    FillBox(dc, thumbLeft, thumbTop, (w - S(1, Axis::X)) - thumbLeft, (top + length) - thumbTop,
            0xAAAAAA, kFillSolid);
}

void CCellListPart::DrawHeader(QPainter& /*dc*/) {}

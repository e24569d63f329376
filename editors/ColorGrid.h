// The colour chooser's grid: 18 columns and 13 rows of square cells. Rows
// 0-11 hold the 216 colours of six levels per channel in six 6 x 6 blocks,
// row 12 sixteen greys, a fixed dark grey and the colour passed in.
#pragma once

#include <QRect>

#include <array>
#include <cstdint>

inline constexpr int kColorGridColumns = 18;
inline constexpr int kColorGridRows = 13;
inline constexpr int kColorGridCells = kColorGridColumns * kColorGridRows;
inline constexpr int kColorGridLastRow = kColorGridRows - 1;
inline constexpr int kPassedColorColumn = 17;
// Row 12, column 16: between the greys and the passed-in colour, the
// "dimgray" of the web palette, a grey the 0x11 steps miss.
inline constexpr int kFixedColorColumn = 16;
inline constexpr uint32_t kFixedGridColor = 0x696969;

struct ColorCell {
    uint32_t color = 0;  // COLORREF 0x00BBGGRR
    QRect rect;
};

class ColorGrid {
public:
    // Lays the grid out for a client area of that size around `passedIn`.
    ColorGrid(QSize client, uint32_t passedIn);

    static int IndexOf(int column, int row) { return column * kColorGridRows + row; }
    const ColorCell& Cell(int column, int row) const { return m_cells[IndexOf(column, row)]; }
    int CellSize() const { return m_cellSize; }

    // The first cell in row order holding the colour, else the passed-in cell.
    QPoint FindColor(uint32_t color) const;
    // The cell whose box holds the point, or (-1, -1).
    QPoint CellAt(QPoint point) const;
    // One step with wrap-around (dx, dy in -1..1).
    static QPoint Step(QPoint cell, int dx, int dy);

private:
    std::array<ColorCell, kColorGridCells> m_cells{};
    int m_cellSize = 0;
};

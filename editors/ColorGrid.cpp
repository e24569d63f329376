#include "editors/ColorGrid.h"

#include <algorithm>

namespace {

constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) { return red | (green << 8) | (blue << 16); }

uint32_t CubeColor(int column, int row)
{
    const int block = (row / 6) * 3 + column / 6;
    const uint32_t blue = 0xFF - 0x33 * static_cast<uint32_t>(block);
    const uint32_t green = 0xFF - 0x33 * static_cast<uint32_t>(column % 6);
    const uint32_t red = 0xFF - 0x33 * static_cast<uint32_t>(row % 6);
    return Rgb(red, green, blue);
}

uint32_t LastRowColor(int column, uint32_t passedIn)
{
    if (column == kPassedColorColumn)
        return passedIn;
    if (column == kFixedColorColumn)
        return kFixedGridColor;
    const uint32_t level = 0x11 * static_cast<uint32_t>(column);
    return Rgb(level, level, level);
}

}  // namespace

ColorGrid::ColorGrid(QSize client, uint32_t passedIn)
{
    m_cellSize = client.width() / 20;
    if (14 * m_cellSize > client.height())
        m_cellSize = client.height() / 14;
    m_cellSize = std::max(m_cellSize, 1);
    const int left = (client.width() - kColorGridColumns * m_cellSize) / 2;
    const int top = m_cellSize / 2;
    for (int column = 0; column < kColorGridColumns; ++column) {
        for (int row = 0; row < kColorGridRows; ++row) {
            ColorCell& cell = m_cells[IndexOf(column, row)];
            cell.color = row < kColorGridLastRow ? CubeColor(column, row) : LastRowColor(column, passedIn);
            cell.rect = QRect(left + column * m_cellSize, top + row * m_cellSize, m_cellSize, m_cellSize);
        }
    }
}

QPoint ColorGrid::FindColor(uint32_t color) const
{
    for (int row = 0; row < kColorGridRows; ++row) {
        for (int column = 0; column < kColorGridColumns; ++column) {
            if (Cell(column, row).color == color)
                return {column, row};
        }
    }
    return {kPassedColorColumn, kColorGridLastRow};
}

QPoint ColorGrid::CellAt(QPoint point) const
{
    for (int column = 0; column < kColorGridColumns; ++column) {
        for (int row = 0; row < kColorGridRows; ++row) {
            if (Cell(column, row).rect.contains(point))
                return {column, row};
        }
    }
    return {-1, -1};
}

QPoint ColorGrid::Step(QPoint cell, int dx, int dy)
{
    return {(cell.x() + dx + kColorGridColumns) % kColorGridColumns, (cell.y() + dy + kColorGridRows) % kColorGridRows};
}

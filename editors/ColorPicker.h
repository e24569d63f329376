// "색상선택": the item colour chooser over the whole client area. The caller
// sets the colour, runs the dialog and after result 1 reads the colour back.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "editors/ColorGrid.h"
#include "platform/shell/DeviceDialog.h"

struct Settings;

class CColorPicker : public CDeviceDialog {
    Q_OBJECT

public:
    CColorPicker(QWidget* owner, const Settings& settings);

    void SetSelectedColor(uint32_t color);
    uint32_t SelectedColor() const { return m_selected; }
    // The current cell (column, row); the grid follows the client's size.
    QPoint CurrentCell() const { return m_current; }
    const ColorGrid& Grid() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(QPoint cell);
    void PaintGrid(QPainter& painter) const;

    uint32_t m_selected = 0;
    uint32_t m_passedIn = 0;
    QPoint m_current{kPassedColorColumn, kColorGridLastRow};
    mutable std::unique_ptr<ColorGrid> m_grid;
    mutable QSize m_gridFor;
};

// Runs the picker from `color`; the chosen colour, nothing when cancelled.
std::optional<uint32_t> RunColorPicker(QWidget* owner, const Settings& settings, uint32_t color);

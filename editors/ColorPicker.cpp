#include "editors/ColorPicker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "resources/DialogCommands.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "platform/shell/ColorRef.h"

CColorPicker::CColorPicker(QWidget* owner, const Settings& settings)
    : CDeviceDialog(owner, QSize(156, 177), Placement::FullScreen)
{
    setWindowTitle(LoadString(IDS_COLOR_PICKER_TITLE));
    setObjectName(QStringLiteral("colorPicker"));
    SetOkCancelCommands(*this, settings.m_UseSoftKey != 0);
    Client()->installEventFilter(this);
    Client()->setFocusPolicy(Qt::StrongFocus);
    Client()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusProxy(Client());
}

void CColorPicker::SetSelectedColor(uint32_t color)
{
    m_selected = color;
    m_passedIn = color;
    m_grid.reset();
    m_current = Grid().FindColor(color);
    Client()->update();
}

const ColorGrid& CColorPicker::Grid() const
{
    if (!m_grid || m_gridFor != Client()->size()) {
        m_gridFor = Client()->size();
        m_grid = std::make_unique<ColorGrid>(m_gridFor, m_passedIn);
    }
    return *m_grid;
}

void CColorPicker::Choose(QPoint cell)
{
    m_current = cell;
    m_selected = Grid().Cell(cell.x(), cell.y()).color;
    Client()->update();
}

void CColorPicker::PaintGrid(QPainter& painter) const
{
    const ColorGrid& grid = Grid();
    painter.fillRect(Client()->rect(), Qt::black);
    for (int column = 0; column < kColorGridColumns; ++column) {
        for (int row = 0; row < kColorGridRows; ++row) {
            const ColorCell& cell = grid.Cell(column, row);
            painter.fillRect(cell.rect.adjusted(1, 1, -1, -1), ColorFromRef(cell.color));
        }
    }
    const QRect current = grid.Cell(m_current.x(), m_current.y()).rect;
    painter.setPen(Qt::white);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(current.adjusted(0, 0, -1, -1));
}

bool CColorPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Client())
        return CDeviceDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(Client());
        PaintGrid(painter);
        return true;
    }
    case QEvent::MouseButtonPress: {
        const QPoint cell = Grid().CellAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (cell.x() >= 0)
            Choose(cell);
        return true;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int dx = key == Qt::Key_Left ? -1 : (key == Qt::Key_Right ? 1 : 0);
        const int dy = key == Qt::Key_Up ? -1 : (key == Qt::Key_Down ? 1 : 0);
        if (dx == 0 && dy == 0)
            return false;
        Choose(ColorGrid::Step(m_current, dx, dy));
        return true;
    }
    default:
        return false;
    }
}

std::optional<uint32_t> RunColorPicker(QWidget* owner, const Settings& settings, uint32_t color)
{
    CColorPicker picker(owner, settings);
    picker.SetSelectedColor(color);
    if (picker.exec() != kDialogResultSaved)
        return std::nullopt;
    return picker.SelectedColor();
}

#include "platform/shell/PopupMenu.h"

#include <QMenu>

int ShowPopupMenu(QWidget* parent, const MenuDesc& items, QPoint globalPos, PopupCorner corner)
{
    QMenu menu(parent);
    FillMenu(menu, items);
    if (corner == PopupCorner::BottomLeft)
        globalPos -= QPoint(0, menu.sizeHint().height());
    return CommandIdOf(menu.exec(globalPos));
}

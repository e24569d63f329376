// Popup menus shown at a point, and the runner type through which windows
// show them, so that tests can answer a menu without a user.
#pragma once

#include <QPoint>

#include <functional>

#include "platform/shell/MenuDesc.h"

class QWidget;

// Which corner of the menu sits on the point: the top-left one (a menu at the
// pen), or the bottom-left one (a menu rising from a button of the row).
enum class PopupCorner { TopLeft, BottomLeft };

// Shows the items as a popup menu of `parent` and waits for the choice; the
// chosen command id, 0 when the menu was dismissed.
int ShowPopupMenu(QWidget* parent, const MenuDesc& items, QPoint globalPos, PopupCorner corner);

using PopupMenuRunner =
    std::function<int(QWidget* parent, const MenuDesc& items, QPoint globalPos, PopupCorner corner)>;

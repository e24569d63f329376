#include "platform/shell/MenuDesc.h"

#include <QAction>
#include <QMenu>

#include <utility>

MenuItem MenuItem::Command(QString caption, int commandId, bool isCheckable)
{
    MenuItem item;
    item.text = std::move(caption);
    item.id = commandId;
    item.checkable = isCheckable;
    return item;
}

MenuItem MenuItem::Popup(QString caption, std::vector<MenuItem> items, int keyId)
{
    MenuItem item;
    item.text = std::move(caption);
    item.id = keyId;
    item.popup = std::move(items);
    return item;
}

MenuItem MenuItem::Separator() { return MenuItem{}; }

MenuItem MenuItem::Disabled() const
{
    MenuItem item = *this;
    item.enabled = false;
    return item;
}

void FillMenu(QMenu& menu, const MenuDesc& items)
{
    for (const MenuItem& item : items) {
        if (item.IsSeparator()) {
            menu.addSeparator();
        } else if (item.IsPopup()) {
            QMenu* submenu = menu.addMenu(item.text);
            submenu->setEnabled(item.enabled);
            FillMenu(*submenu, item.popup);
        } else {
            QAction* action = menu.addAction(item.text);
            action->setData(item.id);
            action->setCheckable(item.checkable);
            action->setEnabled(item.enabled);
        }
    }
}

void ReplaceMenu(QMenu& menu, const MenuDesc& items)
{
    // Submenus made by FillMenu are children of the menu; clear() keeps them.
    for (QAction* action : menu.actions()) {
        if (QMenu* submenu = action->menu(); submenu != nullptr && submenu->parent() == &menu)
            submenu->deleteLater();
    }
    menu.clear();
    FillMenu(menu, items);
}

int CommandIdOf(const QAction* action)
{
    if (action == nullptr || action->menu() != nullptr)
        return 0;
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok ? id : 0;
}

QAction* FindCommand(const QMenu& menu, int commandId)
{
    for (QAction* action : menu.actions()) {
        if (const QMenu* submenu = action->menu()) {
            if (QAction* found = FindCommand(*submenu, commandId))
                return found;
        } else if (CommandIdOf(action) == commandId && commandId != 0) {
            return action;
        }
    }
    return nullptr;
}

std::vector<int> CommandIdsOf(const QMenu& menu)
{
    std::vector<int> ids;
    for (const QAction* action : menu.actions()) {
        if (const QMenu* submenu = action->menu()) {
            const std::vector<int> inner = CommandIdsOf(*submenu);
            ids.insert(ids.end(), inner.begin(), inner.end());
        } else if (const int id = CommandIdOf(action); id != 0) {
            ids.push_back(id);
        }
    }
    return ids;
}

std::vector<int> CommandIdsOf(const MenuDesc& items)
{
    std::vector<int> ids;
    for (const MenuItem& item : items) {
        if (item.IsPopup()) {
            const std::vector<int> inner = CommandIdsOf(item.popup);
            ids.insert(ids.end(), inner.begin(), inner.end());
        } else if (!item.IsSeparator()) {
            ids.push_back(item.id);
        }
    }
    return ids;
}

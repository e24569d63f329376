// Menus as data: captions with numeric command ids, separators and
// submenus, built into QMenus whose actions carry the command id.
#pragma once

#include <QString>

#include <vector>

class QAction;
class QMenu;
class QPoint;
class QWidget;

struct MenuItem {
    QString text;                  // caption; empty with id 0 and no children: a separator
    int id = 0;                    // command id (for a submenu: the id of its key, or 0)
    std::vector<MenuItem> popup;   // non-empty: a submenu
    bool checkable = false;
    bool enabled = true;           // false: shown greyed, cannot be chosen

    static MenuItem Command(QString caption, int commandId, bool isCheckable = false);
    static MenuItem Popup(QString caption, std::vector<MenuItem> items, int keyId = 0);
    static MenuItem Separator();
    // The same item greyed out.
    MenuItem Disabled() const;

    bool IsSeparator() const { return text.isEmpty() && id == 0 && popup.empty(); }
    bool IsPopup() const { return !popup.empty(); }
};

using MenuDesc = std::vector<MenuItem>;

// Appends the items to the menu: commands become actions carrying their id
// (see CommandIdOf), popups become submenus owned by the menu.
void FillMenu(QMenu& menu, const MenuDesc& items);
// Empties the menu (its submenus too) and fills it again.
void ReplaceMenu(QMenu& menu, const MenuDesc& items);

// The command id an action carries, 0 for one that carries none.
int CommandIdOf(const QAction* action);
// The first action of the menu or its submenus with the command id, or null.
QAction* FindCommand(const QMenu& menu, int commandId);
// Every command id of the menu and its submenus, in menu order.
std::vector<int> CommandIdsOf(const QMenu& menu);
std::vector<int> CommandIdsOf(const MenuDesc& items);

#pragma once
// Builds a menu tree from a flat table in display order: level 1 items are
// menu-bar entries, deeper levels nest under the last item one level up, "-"
// is a separator. Every action and submenu carries its table name as
// objectName, so code and tests find it by name.

#include <QString>
#include <map>
#include <span>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace aerolune::ui {

struct MenuItemSpec {
    int level;
    const char* name;
    const char* caption;
    const char* shortcut = "";
    bool enabled = true;
    bool onMenuBar = true;  ///< false: a level-1 menu used only as a pop-up
    const char* tag = "";
};

struct MenuTree {
    std::map<QString, QAction*> actions;  ///< every item by name, submenus included
    std::map<QString, QMenu*> menus;      ///< every menu that has children, by name
};

MenuTree buildMenuTree(QMenuBar& bar, QWidget& owner, std::span<const MenuItemSpec> items);

}  // namespace aerolune::ui

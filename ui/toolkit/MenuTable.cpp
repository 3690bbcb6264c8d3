#include "ui/toolkit/MenuTable.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace aerolune::ui {

namespace {

bool hasChildren(std::span<const MenuItemSpec> items, std::size_t i) {
    return i + 1 < items.size() && items[i + 1].level > items[i].level;
}

}  // namespace

MenuTree buildMenuTree(QMenuBar& bar, QWidget& owner, std::span<const MenuItemSpec> items) {
    MenuTree tree;
    std::vector<QMenu*> parents;  // parents[k] holds the open menu of level k + 1
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItemSpec& item = items[i];
        parents.resize(static_cast<std::size_t>(item.level - 1));
        QMenu* parent = parents.empty() ? nullptr : parents.back();

        if (QString(item.caption) == "-") {
            if (parent) parent->addSeparator()->setObjectName(item.name);
            continue;
        }
        QAction* action = nullptr;
        if (hasChildren(items, i)) {
            auto* menu = new QMenu(QString(item.caption), parent ? static_cast<QWidget*>(parent) : &owner);
            menu->setObjectName(item.name);
            if (parent) {
                parent->addMenu(menu);
            } else if (item.onMenuBar) {
                bar.addMenu(menu);
            }
            action = menu->menuAction();
            tree.menus[item.name] = menu;
            parents.push_back(menu);
        } else {
            action = new QAction(QString(item.caption), parent ? static_cast<QObject*>(parent) : &owner);
            if (parent) {
                parent->addAction(action);
            } else if (item.onMenuBar) {
                bar.addAction(action);
            }
            if (*item.shortcut) {
                action->setShortcut(QKeySequence(QString(item.shortcut)));
                action->setShortcutContext(Qt::WindowShortcut);
                owner.addAction(action);
            }
        }
        action->setObjectName(item.name);
        action->setEnabled(item.enabled);
        action->setStatusTip(QString(item.tag));
        tree.actions[item.name] = action;
    }
    return tree;
}

}  // namespace aerolune::ui

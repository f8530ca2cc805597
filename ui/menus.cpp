#include "ui/menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kelvaro {

namespace {

QKeySequence keysOf(MenuShortcut shortcut) {
    const ShortcutKey key = shortcutKey(shortcut);
    if (key.ctrl && key.letter >= 'A' && key.letter <= 'Z')
        return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_A + (key.letter - 'A')));
    if (key.functionKey >= 1 && key.functionKey <= 35)
        return QKeySequence(static_cast<Qt::Key>(Qt::Key_F1 + (key.functionKey - 1)));
    return {};
}

// The captions hold no "&", so Qt finds no access key in them.
QMenu *addMenu(QWidget &parent, const MenuEntry &entry) {
    auto *menu = new QMenu(QString::fromUtf8(entry.caption), &parent);
    menu->setObjectName(QLatin1String(entry.name));
    menu->menuAction()->setObjectName(QLatin1String(entry.name));
    return menu;
}

void addItem(QMenu &menu, const MenuEntry &entry, const std::function<void(MenuCommand)> &choose) {
    QAction *item = menu.addAction(QString::fromUtf8(entry.caption));
    item->setObjectName(QLatin1String(entry.name));
    if (const QKeySequence shortcut = keysOf(entry.shortcut); !shortcut.isEmpty()) {
        item->setShortcut(shortcut);
        item->setShortcutContext(Qt::WindowShortcut);
    }
    if (entry.command != MenuCommand::None)
        QObject::connect(item, &QAction::triggered, &menu,
                         [choose, command = entry.command] { choose(command); });
    // The hyphen rows: greyed items, not separator bars.
    item->setEnabled(entry.enabled);
}

} // namespace

void buildMenuBar(QMenuBar &bar, const std::function<void(MenuCommand)> &choose) {
    const std::span<const MenuEntry> tree = menuTree();
    QMenu *menu = nullptr;
    QMenu *subMenu = nullptr;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const MenuEntry &entry = tree[i];
        const bool opensSubMenu = i + 1 < tree.size() && tree[i + 1].level > entry.level;
        if (entry.level == 1) {
            menu = addMenu(bar, entry);
            bar.addMenu(menu);
        } else if (entry.level == 2 && opensSubMenu) {
            subMenu = addMenu(*menu, entry);
            menu->addMenu(subMenu);
        } else {
            addItem(entry.level == 2 ? *menu : *subMenu, entry, choose);
        }
    }
}

} // namespace kelvaro

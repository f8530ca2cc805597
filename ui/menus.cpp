#include "ui/menus.h"

#include "core/menu_tree.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kelvaro {

namespace {

QKeySequence keysOf(MenuShortcut shortcut) {
    switch (shortcut) {
    case MenuShortcut::CtrlL:
        return QKeySequence(Qt::CTRL | Qt::Key_L);
    case MenuShortcut::CtrlS:
        return QKeySequence(Qt::CTRL | Qt::Key_S);
    case MenuShortcut::F1:
        return QKeySequence(Qt::Key_F1);
    case MenuShortcut::None:
        break;
    }
    return {};
}

std::function<void()> handlerOf(MenuCommand command, const MenuCommands &commands) {
    switch (command) {
    case MenuCommand::NewGame:
        return commands.newGame;
    case MenuCommand::Load:
        return commands.load;
    case MenuCommand::Save:
        return commands.save;
    case MenuCommand::Quit:
        return commands.quit;
    case MenuCommand::RenameCompany:
        return commands.renameCompany;
    case MenuCommand::Info:
        return commands.info;
    case MenuCommand::Credits:
        return commands.credits;
    case MenuCommand::NewRelease:
        return commands.newRelease;
    case MenuCommand::None:
        break;
    }
    return {};
}

// The captions hold no "&", so Qt finds no access key in them.
QMenu *addMenu(QWidget &parent, const MenuEntry &entry) {
    auto *menu = new QMenu(QString::fromUtf8(entry.caption), &parent);
    menu->setObjectName(QLatin1String(entry.name));
    menu->menuAction()->setObjectName(QLatin1String(entry.name));
    return menu;
}

void addItem(QMenu &menu, const MenuEntry &entry, const MenuCommands &commands) {
    QAction *item = menu.addAction(QString::fromUtf8(entry.caption));
    item->setObjectName(QLatin1String(entry.name));
    if (const QKeySequence shortcut = keysOf(entry.shortcut); !shortcut.isEmpty()) {
        item->setShortcut(shortcut);
        item->setShortcutContext(Qt::WindowShortcut);
    }
    if (const std::function<void()> command = handlerOf(entry.command, commands))
        QObject::connect(item, &QAction::triggered, &menu, [command] { command(); });
    // The hyphen rows: greyed items, not separator bars.
    item->setEnabled(entry.enabled);
}

} // namespace

void buildMenuBar(QMenuBar &bar, const MenuCommands &commands) {
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
            addItem(entry.level == 2 ? *menu : *subMenu, entry, commands);
        }
    }
}

} // namespace kelvaro

#include "ui/menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kelvaro {

namespace {

// Twenty hyphens: a greyed row, not a separator bar.
const QString hyphenRow(20, u'-');

// The captions hold no "&", so Qt finds no access key in them.
QMenu *addMenu(QWidget &parent, const char *name, const QString &caption) {
    auto *menu = new QMenu(caption, &parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction *addItem(QMenu &menu, const char *name, const QString &caption,
                 const std::function<void()> &command, const QKeySequence &shortcut = {}) {
    QAction *item = menu.addAction(caption);
    item->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty()) {
        item->setShortcut(shortcut);
        item->setShortcutContext(Qt::WindowShortcut);
    }
    if (command)
        QObject::connect(item, &QAction::triggered, &menu, [command] { command(); });
    return item;
}

void addHyphenRow(QMenu &menu, const char *name) {
    addItem(menu, name, hyphenRow, {})->setEnabled(false);
}

} // namespace

void buildMenuBar(QMenuBar &bar, const MenuCommands &commands) {
    QMenu *file = addMenu(bar, "Bestand", QStringLiteral("File"));
    addItem(*file, "nieuw_spel", QStringLiteral("New game"), commands.newGame);
    addItem(*file, "laden", QStringLiteral("Load"), commands.load,
            QKeySequence(Qt::CTRL | Qt::Key_L));
    addItem(*file, "opslaan", QStringLiteral("Save"), commands.save,
            QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(*file, "afsluiten", QStringLiteral("Quit"), commands.quit);
    bar.addMenu(file);

    QMenu *options = addMenu(bar, "opties", QStringLiteral("Options"));
    addItem(*options, "andere_naam", QStringLiteral("Change company name"), commands.renameCompany);
    addHyphenRow(*options, "break0");
    QMenu *skins = addMenu(*options, "skinz", QStringLiteral("Skinz"));
    addItem(*skins, "default", QStringLiteral("Standard"), {});
    options->addMenu(skins);
    bar.addMenu(options);

    QMenu *help = addMenu(bar, "help", QStringLiteral("Help"));
    addItem(*help, "info", QStringLiteral("Info          "), commands.info,
            QKeySequence(Qt::Key_F1));
    addItem(*help, "credits", QStringLiteral("Credits"), commands.credits);
    addHyphenRow(*help, "break1");
    addItem(*help, "new_release", QStringLiteral("New release"), commands.newRelease);
    bar.addMenu(help);
}

} // namespace kelvaro

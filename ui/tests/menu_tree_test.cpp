#include "window_support/form_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace kelvaro::testing {
namespace {

struct MenuRow {
    int level; // 1: the bar, 2: a menu's item, 3: a sub-menu's item
    QString name;
    QString caption;
    QKeySequence shortcut;
    bool enabled;
};

const std::vector<MenuRow> menuTree{
    {1, "Bestand", "File", {}, true},
    {2, "nieuw_spel", "New game", {}, true},
    {2, "laden", "Load", QKeySequence(Qt::CTRL | Qt::Key_L), true},
    {2, "opslaan", "Save", QKeySequence(Qt::CTRL | Qt::Key_S), true},
    {2, "afsluiten", "Quit", {}, true},
    {1, "opties", "Options", {}, true},
    {2, "andere_naam", "Change company name", {}, true},
    {2, "break0", "--------------------", {}, false},
    {2, "skinz", "Skinz", {}, true},
    {3, "default", "Standard", {}, true},
    {1, "help", "Help", {}, true},
    {2, "info", "Info          ", QKeySequence(Qt::Key_F1), true},
    {2, "credits", "Credits", {}, true},
    {2, "break1", "--------------------", {}, false},
    {2, "new_release", "New release", {}, true},
};

// The tree in display order, walked from the bar down.
void walk(const QList<QAction *> &actions, int level, std::vector<MenuRow> &rows,
          std::vector<QAction *> &items) {
    for (QAction *action : actions) {
        QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        rows.push_back({level, name, action->text(), action->shortcut(), action->isEnabled()});
        items.push_back(action);
        if (QMenu *menu = action->menu())
            walk(menu->actions(), level + 1, rows, items);
    }
}

class Form1Menus : public FormFixture {
  protected:
    std::vector<MenuRow> rows;
    std::vector<QAction *> items;
    void SetUp() override { walk(form->menuBar()->actions(), 1, rows, items); }
};

TEST_F(Form1Menus, menuTreeHasItsItemsInOrderWithNamesCaptionsShortcutsAndState) {
    ASSERT_EQ(rows.size(), menuTree.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(menuTree[i].name.toStdString());
        EXPECT_EQ(rows[i].level, menuTree[i].level);
        EXPECT_EQ(rows[i].name, menuTree[i].name);
        EXPECT_EQ(rows[i].caption, menuTree[i].caption);
        EXPECT_EQ(rows[i].shortcut, menuTree[i].shortcut);
        EXPECT_EQ(rows[i].enabled, menuTree[i].enabled);
    }
}

TEST_F(Form1Menus, noItemIsASeparatorCheckedHiddenOrGivenAnAccessKey) {
    for (const QAction *item : items) {
        SCOPED_TRACE(item->text().toStdString());
        EXPECT_FALSE(item->isSeparator());
        EXPECT_FALSE(item->isCheckable());
        EXPECT_TRUE(item->isVisible());
        EXPECT_FALSE(item->text().contains(u'&'));
    }
}

TEST_F(Form1Menus, shortcutsWorkAnywhereInTheWindow) {
    for (const char *name : {"laden", "opslaan", "info"})
        EXPECT_EQ(control<QAction>(name)->shortcutContext(), Qt::WindowShortcut) << name;
}

} // namespace
} // namespace kelvaro::testing

#include "app/composition.h"

#include "core/saved_game.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(ProgramTest, speaksTheSystemsLanguage) {
    const std::unique_ptr<Program> program = composeProgram();
    const DateTexts &names = program->platform.dateTexts;
    EXPECT_EQ(longDateText(names, CivilDateTime{2026, 12, 7}), "07 Dezember 2026");
    EXPECT_EQ(shortDateText(names, CivilDateTime{2027, 3, 1}), "01 März 2027");
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Kelvaro"));
    EXPECT_FALSE(program->window.isVisible());
}

TEST(ProgramTest, savesTheDateInTheSystemsShortFormToTheUsersSettings) {
    const std::unique_ptr<Program> program = composeProgram();
    GameState state;
    state.gameDate = CivilDateTime{2026, 12, 7, 15, 4, 5};
    saveGame(state, program->saveSlot, program->dialogs);

    QFile saved(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/quira/quira.conf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("datum=07.12.2026 15:04:05\n"));
}

TEST(ProgramTest, windowCarriesTheFishIconInEverySize) {
    const std::unique_ptr<Program> program = composeProgram();
    const QIcon icon = program->window.windowIcon();
    EXPECT_EQ(icon.availableSizes(),
              (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64),
                            QSize(128, 128), QSize(256, 256)}));
    const QImage drawn = icon.pixmap(QSize(48, 48), 1.0).toImage();
    const QImage fish(QStringLiteral(":/kelvaro/icon-48.png"));
    ASSERT_FALSE(fish.isNull());
    // A pixmap holds premultiplied colours: compare in that form, or the soft edges differ.
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              fish.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

} // namespace
} // namespace kelvaro

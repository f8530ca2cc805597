#include "store/locale_date_texts.h"
#include "store/qt_settings_store.h"
#include "store/saved_game.h"
#include "support/recording_ports.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <sys/resource.h>

namespace kelvaro::testing {
namespace {

using Lines = std::vector<std::string>;
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

// The real settings store, pointed at a fresh configuration folder of its own.
class SavedGameTest : public ::testing::Test {
  protected:
    QTemporaryDir configHome;
    QtSettingsStore settings;
    LocaleDateTimeText dateText{QLocale("en_US")};
    SaveSlot slot{settings, dateText};
    Transcript transcript;
    RecordingDialogs dialogs{transcript};
    RecordingView view{transcript};
    GameState state;

    void SetUp() override {
        ASSERT_TRUE(configHome.isValid());
        useConfigFolder(configHome.path());
        state.companyName = "Fish Co";
        state.money = 1234;
        state.stock.values = {0, 1, 22, 333, 0, -5};
        state.price.values = {0, 51, 62, 73, 84, 95};
        state.workforce = 36;
        state.gameDate = CivilDateTime{2026, 12, 7, 15, 4, 5};
    }

    static void useConfigFolder(const QString &folder) {
        qputenv("XDG_CONFIG_HOME", folder.toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    }

    QString saveFile() const { return configHome.filePath(QStringLiteral("quira/quira.conf")); }

    void writeKey(const QString &key, const QString &value) {
        QSettings file(saveFile(), QSettings::IniFormat);
        file.setValue(QStringLiteral("kelvaro/") + key, value);
    }

    void removeKey(const QString &key) {
        QSettings file(saveFile(), QSettings::IniFormat);
        file.remove(QStringLiteral("kelvaro/") + key);
    }

    void save() { saveGame(state, slot, dialogs); }

    void load(const std::string &newName) {
        dialogs.answerPrompt(newName);
        loadGame(state, slot, dialogs, view);
    }
};

TEST_F(SavedGameTest, loadRestoresEverySavedFieldExactly) {
    const struct {
        std::int32_t money;
        PerKind<std::int32_t> stock;
        CivilDateTime date;
    } cases[] = {
        {-40, {{0, 1, 2, 3, 4, 5}}, {2026, 12, 7, 15, 4, 5}},
        {int32Max, {{0, int32Min, int32Max, 0, -1, 7}}, {2026, 1, 1, 0, 0, 0}},
        {int32Min, {{0, 0, 0, 0, 0, 0}}, {2028, 2, 29, 23, 59, 59}},
    };
    for (const auto &c : cases) {
        state.money = c.money;
        state.stock = c.stock;
        state.gameDate = c.date;
        save();
        const GameState saved = state;
        state.money = 5;
        state.stock.values = {0, 9, 9, 9, 9, 9};
        state.gameDate = CivilDateTime{2030, 6, 6, 6, 6, 6};

        load("Fish Co");

        EXPECT_EQ(state, saved) << c.money;
    }
}

TEST_F(SavedGameTest, saveWritesTheSevenKeysAsDecimalTextAndTheDateText) {
    save();

    QFile file(saveFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).toStdString(), "[kelvaro]\n"
                                                               "datum=12/7/2026 3:04:05 PM\n"
                                                               "geld=1234\n"
                                                               "vissen1=1\n"
                                                               "vissen2=22\n"
                                                               "vissen3=333\n"
                                                               "vissen4=0\n"
                                                               "vissen5=-5\n");
    EXPECT_TRUE(transcript.lines.empty());
}

TEST_F(SavedGameTest, saveReplacesThePreviousSave) {
    save();
    state.money = 77;
    state.stock.values = {0, 0, 0, 0, 0, 1};
    state.gameDate = CivilDateTime{2027, 1, 2, 0, 0, 0};
    save();

    QSettings file(saveFile(), QSettings::IniFormat);
    EXPECT_EQ(file.value("kelvaro/geld").toString(), "77");
    EXPECT_EQ(file.value("kelvaro/vissen5").toString(), "1");
    EXPECT_EQ(file.value("kelvaro/datum").toString(), "1/2/2027");
}

TEST_F(SavedGameTest, loadShowsTheValuesInOrderThenAsksForANameAndKeepsPricesAndWorkers) {
    save();
    state.money = 1;
    state.price.values = {0, 99, 98, 97, 96, 95};
    state.workforce = 3;

    load("Eel Empire");

    EXPECT_EQ(transcript.lines,
              (Lines{"money = 1234", "stock 1 = 1", "stock 2 = 22", "stock 3 = 333", "stock 4 = 0",
                     "stock 5 = -5", "date = 12/7/2026 3:04:05 PM",
                     "prompt(-): Please give a new name: -> Eel Empire", "name = Eel Empire",
                     "title = Kelvaro - Eel Empire"}));
    EXPECT_EQ(state.price.values, (std::array<std::int32_t, 6>{0, 99, 98, 97, 96, 95}));
    EXPECT_EQ(state.workforce, 3);
    EXPECT_EQ(state.companyName, "Eel Empire");
}

TEST_F(SavedGameTest, gameSavedUnderGermanLoadsUnderEnglishToTheSecond) {
    const LocaleDateTimeText german{QLocale("de_DE")};
    SaveSlot germanSlot{settings, german};
    saveGame(state, germanSlot, dialogs);
    EXPECT_EQ(QSettings(saveFile(), QSettings::IniFormat).value("kelvaro/datum").toString(),
              "07.12.2026 15:04:05");
    const CivilDateTime saved = state.gameDate;
    state.gameDate = CivilDateTime{};

    load("Fish Co");

    EXPECT_EQ(state.gameDate, saved);
    EXPECT_EQ(transcript.lines[6], "date = 12/7/2026 3:04:05 PM");
}

TEST_F(SavedGameTest, loadAcceptsSignsAndBlanksAroundSavedNumbers) {
    save();
    writeKey("geld", " +12\t");
    writeKey("vissen1", "-0");
    load("");
    EXPECT_EQ(state.money, 12);
    EXPECT_EQ(state.stock[FishKind::Angler], 0);
}

TEST_F(SavedGameTest, loadWithNothingSavedSaysSoAndChangesNothing) {
    const GameState before = state;
    loadGame(state, slot, dialogs, view);
    EXPECT_EQ(transcript.lines, (Lines{"plain: There is no saved game to load."}));
    EXPECT_EQ(state, before);
}

TEST_F(SavedGameTest, damagedSaveIsRefusedWholeAndChangesNothing) {
    const struct {
        const char *key;
        const char *value; // nullptr removes the key
    } damages[] = {
        {"geld", nullptr},
        {"vissen3", nullptr},
        {"datum", nullptr},
        {"geld", ""},
        {"geld", "abc"},
        {"geld", "99999999999"},
        {"vissen5", "1.5"},
        {"vissen2", "2147483648"},
        {"vissen1", "-2147483649"},
        {"vissen4", "1e3"},
        {"geld", "12 34"},
        {"geld", "+-3"},
        {"datum", "garbled"},
        {"datum", ""},
        {"datum", "2/30/2025"},
    };
    for (const auto &damage : damages) {
        save();
        if (damage.value)
            writeKey(damage.key, damage.value);
        else
            removeKey(damage.key);
        state.money = 5; // the game has moved on since the save
        const GameState before = state;
        transcript.clear();

        loadGame(state, slot, dialogs, view);

        EXPECT_EQ(transcript.lines,
                  (Lines{"plain: The saved game is damaged and cannot be loaded."}))
            << damage.key << "=" << (damage.value ? damage.value : "(none)");
        EXPECT_EQ(state, before) << damage.key;
    }
}

TEST_F(SavedGameTest, saveIntoAMissingConfigurationFolderIsReported) {
    QFile blocker(configHome.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    useConfigFolder(configHome.filePath("not-a-folder/config"));

    save();

    EXPECT_EQ(transcript.lines,
              (Lines{"message(Save, exclamation): The game could not be saved."}));
}

TEST_F(SavedGameTest, failedSaveOnAFullDiskKeepsTheEarlierSaveReadable) {
    save();
    const GameState earlier = state;
    state.money = 999999;
    state.companyName = "Later";

    // Allow no file to grow past a few bytes, as on a full disk.
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit tiny = original;
    tiny.rlim_cur = 16;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    save();
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(transcript.lines,
              (Lines{"message(Save, exclamation): The game could not be saved."}));
    transcript.clear();
    load("Fish Co");
    EXPECT_EQ(state.money, earlier.money);
    EXPECT_EQ(state.stock, earlier.stock);
    EXPECT_EQ(state.gameDate, earlier.gameDate);
}

} // namespace
} // namespace kelvaro::testing

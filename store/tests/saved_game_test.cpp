#include "core/saved_game.h"
#include "store/locale_date_texts.h"
#include "store/qt_settings_store.h"
#include "support/recording_ports.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <limits>
#include <random>
#include <regex>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvaro::testing {
namespace {

using Lines = std::vector<std::string>;
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

Lines saveFailure(const std::string &reason) {
    return {"message(Save, exclamation): The game could not be saved.\n" + reason};
}

QByteArray contentsOf(const QString &path) {
    if (!QFileInfo(path).isFile())
        return "(not a file)"; // opening a pipe would wait
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Takes the lock in a child process, which then either keeps running with it, until killed,
// or ends without releasing it. Returns the child's process id.
pid_t lockInChild(const QString &lockPath, bool keepRunning) {
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        QLockFile lock(lockPath);
        const char locked = lock.tryLock(0) ? 1 : 0;
        [[maybe_unused]] const auto written = write(ready[1], &locked, 1);
        while (keepRunning)
            pause();
        _exit(0); // the lock stays behind, naming a process that is gone
    }
    char locked = 0;
    [[maybe_unused]] const auto got = read(ready[0], &locked, 1);
    close(ready[0]);
    close(ready[1]);
    if (!keepRunning)
        waitpid(child, nullptr, 0);
    return locked ? child : -1;
}

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
        state.gameDate = CivilDateTime{2026, 12, 17, 15, 4, 5};
    }

    static void useConfigFolder(const QString &folder) {
        qputenv("XDG_CONFIG_HOME", folder.toUtf8());
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

    void writeFile(const QByteArray &text) {
        QDir().mkpath(configHome.filePath(QStringLiteral("quira")));
        QFile file(saveFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // The game as the killed-save trials save it: every value follows from one number.
    void setGameNumber(std::int32_t number) {
        state.money = number;
        state.stock.values = {0, number, number, number, number, number};
        state.gameDate = CivilDateTime{2026, 1 + number % 12, 1 + number % 28, number % 24, 0, 0};
    }

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
                                                               "datum=12/17/2026 3:04:05 PM\n"
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
    EXPECT_EQ(file.value("kelvaro/datum").toString(), "2027-01-02");
}

TEST_F(SavedGameTest, loadRightAfterASaveOfTheSameSizeSeesTheNewGame) {
    // In memory, saves are quick enough for two to fall within one millisecond.
    QTemporaryDir fast((QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath()) +
                       "/kelvaro-XXXXXX");
    useConfigFolder(fast.path());
    for (std::int32_t money = 10; money < 60; ++money) {
        state.money = money;
        save();
        load("Fish Co");
        EXPECT_EQ(state.money, money);
    }
}

TEST_F(SavedGameTest, loadShowsTheValuesInOrderThenAsksForANameAndKeepsPricesAndWorkers) {
    save();
    state.money = 1;
    state.price.values = {0, 99, 98, 97, 96, 95};
    state.workforce = 3;

    load("Eel Empire");

    EXPECT_EQ(transcript.lines,
              (Lines{"money = 1234", "stock 1 = 1", "stock 2 = 22", "stock 3 = 333", "stock 4 = 0",
                     "stock 5 = -5", "date = 12/17/2026 3:04:05 PM",
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
              "17.12.2026 15:04:05");
    const CivilDateTime saved = state.gameDate;
    state.gameDate = CivilDateTime{};

    load("Fish Co");

    EXPECT_EQ(state.gameDate, saved);
    EXPECT_EQ(transcript.lines[6], "date = 12/17/2026 3:04:05 PM");
}

// Saved numbers are read as typed amounts are, and rounded to the nearest, ties to the even.
TEST_F(SavedGameTest, loadReadsSavedNumbersAsTypedAmountsRoundedToEven) {
    const struct {
        const char *text;
        std::int32_t value;
    } numbers[] = {
        {" +12\t", 12},
        {"-0", 0},
        {"12.5", 12},
        {"13.5", 14},
        {"-2.5", -2},
        {".5", 0},
        {"7.", 7},
        {"0.51", 1},
        {"2147483647.49", 2147483647},
        {"-2147483648.5", int32Min},
    };
    for (const auto &number : numbers) {
        save();
        writeKey("geld", number.text);
        writeKey("vissen4", number.text);
        load("");
        EXPECT_EQ(state.money, number.value) << number.text;
        EXPECT_EQ(state.stock[FishKind::Trout], number.value) << number.text;
    }
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
        const char *why;
    } damages[] = {
        {"geld", nullptr, "\"geld\" is missing."},
        {"vissen3", nullptr, "\"vissen3\" is missing."},
        {"datum", nullptr, "\"datum\" is missing."},
        {"geld", "", "\"geld\" is \"\", which is not a number."},
        {"geld", "abc", "\"geld\" is \"abc\", which is not a number."},
        {"geld", "99999999999", "\"geld\" is 99999999999, beyond what the game can hold."},
        {"vissen2", "2147483648", "\"vissen2\" is 2147483648, beyond what the game can hold."},
        {"vissen2", "2147483647.5", "\"vissen2\" is 2147483647.5, beyond what the game can hold."},
        {"vissen1", "-2147483649", "\"vissen1\" is -2147483649, beyond what the game can hold."},
        {"vissen1", "-2147483648.51",
         "\"vissen1\" is -2147483648.51, beyond what the game can hold."},
        {"vissen4", "1e3", "\"vissen4\" is \"1e3\", which is not a number."},
        {"vissen5", "1,5", "\"vissen5\" is \"1,5\", which is not a number."},
        {"vissen5", "0x10", "\"vissen5\" is \"0x10\", which is not a number."},
        {"geld", "12 34", "\"geld\" is \"12 34\", which is not a number."},
        {"geld", "+-3", "\"geld\" is \"+-3\", which is not a number."},
        {"datum", "garbled",
         "\"datum\" is \"garbled\", which cannot be read as one date and time."},
        {"datum", "", "\"datum\" is \"\", which cannot be read as one date and time."},
        {"datum", "2/30/2025",
         "\"datum\" is \"2/30/2025\", which cannot be read as one date and time."},
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
                  (Lines{"plain: The saved game is damaged and cannot be loaded.\n" +
                         std::string(damage.why)}))
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
              saveFailure("The folder " +
                          configHome.filePath("not-a-folder/config/quira").toStdString() +
                          " for the saved game does not exist and cannot be made."));
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
    tiny.rlim_cur = static_cast<rlim_t>(QFileInfo(saveFile()).size()); // room for the lock only
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    save();
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(transcript.lines,
              saveFailure(saveFile().toStdString() + " cannot be written: File too large."));
    EXPECT_EQ(QDir(configHome.filePath("quira")).entryList(QDir::Files), QStringList{"quira.conf"});
    transcript.clear();
    load("Fish Co");
    EXPECT_EQ(state.money, earlier.money);
    EXPECT_EQ(state.stock, earlier.stock);
    EXPECT_EQ(state.gameDate, earlier.gameDate);
}

TEST_F(SavedGameTest, aDateNoLoadCouldReadIsNotSavedAndTheEarlierSaveStaysByteForByte) {
    save();
    const QByteArray earlier = contentsOf(saveFile());
    for (const CivilDateTime &late :
         {CivilDateTime{10000, 1, 1, 0, 0, 0}, CivilDateTime{32767, 12, 31, 23, 59, 59}}) {
        transcript.clear();
        state.gameDate = late;
        save();
        EXPECT_EQ(transcript.lines,
                  saveFailure("Its date cannot be written in a form that loads again."));
        EXPECT_EQ(contentsOf(saveFile()), earlier);
    }
    // A later Save of a sound date writes that game only, nothing of the refused one.
    state.gameDate = CivilDateTime{9999, 12, 31, 23, 59, 59};
    state.money = 77;
    transcript.clear();
    save();
    EXPECT_TRUE(transcript.lines.empty());
    state.gameDate = CivilDateTime{};
    load("Fish Co");
    EXPECT_EQ(state.gameDate, (CivilDateTime{9999, 12, 31, 23, 59, 59}));
    EXPECT_EQ(state.money, 77);
}

TEST_F(SavedGameTest, saveTakesOverAbandonedLocksAndRefusesHeldOnesKeepingTheOldSave) {
    const QString lock = saveFile() + ".lock";
    const std::string file = saveFile().toStdString();
    const struct {
        const char *lockCase;
        std::function<pid_t()> leave;              // the running holder to stop afterwards, if any
        std::function<std::string(pid_t)> refusal; // none when the Save goes through
    } cases[] = {
        {"none", [] { return 0; }, nullptr},
        {"empty",
         [&] {
             QFile(lock).open(QIODevice::WriteOnly);
             return 0;
         },
         nullptr},
        {"unreadable",
         [&] {
             QFile junk(lock);
             junk.open(QIODevice::WriteOnly);
             junk.write("not a lock\n");
             return 0;
         },
         nullptr},
        {"a stopped process's", [&] { return lockInChild(lock, false) > 0 ? 0 : -1; }, nullptr},
        {"a running process's", [&] { return lockInChild(lock, true); },
         [&](pid_t holder) {
             return "The saved game " + file +
                    " is in use by another running program (kelvaro_store_tests, process " +
                    std::to_string(holder) + "), which did not release its lock " +
                    lock.toStdString() + " in the ";
         }},
        {"a folder",
         [&] {
             QDir().mkdir(lock);
             return 0;
         },
         [&](pid_t) {
             return lock.toStdString() + " is a folder where the game keeps its lock file; it " +
                    "must be removed before the game can save.";
         }},
    };
    for (const auto &c : cases) {
        setGameNumber(1);
        save();
        QSettings(saveFile(), QSettings::IniFormat).setValue("other/kept", "yes");
        const QByteArray before = contentsOf(saveFile());
        const pid_t holder = c.leave();
        ASSERT_GE(holder, 0) << c.lockCase;
        setGameNumber(2);
        transcript.clear();

        QElapsedTimer blocked;
        blocked.start();
        save();
        std::printf("save blocked %lld ms, lock: %s\n", blocked.elapsed(), c.lockCase);
        if (holder > 0) {
            kill(holder, SIGKILL);
            waitpid(holder, nullptr, 0);
        }

        if (c.refusal && holder > 0) {
            // The time waited as it was: three seconds, give or take a sleep's overshoot.
            const std::string said = transcript.lines.empty() ? "" : transcript.lines[0];
            const std::string start = saveFailure(c.refusal(holder))[0];
            EXPECT_EQ(said.substr(0, start.size()), start) << c.lockCase;
            EXPECT_TRUE(std::regex_match(said.substr(std::min(start.size(), said.size())),
                                         std::regex(R"(3\.[0-4] s the game waited\.)")))
                << said;
            EXPECT_EQ(contentsOf(saveFile()), before) << c.lockCase;
        } else if (c.refusal) {
            EXPECT_EQ(transcript.lines, saveFailure(c.refusal(holder))) << c.lockCase;
            EXPECT_EQ(contentsOf(saveFile()), before) << c.lockCase;
        } else {
            EXPECT_EQ(transcript.lines, Lines{}) << c.lockCase;
        }
        transcript.clear();
        load("Fish Co");
        EXPECT_EQ(state.money, c.refusal ? 1 : 2) << c.lockCase;
        EXPECT_EQ(QSettings(saveFile(), QSettings::IniFormat).value("other/kept"), "yes");
        QDir(lock).removeRecursively();
        QFile::remove(lock);
    }
}

TEST_F(SavedGameTest, saveKeepsEveryHandEditedLineOrChangesNothingAndSaysWhy) {
    const QByteArray handLines[] = {"# my note", "; a comment", "\x01\x02 junk \xff\xfe\x7f",
                                    QByteArray(100000, 'a')};
    for (const QByteArray &line : handLines) {
        writeFile("[kelvaro]\ngeld=1\n" + line + "\ndatum=1/1/2020\n\n[other]\nkept=yes\n");
        transcript.clear();

        save();

        EXPECT_EQ(transcript.lines, Lines{}) << line.left(20).toStdString();
        EXPECT_EQ(contentsOf(saveFile()), "[kelvaro]\ngeld=1234\n" + line +
                                              "\ndatum=12/17/2026 3:04:05 PM\nvissen1=1\n"
                                              "vissen2=22\nvissen3=333\nvissen4=0\nvissen5=-5\n"
                                              "\n[other]\nkept=yes\n");
    }
}

// Files that only odd editors or other programs write: each Save either keeps every byte but
// the game's values, with QSettings reading the new file as the game does and finding no format
// error that it did not find before, or is refused with the file as it was.
TEST_F(SavedGameTest, oddLinesAreSavedAsQSettingsReadsThemOrRefusedInWords) {
    const std::string path = saveFile().toStdString();
    const QByteArray rest = "datum=12/17/2026 3:04:05 PM\nvissen1=1\nvissen2=22\nvissen3=333\n"
                            "vissen4=0\nvissen5=-5\n";
    const QByteArray restCr = QByteArray(rest).replace('\n', '\r');
    const struct {
        const char *what;
        QByteArray text;
        QByteArray saved; // empty when refused
        std::string reason = {};
    } cases[] = {
        {"a lone CR ends a line", "[kelvaro]\rgeld=829\r; keep this note\r[other]\rkept=yes\r",
         "[kelvaro]\rgeld=1234\r; keep this note\r" + restCr + "[other]\rkept=yes\r"},
        {"a value continued over lines", "[kelvaro]\ngeld=82\\\n9\n[other]\nkept=yes\n",
         "[kelvaro]\ngeld=1234\n" + rest + "[other]\nkept=yes\n"},
        {"a line continued into the game's", "[kelvaro]\nnote=a\\\ngeld=1\n",
         "[kelvaro]\nnote=a\\\ngeld=1\n" + QByteArray(rest).insert(28, "geld=1234\n")},
        {"a note after the value", "[kelvaro]\ngeld=829 ; my money\n",
         "[kelvaro]\ngeld=1234 ; my money\n" + rest},
        {"a NUL in the section before", QByteArray("[other]\nz=\0\n[kelvaro]\ngeld=1\n", 29),
         QByteArray("[other]\nz=\0\n[kelvaro]\ngeld=1234\n", 32) + rest},
        {"a NUL at the start, hiding the header", QByteArray("\0[kelvaro]\ngeld=1\n", 18),
         QByteArray("\0[kelvaro]\ngeld=1\n\n[kelvaro]\n", 29) +
             QByteArray(rest).insert(28, "geld=1234\n")},
        {"a value quoted over lines", "[kelvaro]\ngeld=\"82\n9\"\n", "",
         "In " + path + ", the value of geld in [kelvaro] opens a quote that runs over more " +
             "than one line, so the game cannot tell where the value ends, and left the file " +
             "as it was."},
        {"a quote left open at the end", "[kelvaro]\ngeld=1\nx=\"open\n", "",
         path + " holds lines that the game cannot update safely, so it was left as it was."},
    };
    for (const auto &c : cases) {
        writeFile(c.text);
        const QString copy = configHome.filePath(QStringLiteral("before.ini"));
        QFile::remove(copy);
        QFile::copy(saveFile(), copy);
        const bool soundBefore =
            QSettings(copy, QSettings::IniFormat).status() == QSettings::NoError;
        transcript.clear();
        state.gameDate = CivilDateTime{2026, 12, 17, 15, 4, 5};

        save();

        if (c.saved.isEmpty()) {
            EXPECT_EQ(transcript.lines, saveFailure(c.reason)) << c.what;
            EXPECT_EQ(contentsOf(saveFile()), c.text) << c.what;
            continue;
        }
        EXPECT_EQ(transcript.lines, Lines{}) << c.what;
        EXPECT_EQ(contentsOf(saveFile()), c.saved) << c.what;
        const QSettings reread(saveFile(), QSettings::IniFormat);
        EXPECT_TRUE(reread.status() == QSettings::NoError || !soundBefore) << c.what;
        EXPECT_EQ(reread.value("kelvaro/geld"), "1234") << c.what;
        const GameState saved = state;
        state.money = 5;
        load("Fish Co");
        EXPECT_EQ(state, saved) << c.what;
    }
}

TEST_F(SavedGameTest, saveRemovesOnlyItsOwnLeftoverTemporaryFiles) {
    save();
    for (const char *name : {"quira.conf.kelvaro-save.AbC123", "quira.conf.Xy1234"})
        QFile(configHome.filePath(QStringLiteral("quira/") + name)).open(QIODevice::WriteOnly);

    save();

    EXPECT_EQ(QDir(configHome.filePath("quira")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"quira.conf", "quira.conf.Xy1234"}));
}

TEST_F(SavedGameTest, saveKilledAtAnyMomentLeavesTheOldOrNewGameWholeAndTheNextSaveWorks) {
    const int trials = std::max(20, qEnvironmentVariableIntValue("KELVARO_KILLED_SAVES"));
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> killAfterMicroseconds(0, 80000);
    setGameNumber(0);
    save();
    QSettings(saveFile(), QSettings::IniFormat).setValue("other/kept", "yes");
    std::int32_t highest = 0;
    int newer = 0;
    for (int trial = 0; trial < trials; ++trial) {
        const pid_t child = fork();
        if (child == 0) {
            for (std::int32_t number = highest + 1;; ++number) {
                setGameNumber(number);
                save();
            }
        }
        usleep(static_cast<useconds_t>(killAfterMicroseconds(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        transcript.clear();
        load("Fish Co");
        const GameState loaded = state;
        setGameNumber(loaded.money);
        EXPECT_EQ(loaded, state) << "trial " << trial;
        EXPECT_EQ(QSettings(saveFile(), QSettings::IniFormat).value("other/kept"), "yes");
        newer += loaded.money > highest ? 1 : 0;
        highest = std::max(highest, loaded.money);
        transcript.clear();
        save();
        EXPECT_EQ(transcript.lines, Lines{}) << "trial " << trial;
        EXPECT_EQ(QDir(configHome.filePath("quira")).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"quira.conf"})
            << "trial " << trial;
    }
    std::printf("%d saves killed: %d left a newer game, %d the one before\n", trials, newer,
                trials - newer);
}

TEST_F(SavedGameTest, loadWhileAnotherCopySavesGivesOneOfTheirGamesWhole) {
    setGameNumber(1);
    save();
    const pid_t writer = fork();
    if (writer == 0) {
        for (std::int32_t number = 2;; number = number % 1000 + 2) {
            setGameNumber(number);
            save();
        }
    }
    int mixed = 0;
    int refused = 0;
    const int loads = 300;
    for (int i = 0; i < loads; ++i) {
        transcript.clear();
        load("Fish Co");
        if (transcript.lines.size() != 10)
            ++refused;
        const GameState loaded = state;
        setGameNumber(loaded.money);
        mixed += loaded == state ? 0 : 1;
    }
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    std::printf("%d loads while another copy saved: %d mixed, %d refused\n", loads, mixed, refused);
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(refused, 0);
}

// Two copies of the game saving in a tight loop, each loading after every Save: no Save may be
// refused for the other's lock, and no Load may mix their games.
TEST_F(SavedGameTest, twoCopiesSavingAtOnceNeitherRefuseNorMix) {
    const int savesEach = std::max(100, qEnvironmentVariableIntValue("KELVARO_COPY_SAVES") / 2);
    setGameNumber(1);
    save();
    pid_t copies[2];
    int results[2][2]; // per copy: a pipe that brings back its refused and mixed counts
    for (int copy = 0; copy < 2; ++copy) {
        ASSERT_EQ(pipe(results[copy]), 0);
        copies[copy] = fork();
        if (copies[copy] == 0) {
            int counts[2] = {0, 0};
            for (int i = 0; i < savesEach; ++i) {
                transcript.clear();
                setGameNumber(2 + 2 * i + copy); // each copy its own games
                save();
                counts[0] += transcript.lines.empty() ? 0 : 1;
                load("Fish Co");
                const GameState loaded = state;
                setGameNumber(loaded.money);
                counts[1] += loaded == state ? 0 : 1;
            }
            [[maybe_unused]] const auto written = write(results[copy][1], counts, sizeof counts);
            _exit(0);
        }
        close(results[copy][1]);
    }
    int refused = 0;
    int mixed = 0;
    for (int copy = 0; copy < 2; ++copy) {
        int counts[2] = {-1, -1};
        EXPECT_EQ(read(results[copy][0], counts, sizeof counts), ssize_t(sizeof counts));
        close(results[copy][0]);
        waitpid(copies[copy], nullptr, 0);
        refused += counts[0];
        mixed += counts[1];
    }
    std::printf("two copies saving at once: %d Saves, %d refused, %d mixed\n", 2 * savesEach,
                refused, mixed);
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(mixed, 0);
}

// What a Load and then a Save do with each kind of thing at the saved game's path. Nothing
// may wait: whatever is not a plain file is refused unopened or without blocking.
TEST_F(SavedGameTest, eachKindOfFileAtTheSavedGameIsLoadedAndSavedOrRefusedAtOnce) {
    const QString folder = configHome.filePath("quira");
    const std::string file = saveFile().toStdString();
    const auto makeFifo = [](const QString &path) {
        return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    };
    const auto refused = [](const std::string &loadReason, const std::string &saveReason) {
        return Lines{"plain: The saved game cannot be loaded.\n" + loadReason,
                     saveFailure(saveReason)[0]};
    };
    const Lines loaded{"money = 1234",
                       "stock 1 = 1",
                       "stock 2 = 22",
                       "stock 3 = 333",
                       "stock 4 = 0",
                       "stock 5 = -5",
                       "date = 12/17/2026 3:04:05 PM",
                       "prompt(-): Please give a new name: -> Fish Co",
                       "name = Fish Co",
                       "title = Kelvaro - Fish Co"};
    const struct {
        const char *what;
        std::function<bool()> make;
        Lines said; // by the Load, then by the Save
    } cases[] = {
        {"a plain file",
         [&] {
             save();
             return transcript.lines.empty();
         },
         loaded},
        {"nothing", [] { return true; }, {"plain: There is no saved game to load."}},
        {"a damaged file",
         [&] {
             writeFile("[kelvaro]\ngeld=abc\n");
             return true;
         },
         {"plain: The saved game is damaged and cannot be loaded.\n\"geld\" is \"abc\", which "
          "is not a number."}},
        {"a link to a plain file",
         [&] {
             save();
             return QFile::rename(saveFile(), folder + "/kept.conf") &&
                    QFile::link("kept.conf", saveFile());
         },
         loaded},
        {"a pipe", [&] { return makeFifo(saveFile()); },
         refused(file + " is a pipe, not a plain file.", file + " is a pipe, not a plain file.")},
        {"a socket",
         [&] {
             const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::snprintf(address.sun_path, sizeof address.sun_path, "%s", file.c_str());
             const bool bound =
                 bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
             close(fd);
             return bound;
         },
         refused(file + " is a socket, not a plain file.",
                 file + " is a socket, not a plain file.")},
        {"a link to a device", [&] { return QFile::link("/dev/zero", saveFile()); },
         refused(file + " is a device, not a plain file.",
                 "/dev/zero is a device, not a plain file.")},
        {"a link loop", [&] { return QFile::link(saveFile(), saveFile()); },
         refused(file + " cannot be read: Too many levels of symbolic links.",
                 file + " cannot be read: Too many levels of symbolic links.")},
        {"a folder", [&] { return QDir().mkdir(saveFile()); },
         refused(file + " is a folder, not a plain file.",
                 file + " is a folder, not a plain file.")},
        {"a file of 9 MiB",
         [&] {
             QFile huge(saveFile());
             return huge.open(QIODevice::WriteOnly) &&
                    huge.write("[kelvaro]\n" + QByteArray(9 * 1024 * 1024, '#')) > 0;
         },
         refused(file + " is larger than 8 MiB, too large to be a saved game.",
                 file + " is larger than 8 MiB, too large to be a saved game.")},
        {"a pipe for its folder",
         [&] {
             QDir(folder).removeRecursively();
             return makeFifo(folder);
         },
         refused(folder.toStdString() + " is a pipe, not a folder.",
                 folder.toStdString() +
                     " is not a folder, so the saved game cannot be kept in it.")},
        {"a plain file for its folder",
         [&] {
             QDir(folder).removeRecursively();
             QFile plain(folder);
             return plain.open(QIODevice::WriteOnly);
         },
         refused(folder.toStdString() + " is a plain file, not a folder.",
                 folder.toStdString() +
                     " is not a folder, so the saved game cannot be kept in it.")},
    };
    // Where a Load could make a file of its own: nothing may appear there while it runs.
    QTemporaryDir privateTemporary;
    const QByteArray temporaryBefore = qgetenv("TMPDIR");
    qputenv("TMPDIR", privateTemporary.path().toUtf8());
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    for (const QString &place :
         {privateTemporary.path(), configHome.path(), QStringLiteral("/dev/shm"),
          QStringLiteral("/tmp"), QStringLiteral("/")})
        inotify_add_watch(watch, QFile::encodeName(place).constData(), IN_CREATE | IN_MOVED_TO);
    const auto madeDuringLoad = [&] { // other programs may use /tmp meanwhile: ours only
        std::string made;
        alignas(inotify_event) char events[4096];
        for (ssize_t got; (got = read(watch, events, sizeof events)) > 0;) {
            for (char *at = events; at < events + got;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                const std::string name = event->len > 0 ? event->name : "";
                if (name.rfind("kelvaro", 0) == 0 || name.rfind("quira", 0) == 0 ||
                    name.rfind("qt_temp", 0) == 0)
                    made += name + " ";
                at += sizeof(inotify_event) + event->len;
            }
        }
        return made;
    };
    for (const auto &c : cases) {
        QDir(folder).removeRecursively();
        QFile::remove(folder);
        QDir().mkpath(folder);
        ASSERT_TRUE(c.make()) << c.what;
        const QByteArray before = contentsOf(saveFile());
        const GameState game = state;
        transcript.clear();

        madeDuringLoad();
        QElapsedTimer took;
        took.start();
        load("Fish Co");
        const qint64 loading = took.restart();
        EXPECT_EQ(madeDuringLoad(), "") << c.what;
        save();
        std::printf("load %lld ms, save %lld ms: %s\n", loading, took.elapsed(), c.what);

        EXPECT_EQ(transcript.lines, c.said) << c.what;
        EXPECT_EQ(state, game) << c.what;
        if (c.said.size() == 2) { // refused: whatever lies there stays as it was
            EXPECT_EQ(contentsOf(saveFile()), before) << c.what;
        } else {
            EXPECT_TRUE(QFileInfo(saveFile()).isFile()) << c.what;
        }
        if (std::string(c.what) == "a link to a plain file") {
            EXPECT_TRUE(QFileInfo(saveFile()).isSymLink());
        }
        QFile::remove(saveFile());
    }
    QFile::remove(folder);
    close(watch);
    if (temporaryBefore.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", temporaryBefore);
}

TEST_F(SavedGameTest, everyAcceptedSaveLoadsWhateverOtherSectionsTheFileHolds) {
    const QByteArray others[] = {
        "[kelvaro/a]\nx=1\n",
        "[kelvaro]\ngeld=5\n[kelvaro/a]\nx=1\n[kelvaro/geld]\ny=2\n",
        "[General]\nkelvaro\\geld=7\n[aaa]\nb=1\n",
        "\xEF\xBB\xBF[kelvaro/%67]\r\nx=1\r\n[kelvaro]\r\ngeld=1\r\ngeld=2\r\n",
    };
    for (const QByteArray &other : others) {
        writeFile(other);
        transcript.clear();
        save();
        const GameState saved = state;
        state.money = 5;
        state.stock.values = {0, 9, 9, 9, 9, 9};
        load("Fish Co");
        EXPECT_EQ(transcript.lines.size(), 10u) << other.toStdString();
        EXPECT_EQ(state, saved) << other.toStdString();
    }
}

// As another user, for whom the file's permissions count: root may write any file.
TEST_F(SavedGameTest, aSavedGameThePlayerMayNotWriteIsLeftAsItWas) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root, to play as the user nobody";
    const uid_t nobody = 65534;
    const QString folder = configHome.filePath("quira");
    ASSERT_EQ(chmod(QFile::encodeName(configHome.path()).constData(), 0755), 0);
    const std::string readOnly = " is read-only, so the game left it as it was.";
    const std::string notTheirs = " cannot be replaced by a file with the same owner and group: "
                                  "Operation not permitted.";
    const struct {
        const char *what;
        uid_t saver;
        uid_t owner; // and group
        mode_t mode;
        const std::string &refusal; // empty when the Save goes through
    } cases[] = {
        {"the player's own file made read-only", nobody, nobody, 0444, readOnly},
        {"another user's file", nobody, 0, 0644, readOnly},
        {"another user's file that anyone may write", nobody, 0, 0666, notTheirs},
        {"the player's own file", nobody, nobody, 0644, {}},
        {"the player's file saved over by root", 0, nobody, 0640, {}},
    };
    for (const auto &c : cases) {
        writeFile("[kelvaro]\ngeld=1\n");
        const QByteArray name = QFile::encodeName(saveFile());
        ASSERT_EQ(chown(QFile::encodeName(folder).constData(), nobody, nobody), 0);
        ASSERT_EQ(chown(name.constData(), c.owner, c.owner), 0);
        ASSERT_EQ(chmod(name.constData(), c.mode), 0);
        const QByteArray before = contentsOf(saveFile());

        int answer[2];
        ASSERT_EQ(pipe(answer), 0);
        const pid_t player = fork();
        if (player == 0) {
            close(answer[0]);
            if (c.saver != 0 && (setgid(c.saver) != 0 || setuid(c.saver) != 0))
                _exit(3);
            save();
            std::string said;
            for (const std::string &line : transcript.lines)
                said += line;
            [[maybe_unused]] const auto written = write(answer[1], said.data(), said.size());
            _exit(0);
        }
        close(answer[1]);
        std::string said;
        char buffer[512];
        for (ssize_t got; (got = read(answer[0], buffer, sizeof buffer)) > 0;)
            said.append(buffer, static_cast<std::size_t>(got));
        close(answer[0]);
        int status = 0;
        waitpid(player, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.what;

        struct stat after {};
        ASSERT_EQ(stat(name.constData(), &after), 0);
        if (!c.refusal.empty()) {
            EXPECT_EQ(said, saveFailure(saveFile().toStdString() + c.refusal)[0]) << c.what;
            EXPECT_EQ(contentsOf(saveFile()), before) << c.what;
        } else {
            EXPECT_EQ(said, "") << c.what;
            EXPECT_NE(contentsOf(saveFile()), before) << c.what;
        }
        // Saved or not, the file stays whose it was, as it was.
        EXPECT_EQ(after.st_uid, c.owner) << c.what;
        EXPECT_EQ(after.st_gid, c.owner) << c.what;
        EXPECT_EQ(after.st_mode & 07777, c.mode) << c.what;
        QFile::remove(saveFile());
    }
}

} // namespace
} // namespace kelvaro::testing

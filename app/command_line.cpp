#include "app/command_line.h"

#include "app/display_check.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace kelvaro {

namespace {

constexpr int usageError = 2;
constexpr int noDisplay = 1;

const QString programName = QStringLiteral("kelvaro");

const QString description = QStringLiteral(
    "Kelvaro " KELVARO_VERSION ": a fish-breeding business game. Buy and sell angler, eels,\n"
    "salmon, trout and carp at the day's prices, pay your workers, and keep the\n"
    "company out of bankruptcy.\n"
    "\n"
    "With --text the game is played in the terminal it is started from, with the same\n"
    "rules, menus and saved game as the window.\n"
    "\n"
    "The saved game is kept in $XDG_CONFIG_HOME/quira/quira.conf,\n"
    "~/.config/quira/quira.conf when XDG_CONFIG_HOME is not set.");

// The options QApplication reads itself; the ones listed with a value take the next word.
const char *const qtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
    "display",     "geometry",           "title",         "name",       "qmljsdebugger"};
const char *const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void print(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QStringList argumentsOf(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty())
        arguments << programName;
    return arguments;
}

void addQtOptions(QCommandLineParser &parser) {
    for (const char *name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

CommandLineAnswer answerCommandLine(int argc, char *argv[]) {
    QCommandLineParser parser;
    // Qt programs take their own options with one dash: "-platform offscreen", "-style fusion".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(description);
    // Qt's own help option would also offer --help-all, for options this game does not list.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption text(
        {QStringLiteral("t"), QStringLiteral("text")},
        QStringLiteral("Plays the game in this terminal instead of a window; needs no display."));
    parser.addOption(text);
    addQtOptions(parser);

    const QStringList arguments = argumentsOf(argc, argv);
    if (!parser.parse(arguments)) {
        print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(programName, parser.errorText()));
        return {usageError};
    }
    if (parser.isSet(help)) {
        // The usage line names the program by its first argument, which needs an application
        // object, and one without a window system; it is given the program's name rather than
        // the path it was started by.
        QByteArray name = programName.toLocal8Bit();
        char *named[] = {name.data(), nullptr};
        int count = 1;
        QCoreApplication core(count, named);
        print(stdout, parser.helpText());
        return {0};
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Kelvaro " KELVARO_VERSION "\n"));
        return {0};
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("%1: unexpected argument '%2'\nTry '%1 --help' for more "
                                     "information.\n")
                          .arg(programName, parser.positionalArguments().constFirst()));
        return {usageError};
    }
    if (parser.isSet(text))
        return {std::nullopt, true};
    if (const auto reason = missingDisplay(parser.value(QStringLiteral("platform")),
                                           parser.value(QStringLiteral("display")))) {
        print(stderr,
              QStringLiteral("%1: cannot open the game's window: %2.\n").arg(programName, *reason));
        return {noDisplay};
    }
    return {};
}

} // namespace kelvaro

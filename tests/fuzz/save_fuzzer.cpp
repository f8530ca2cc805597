// Random values saved into random settings files through the game's own Save, then read back
// through the Load's own reading. QSettings is the oracle: a Save that is accepted must give
// every value back exactly, leave every other key as it was and add no format error; a refused
// one must leave the file byte for byte. The game's own reader must read every file, before and
// after, as QSettings reads it.

#include "fuzz_input.h"
#include "settings_text/ini_text.h"
#include "store/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <array>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

namespace {

using namespace kelvaro;

// Pieces that real settings files are made of, and some that only broken ones are.
const std::array<QByteArray, 41> pieces{"[kelvaro]\n",
                                        "[kelvaro/a]\n",
                                        "[other]\n",
                                        "[General]\n",
                                        "geld=1\n",
                                        "vissen1=2\r\n",
                                        "datum=1/2/2026\n",
                                        "# comment\n",
                                        "; note\n",
                                        "\xEF\xBB\xBF",
                                        "kelvaro\\geld=7\n",
                                        "x=\"a,b\"\n",
                                        "y=1,2\n",
                                        "geld=1\ngeld=2\n",
                                        "[kelvaro%2Fb]\n",
                                        "\r\n",
                                        "no equals sign\n",
                                        "[Kelvaro]\n",
                                        "@Variant(\\0)=1\n",
                                        "key with blanks = v \n",
                                        "[kelvaro]\r\n",
                                        "vissen5=\\\n",
                                        "\xff\xfe\x01junk\n",
                                        "[kelvaro/geld]\nz=3\n",
                                        "geld=\\x31\\x32\n",
                                        "%67eld=3\n",
                                        "geld=@@1\n",
                                        "geld=@ByteArray(4)\n",
                                        "geld=\"1\" ;c\n",
                                        "datum=a\\\n b\n",
                                        "geld=@Rect(1 2 3 4)\n",
                                        "vissen2= 1 , 2 \n",
                                        "[%General]\n",
                                        "geld=\\101\\u\n",
                                        "geld=829\r; keep this note\r",
                                        "\r",
                                        QByteArray("\0", 1),
                                        "geld=82\\\n9\n",
                                        "vissen3=\"8\n2\"\n",
                                        "geld=829 ; my money\n",
                                        "x=\"open\n"};
const std::array<std::string, 7> keys{"geld",    "vissen1", "vissen2", "vissen3",
                                      "vissen4", "vissen5", "datum"};

// Every key of the file as QSettings reads it, from a copy at a path it has never seen, so
// that nothing it kept from an earlier file can count; and whether it found the format sound.
std::map<QString, QVariant> oracleOf(const QByteArray &text, const QString &folder,
                                     bool *sound = nullptr) {
    static int copies = 0;
    const QString path = folder + QStringLiteral("/oracle-%1.ini").arg(++copies);
    QFile copy(path);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(text) != text.size())
        fuzzing::brokenInvariant("the oracle's copy cannot be written");
    copy.close();
    std::map<QString, QVariant> values;
    {
        const QSettings settings(path, QSettings::IniFormat);
        for (const QString &key : settings.allKeys()) {
            if (!key.isEmpty())
                values[key] = settings.value(key);
        }
        if (sound)
            *sound = settings.status() == QSettings::NoError;
    }
    QFile::remove(path);
    return values;
}

// The section as a Load must read it, by QSettings: each value's text, a list's parts joined.
std::map<std::string, std::string> sectionOracle(const std::map<QString, QVariant> &values) {
    std::map<std::string, std::string> section;
    for (const auto &[key, value] : values) {
        if (!key.startsWith(QStringLiteral("kelvaro/")) || key.count(QLatin1Char('/')) != 1 ||
            key.size() == 8)
            continue;
        section[key.mid(8).toStdString()] =
            value.userType() == QMetaType::QStringList
                ? value.toStringList().join(QStringLiteral(", ")).toStdString()
                : value.toString().toStdString();
    }
    return section;
}

// The game's own reader must read the section as QSettings does. It may refuse only a stored Qt
// object, which only Qt decodes.
void checkReading(const QByteArray &text, const std::map<QString, QVariant> &oracle) {
    const IniSectionReading reading =
        readIniSection(std::string_view(text.constData(), std::size_t(text.size())), "kelvaro");
    if (reading.failure) {
        if (!text.contains("Variant(") && !text.contains("DateTime("))
            fuzzing::brokenInvariant("the game refuses settings that QSettings reads");
        return;
    }
    if (reading.values != sectionOracle(oracle))
        fuzzing::brokenInvariant("the game reads the settings otherwise than QSettings");
}

QByteArray contentsOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QTemporaryDir *workFolder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    workFolder =
        new QTemporaryDir((QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                     : QDir::tempPath()) +
                          QStringLiteral("/kelvaro-save-fuzz-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", workFolder->path().toUtf8());
    std::atexit([] { delete workFolder; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static int round = 0;
    fuzzing::FuzzInput input(data, size);
    QByteArray start;
    const int count = input.take<std::uint8_t>() % 16;
    for (int i = 0; i < count; ++i)
        start += pieces[input.take<std::uint8_t>() % pieces.size()];
    std::map<std::string, std::string> values;
    for (const std::string &key : keys) {
        const std::size_t length = input.take<std::uint8_t>() % 24;
        std::string value;
        for (std::size_t i = 0; i < length; ++i)
            value += static_cast<char>(input.take<std::uint8_t>());
        values[key] = value;
    }
    start += QByteArray::fromStdString(input.rest());

    const std::string application = "quira-" + std::to_string(++round);
    const QString path = QtSettingsStore::fileOf(application);
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(start) != start.size())
            fuzzing::brokenInvariant("the start file cannot be written");
    }
    bool soundBefore = false;
    const std::map<QString, QVariant> before = oracleOf(start, workFolder->path(), &soundBefore);
    checkReading(start, before);

    QtSettingsStore store;
    for (const auto &[key, value] : values)
        store.write(application, "kelvaro", key, value);
    const CommitResult result = store.commit();
    const QByteArray after = contentsOf(path);
    if (QDir(folder).entryList(QDir::Files | QDir::Hidden) !=
        QStringList{QFileInfo(path).fileName()})
        fuzzing::brokenInvariant("a Save left a file behind");

    if (!result.stored) {
        if (after != start)
            fuzzing::brokenInvariant("a refused Save changed the file");
    } else {
        const StoredSection loaded = store.readSection(application, "kelvaro");
        if (loaded.failure)
            fuzzing::brokenInvariant("an accepted Save cannot be read");
        for (const auto &[key, value] : values) {
            const auto found = loaded.values.find(key);
            if (found == loaded.values.end() || found->second != value)
                fuzzing::brokenInvariant("an accepted Save does not load its value");
        }
        std::map<QString, QVariant> expected = before;
        for (const auto &[key, value] : values)
            expected[QString::fromStdString("kelvaro/" + key)] = QString::fromStdString(value);
        bool soundAfter = false;
        const std::map<QString, QVariant> reread = oracleOf(after, workFolder->path(), &soundAfter);
        if (reread != expected)
            fuzzing::brokenInvariant("an accepted Save reads otherwise to QSettings");
        if (soundBefore && !soundAfter)
            fuzzing::brokenInvariant("an accepted Save makes QSettings find a format error");
        checkReading(after, reread);
    }
    QDir(folder).removeRecursively();
    return 0;
}

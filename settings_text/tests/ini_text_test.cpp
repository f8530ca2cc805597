#include "settings_text/ini_text.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Values = std::map<std::string, std::string>;
using namespace std::string_literals;

// Every expected value here is what QSettings 6.4 gave for the same bytes.
TEST(IniTextTest, aSectionReadsAsQSettingsReadsIt) {
    const struct {
        const char *what;
        std::string text;
        Values values;
    } cases[] = {
        {"plain", "[k]\na=1\nb = two words \n", {{"a", "1"}, {"b", "two words"}}},
        {"quoted comma", "[k]\na=\"x,y\"\n", {{"a", "x,y"}}},
        {"unquoted commas make a list", "[k]\na=1 , 2,3\n", {{"a", "1, 2, 3"}}},
        {"escapes, kept to 16 bits",
         "[k]\nb=\\x41\\xDC00\nc=\\x12345\nd=\\101\\t.\n",
         {{"b", "A?"}, {"c", "\u2345"}, {"d", "A\t."}}},
        {"bytes that are no UTF-8",
         "[k]\na=\xC3\xA9\xFF\xE0\x80x\n",
         {{"a", "\xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDx"}}},
        {"a sequence across an escape",
         "[k]\na=x\xC3\\n\xA9y\nb=x\xC3\ne=\xC3\\n\xC3\xA9\n",
         {{"a", "x\n\xC3\xA9y"}, {"b", "x"}, {"e", "\n\xEF\xBF\xBD\xEF\xBF\xBD"}}},
        {"a list's broken sequence eats the next byte",
         "[k]\ng=x\xC3,y\n",
         {{"g", "x, \xEF\xBF\xBD"}}},
        {"byte-order marks",
         "\xEF\xBB\xBF[k]\na=\xEF\xBB\xBFx\nb=x\\n\xEF\xBB\xBFy\n",
         {{"a", "x"}, {"b", "x\n\xEF\xBB\xBFy"}}},
        {"a comment, then an indented key", "[k]\n;c\n  a=1\nb=2 ;c\n", {{"a", "1"}, {"b", "2"}}},
        {"key escapes",
         "[k]\nb1%+1=1\nb4%U0x41=2\nb3%-1=3\n%67=4\n",
         {{"b1\x01", "1"}, {"b4A", "2"}, {"b3%-1", "3"}, {"g", "4"}}},
        {"a continued line keeps the blanks before a final backslash",
         "[k]\nc=a  \\\nd=b  \\x\n",
         {{"c", "a  d=b  "}}},
        {"values that start with @",
         "[k]\na=@String(abc)\nb=@Rect(1 2 3 4)\nc=@Rect(1 2 3)\nf=@ByteArray(x)\n"
         "g=@Invalid()\nh=@@x,@@y\ni=@x,1\ns=@@\n",
         {{"a", "abc"},
          {"b", ""},
          {"c", "@Rect(1 2 3)"},
          {"f", "x"},
          {"g", ""},
          {"h", "@x, @y"},
          {"i", ""},
          {"s", "@"}}},
        {"the later of two, sections in the order of their names",
         "[k]\na=1\n[k]\na=2\n[General]\nk\\a=3\nk\\b=4\n",
         {{"a", "2"}, {"b", "4"}}},
        {"no subgroup's key", "[k/sub]\nz=3\n[k]\nsub\\y=4\na=1\n", {{"a", "1"}}},
        {"another section and junk", "[kk]\na=9\n[k]\nno equals sign\na=1\n", {{"a", "1"}}},
        {"a lone CR ends a line, a comment's too", "[k]\ra=1\r;c\rb=2\r", {{"a", "1"}, {"b", "2"}}},
        {"NUL bytes are text", "[o]\nz=\0\n[k]\na=1\0x\n\0b=2\n"s, {{"a", "1\0x"s}, {"\0b"s, "2"}}},
        {"a NUL before a header makes it junk", "\0[k]\na=1\n"s, {}},
        {"a continued value", "[k]\na=82\\\n9\nx=1\n", {{"a", "829"}, {"x", "1"}}},
        {"a value quoted over lines", "[k]\na=\"8\n2\"\nx=1\n", {{"a", "8\n2"}, {"x", "1"}}},
    };
    for (const auto &c : cases) {
        const IniSectionReading reading = readIniSection(c.text, "k");
        EXPECT_FALSE(reading.failure) << c.what;
        EXPECT_EQ(reading.values, c.values) << c.what;
    }
    const IniSectionReading stored = readIniSection("[k]\na=1\nb=@Variant(\\0\\0\\0\\x2)\n", "k");
    EXPECT_EQ(stored.values, Values{});
    EXPECT_EQ(stored.failure,
              "The value of b in [k] is a stored Qt object, which the game does not read.");
}

TEST(IniTextTest, newValuesChangeOnlyTheirValuesBytesOrNothing) {
    const IniUpdates game{{"k", {{"a", "4242"}}}};
    const std::string bigNote = "; " + std::string(largestSettingsFile - 10, 'n') + "\n";
    const struct {
        const char *what;
        std::string text;
        IniUpdates updates;
        std::string result; // or, when refused, why
    } cases[] = {
        {"replaced in place",
         "; mine\r\n[k]\r\na=1\r\nx = y\r\n",
         {{"k", {{"a", "2"}}}},
         "; mine\r\n[k]\r\na=2\r\nx = y\r\n"},
        {"added after the section's last line",
         "[k]\nx=1\n\n[o]\ny=2",
         {{"k", {{"a", "3"}}}},
         "[k]\nx=1\na=3\n\n[o]\ny=2"},
        {"a new section at the end",
         "[o]\ny=2",
         {{"k", {{"a", "@x"}, {"b", "1,2"}}}},
         "[o]\ny=2\n\n[k]\na=@@x\nb=\"1,2\"\n"},
        {"escaped as QSettings writes",
         "",
         {{"k/s", {{"a b", " \t\"\\"}}}},
         "[k\\s]\na%20b=\" \\t\\\"\\\\\"\n"},
        {"a lone CR ends a line", "[k]\na=829\r; keep this note\r\n[o]\nb=1\n", game,
         "[k]\na=4242\r; keep this note\r\n[o]\nb=1\n"},
        {"added lines end as the last line does", "[k]\rx=1\r[o]\r", game,
         "[k]\rx=1\ra=4242\r[o]\r"},
        {"a continued value is replaced whole", "[k]\r\na=82\\\r\n9\r\nx=1\r\n", game,
         "[k]\r\na=4242\r\nx=1\r\n"},
        {"a comment after the value stays", "[k]\na = 829 ; my money\n", game,
         "[k]\na = 4242 ; my money\n"},
        {"every line of the key, however spelt", "[k]\n %61=1\n[o]\n[ k ]\na=2", game,
         "[k]\n %61=4242\n[o]\n[ k ]\na=4242"},
        {"NUL bytes stay", "[k]\na=1\n\0junk\n"s, game, "[k]\na=4242\n\0junk\n"s},
        {"a NUL before the header: a new section", "\0[k]\na=1\n"s, game,
         "\0[k]\na=1\n\n[k]\na=4242\n"s},
        {"a quoted value continued with CRLF", "[k]\na=\"8\\\r\n2\"\n", game, "[k]\na=4242\n"},
        {"a value quoted over lines is refused", "[k]\na=\"8\n2\"\nx=1\n", game,
         "In this k.conf, the value of a in [k] opens a quote that runs over more than one line, "
         "so "
         "the game cannot tell where the value ends, and left the file as it was."},
        {"a quote left open swallows the new line", "[k]\nx=\"1\n", game,
         "This k.conf holds lines that the game cannot update safely, so it was left as it was."},
        {"a junk line continued at the very end", "[k]\nx=junk\\", game,
         "This k.conf holds lines that the game cannot update safely, so it was left as it was."},
        {"too large",
         "[k]\n" + bigNote,
         {{"k", {{"a", std::string(20, 'x')}}}},
         "The saved game would grow past 8 MiB with the new values, too large to be a saved "
         "game, so this k.conf was left as it was."},
    };
    for (const auto &c : cases) {
        const IniUpdated updated = withIniValues(c.text, c.updates, "this k.conf");
        EXPECT_EQ(updated.failure.value_or(updated.text), c.result) << c.what;
        if (updated.failure)
            continue;
        EXPECT_TRUE(readsAsUpdated(c.text, updated.text, c.updates)) << c.what;
        // And each value reads back as given.
        for (const auto &[section, values] : c.updates)
            EXPECT_EQ(readIniSection(updated.text, section).values.at(values.begin()->first),
                      values.begin()->second)
                << c.what;
    }
}

} // namespace
} // namespace kelvaro

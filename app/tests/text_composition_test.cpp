#include "app/text_composition.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <deque>
#include <regex>

namespace kelvaro {
namespace {

// A terminal of 80x24 that types the keys given and then asks the program to stop.
class TypingTerminal final : public Terminal {
  public:
    explicit TypingTerminal(std::deque<Key> keys) : keys_(std::move(keys)) {}
    TerminalSize size() const override { return {80, 24}; }
    void show(const Canvas &) override {}
    std::optional<Key> nextKey() override {
        if (keys_.empty())
            return std::nullopt;
        const Key key = keys_.front();
        keys_.pop_front();
        return key;
    }
    bool keyWaiting() override { return false; }
    int stopStatus() const override { return 143; }

  private:
    std::deque<Key> keys_;
};

TEST(TextProgramTest, playsInTheSystemsLanguageAndSavesToTheUsersSettings) {
    const Key enter = Key::of(Key::Code::Enter);
    TypingTerminal terminal({enter, enter, enter, Key::typed(U'Q'), enter, Key::control('S')});
    const std::unique_ptr<TextProgram> program = composeTextProgram(terminal);
    EXPECT_EQ(program->game.run(), 143);

    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Kelvaro"));
    EXPECT_EQ(program->game.screen().title(), "Kelvaro - Q");
    const std::string date = program->game.screen().boxText({Control::Kind::Date});
    EXPECT_TRUE(std::regex_match(date, std::regex("[0-9]{2} (Januar|Februar|März|April|Mai|Juni|"
                                                  "Juli|August|September|Oktober|November|"
                                                  "Dezember) [0-9]{4}")))
        << date;
    QFile saved(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/quira/quira.conf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.contains("geld=1000\n")) << text.constData();
    EXPECT_TRUE(
        std::regex_search(text.constData(), std::regex("datum=[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}")))
        << text.constData();
}

} // namespace
} // namespace kelvaro

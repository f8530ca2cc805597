// How long the game in a terminal takes to take in a long paste: starts `kelvaro --text` on a
// pseudo-terminal of 100x30, answers the greetings, pastes the characters into the name
// prompt at once, presses Enter and waits for the game's screen. Prints the milliseconds from
// the first byte of the paste to the screen, one line per run.
//
// Usage: kelvaro_paste_probe PATH_TO_KELVARO [characters] [runs]

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct Game {
    pid_t pid = -1;
    int pty = -1;
    std::string seen; // what the game has drawn since the last wait
};

// Moves the bytes to the game while reading what it draws, so that neither side blocks on a
// full pseudo-terminal; then waits until the drawing has shown the text. False on a timeout.
bool exchange(Game &game, std::string toSend, const std::string &awaited) {
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(20);
    for (;;) {
        if (toSend.empty() && game.seen.find(awaited) != std::string::npos) {
            game.seen.clear();
            return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd wait{game.pty, static_cast<short>(POLLIN | (toSend.empty() ? 0 : POLLOUT)), 0};
        if (::poll(&wait, 1, static_cast<int>(left.count())) < 0 && errno != EINTR)
            return false;
        if ((wait.revents & POLLIN) != 0) {
            char buffer[65536];
            const ssize_t got = ::read(game.pty, buffer, sizeof buffer);
            if (got <= 0)
                return false;
            game.seen.append(buffer, static_cast<std::size_t>(got));
        }
        if ((wait.revents & POLLOUT) != 0 && !toSend.empty()) {
            const ssize_t put = ::write(game.pty, toSend.data(), toSend.size());
            if (put > 0)
                toSend.erase(0, static_cast<std::size_t>(put));
        }
    }
}

Game start(const char *program, const char *configFolder) {
    Game game;
    winsize size{};
    size.ws_row = 30;
    size.ws_col = 100;
    game.pid = ::forkpty(&game.pty, nullptr, nullptr, &size);
    if (game.pid == 0) {
        ::setenv("TERM", "xterm-256color", 1);
        ::setenv("LC_ALL", "C.UTF-8", 1);
        ::setenv("XDG_CONFIG_HOME", configFolder, 1);
        ::execl(program, "kelvaro", "--text", static_cast<char *>(nullptr));
        std::_Exit(127);
    }
    if (game.pid > 0)
        ::fcntl(game.pty, F_SETFL, ::fcntl(game.pty, F_GETFL) | O_NONBLOCK);
    return game;
}

void stop(Game &game) {
    ::kill(game.pid, SIGTERM);
    ::waitpid(game.pid, nullptr, 0);
    ::close(game.pty);
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kelvaro_paste_probe PATH_TO_KELVARO [characters] [runs]\n");
        return 2;
    }
    const std::size_t characters = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 10000;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
    char folder[] = "/tmp/kelvaro-paste-XXXXXX";
    if (!::mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    // Mostly ASCII, with a two-byte and a three-byte character in every ten.
    const char *const pieces[] = {"R", "e", "e", "f", " ", "\xC3\xA9", "\xE2\x82\xAC",
                                  " ", "C", "o"};
    std::string paste;
    for (std::size_t i = 0; i < characters; ++i)
        paste += pieces[i % std::size(pieces)];

    int status = 0;
    for (int run = 0; run < runs && status == 0; ++run) {
        Game game = start(argv[1], folder);
        if (game.pid < 0) {
            std::perror("forkpty");
            return 1;
        }
        const bool ready = exchange(game, "", "Congratulations") &&
                           exchange(game, "\r", "One little problem") &&
                           exchange(game, "\r", "nice people") &&
                           exchange(game, "\r", "How do you want to call your company?");
        const Clock::time_point begin = Clock::now();
        const bool taken = ready && exchange(game, paste + "\r", "Company size");
        const auto took =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin);
        stop(game);
        if (!taken) {
            std::fprintf(stderr, "the game did not take the paste within 20 s\n");
            status = 1;
        } else {
            std::printf("%lld\n", static_cast<long long>(took.count()));
        }
    }
    ::rmdir((std::string(folder) + "/quira").c_str());
    ::rmdir(folder);
    return status;
}

#include "tui/curses_terminal.h"

#include "tui/curses_looks.h"
#include "tui/text.h"

#include <curses.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <term.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <utility>

namespace kelvaro {

namespace {

// What the signal handler may touch: the signal that asked the program to stop, and the
// writing end of a pipe whose reading end nextKey() waits on beside the keyboard, so that a
// signal wakes it. Both are process-wide because a signal handler cannot be handed anything.
volatile std::sig_atomic_t stopSignal = 0;
volatile std::sig_atomic_t suspendAsked = 0;
volatile std::sig_atomic_t wakeFd = -1;

void wakeUp() {
    if (wakeFd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(wakeFd, &byte, 1);
    }
}

extern "C" void askToStop(int signal) {
    const int saved = errno;
    stopSignal = signal;
    wakeUp();
    errno = saved;
}

// SIGTSTP from outside (kill -TSTP): the game stops itself once it has given the terminal back.
extern "C" void askToSuspend(int) {
    const int saved = errno;
    suspendAsked = 1;
    wakeUp();
    errno = saved;
}

constexpr std::array<int, 4> handledSignals{SIGINT, SIGTERM, SIGHUP, SIGTSTP};

bool namesUtf8(const char *name) {
    if (!name)
        return false;
    const std::string text(name);
    return text.find("UTF-8") != std::string::npos || text.find("utf8") != std::string::npos ||
           text.find("UTF8") != std::string::npos || text.find("utf-8") != std::string::npos;
}

// The user's locale, as far as this system has it. A language the C library has no tables for
// (Qt has its own, for the month names) would leave the whole locale at "C", where no UTF-8
// reaches the screen; then the character set alone is taken, or C.UTF-8 when the environment
// asks for UTF-8.
void useTheUsersCharacterSet() {
    if (std::setlocale(LC_ALL, ""))
        return;
    if (std::setlocale(LC_CTYPE, ""))
        return;
    const char *names[] = {std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG")};
    for (const char *name : names) {
        if (name && *name) {
            if (namesUtf8(name))
                std::setlocale(LC_CTYPE, "C.UTF-8");
            return;
        }
    }
}

// The sequences the keys send on the terminals the game supports (xterm, screen and tmux, the
// Linux console, vt100), taught to curses beside the terminal type's own: tmux and many
// terminal programs send the xterm sequences whatever TERM says, and vt100 knows no Home,
// End, Delete or F10.
struct KeySequence {
    const char *sequence;
    int key;
};
const KeySequence extraKeys[] = {
    {"\033[A", KEY_UP},      {"\033[B", KEY_DOWN},    {"\033[C", KEY_RIGHT},
    {"\033[D", KEY_LEFT},    {"\033OA", KEY_UP},      {"\033OB", KEY_DOWN},
    {"\033OC", KEY_RIGHT},   {"\033OD", KEY_LEFT},    {"\033[H", KEY_HOME},
    {"\033OH", KEY_HOME},    {"\033[1~", KEY_HOME},   {"\033[7~", KEY_HOME},
    {"\033[F", KEY_END},     {"\033OF", KEY_END},     {"\033[4~", KEY_END},
    {"\033[8~", KEY_END},    {"\033[3~", KEY_DC},     {"\033[Z", KEY_BTAB},
    {"\033OP", KEY_F(1)},    {"\033[11~", KEY_F(1)},  {"\033[[A", KEY_F(1)},
    {"\033OQ", KEY_F(2)},    {"\033[12~", KEY_F(2)},  {"\033[[B", KEY_F(2)},
    {"\033OR", KEY_F(3)},    {"\033[13~", KEY_F(3)},  {"\033[[C", KEY_F(3)},
    {"\033OS", KEY_F(4)},    {"\033[14~", KEY_F(4)},  {"\033[[D", KEY_F(4)},
    {"\033[15~", KEY_F(5)},  {"\033[[E", KEY_F(5)},   {"\033[17~", KEY_F(6)},
    {"\033[18~", KEY_F(7)},  {"\033[19~", KEY_F(8)},  {"\033[20~", KEY_F(9)},
    {"\033[21~", KEY_F(10)}, {"\033[23~", KEY_F(11)}, {"\033[24~", KEY_F(12)},
};

// The byte Ctrl+Z sends; the game turns the terminal's signals off to have Ctrl+S and Ctrl+L.
constexpr wint_t suspendCharacter = 0x1A;

Key keyOf(int result, wint_t code) {
    using Code = Key::Code;
    if (result == KEY_CODE_YES) {
        switch (code) {
        case KEY_UP:
            return Key::of(Code::Up);
        case KEY_DOWN:
            return Key::of(Code::Down);
        case KEY_LEFT:
            return Key::of(Code::Left);
        case KEY_RIGHT:
            return Key::of(Code::Right);
        case KEY_HOME:
            return Key::of(Code::Home);
        case KEY_END:
            return Key::of(Code::End);
        case KEY_BACKSPACE:
            return Key::of(Code::Backspace);
        case KEY_DC:
            return Key::of(Code::Delete);
        case KEY_ENTER:
            return Key::of(Code::Enter);
        case KEY_BTAB:
            return Key::of(Code::BackTab);
        case KEY_RESIZE:
            return Key::of(Code::Resize);
        default:
            if (code >= static_cast<wint_t>(KEY_F(1)) && code <= static_cast<wint_t>(KEY_F(63)))
                return Key::function(static_cast<int>(code - KEY_F0));
            return Key::of(Code::Other);
        }
    }
    switch (code) {
    case L'\r':
    case L'\n':
        return Key::of(Code::Enter);
    case L'\t':
        return Key::of(Code::Tab);
    case 0x7F:
    case 0x08: // Backspace as ^H, as a vt100 sends it
        return Key::of(Code::Backspace);
    case 0x03:
        return Key::of(Code::Interrupt);
    case 0x1B:
        return Key::of(Code::Escape);
    default:
        break;
    }
    if (code >= 0x01 && code <= 0x1A)
        return Key::control(static_cast<char>('A' + code - 1));
    if (code < 0x20)
        return Key::of(Code::Other);
    return Key::typed(static_cast<char32_t>(code));
}

// Reads what the keyboard has sent, without waiting: OK with a character, KEY_CODE_YES with a
// key of curses, or ERR for nothing. In a locale of one byte per character (LANG=C), bytes are
// read one by one and those that are no character there are passed over, where curses would
// drop everything that follows them.
int readCode(wint_t &code) {
    if (MB_CUR_MAX > 1)
        return wget_wch(stdscr, &code);
    for (;;) {
        const int byte = wgetch(stdscr);
        if (byte == ERR)
            return ERR;
        if (byte > UCHAR_MAX) {
            code = static_cast<wint_t>(byte);
            return KEY_CODE_YES;
        }
        code = byte < 0x80 ? static_cast<wint_t>(byte) : ::btowc(byte);
        if (code != WEOF)
            return OK;
    }
}

} // namespace

struct CursesTerminal::Opened {
    SCREEN *screen = nullptr;
    std::optional<Key> waiting; // read ahead by keyWaiting()
    std::array<int, 2> wake{-1, -1};
    std::array<struct sigaction, handledSignals.size()> previous{};
    bool coloured = false;
    bool suspendable = true;
    bool gone = false;
};

std::unique_ptr<CursesTerminal> CursesTerminal::open(std::string &why) {
    if (!::isatty(STDIN_FILENO)) {
        why = "standard input is not a terminal";
        return nullptr;
    }
    if (!::isatty(STDOUT_FILENO)) {
        why = "standard output is not a terminal";
        return nullptr;
    }
    // UTF-8 month names and the euro sign need the user's character set.
    useTheUsersCharacterSet();

    const char *type = std::getenv("TERM");
    const std::string typeName = type ? type : "";
    int error = 0;
    if (setupterm(nullptr, STDOUT_FILENO, &error) != OK) {
        why = "the terminal type '" + typeName + "' is unknown";
        return nullptr;
    }
    // A terminal that cannot put the cursor anywhere (TERM=dumb) cannot show the screen.
    const char *addressing = tigetstr("cup");
    const bool addressable = addressing != nullptr && addressing != reinterpret_cast<char *>(-1);
    del_curterm(cur_term);
    if (!addressable) {
        why = "the terminal type '" + typeName + "' cannot place the cursor";
        return nullptr;
    }

    auto opened = std::make_unique<Opened>();
    if (::pipe2(opened->wake.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        why = "no pipe for the signals";
        return nullptr;
    }
    stopSignal = 0;
    suspendAsked = 0;
    wakeFd = opened->wake[1];
    // Set before ncurses starts, so that it leaves these signals to us.
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < handledSignals.size(); ++i) {
        const bool suspend = handledSignals[i] == SIGTSTP;
        action.sa_handler = suspend ? askToSuspend : askToStop;
        sigaction(handledSignals[i], &action, &opened->previous[i]);
        // Started with stops ignored (no job control to resume it), the game stays ignoring them.
        if (suspend && opened->previous[i].sa_handler == SIG_IGN) {
            sigaction(SIGTSTP, &opened->previous[i], nullptr);
            opened->suspendable = false;
        }
    }

    opened->screen = newterm(nullptr, stdout, stdin);
    if (!opened->screen) {
        why = "the terminal type '" + typeName + "' is unknown";
        CursesTerminal closing(std::move(opened));
        return nullptr;
    }
    set_term(opened->screen);
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    nodelay(stdscr, TRUE);
    set_escdelay(25);
    for (const KeySequence &extra : extraKeys)
        define_key(extra.sequence, extra.key);
    curs_set(0);
    const char *noColour = std::getenv("NO_COLOR");
    if (has_colors() && !(noColour && *noColour)) {
        start_color();
        makePairs();
        opened->coloured = true;
    }
    return std::unique_ptr<CursesTerminal>(new CursesTerminal(std::move(opened)));
}

CursesTerminal::CursesTerminal(std::unique_ptr<Opened> opened) : opened_(std::move(opened)) {}

CursesTerminal::~CursesTerminal() {
    if (opened_->screen) {
        curs_set(1);
        endwin();
        delscreen(opened_->screen);
    }
    for (std::size_t i = 0; i < handledSignals.size(); ++i)
        sigaction(handledSignals[i], &opened_->previous[i], nullptr);
    wakeFd = -1;
    for (const int fd : opened_->wake)
        if (fd >= 0)
            ::close(fd);
}

TerminalSize CursesTerminal::size() const { return {getmaxx(stdscr), getmaxy(stdscr)}; }

void CursesTerminal::show(const Canvas &canvas) {
    for (int row = 0; row < canvas.height(); ++row) {
        for (int column = 0; column < canvas.width(); ++column) {
            const Cell &cell = canvas.at(row, column);
            if (cell.character == coveredCell)
                continue; // drawn with the wide character before it
            const Look look = opened_->coloured ? colouredLook(cell.style) : plainLook(cell.style);
            if (const chtype line = lineDrawing(cell.character)) {
                mvaddch(row, column, line | look.attributes | COLOR_PAIR(look.pair));
                continue;
            }
            // A character the terminal's character set cannot show in the columns the screen
            // gave it, such as the euro sign under LANG=C, is shown as "?".
            std::array<wchar_t, CCHARW_MAX + 1> text{static_cast<wchar_t>(cell.character)};
            const bool wide =
                column + 1 < canvas.width() && canvas.at(row, column + 1).character == coveredCell;
            if (::wcwidth(text[0]) != (wide ? 2 : 1)) {
                text[0] = L'?';
                if (wide)
                    mvaddch(row, column + 1, '?' | look.attributes | COLOR_PAIR(look.pair));
            } else {
                // The marks the cell holds ride on its character, as many as curses takes.
                std::size_t count = 1;
                for (const char32_t mark : cell.marks)
                    if (count < CCHARW_MAX && ::wcwidth(static_cast<wchar_t>(mark)) == 0)
                        text[count++] = static_cast<wchar_t>(mark);
            }
            cchar_t drawn;
            setcchar(&drawn, text.data(), look.attributes, look.pair, nullptr);
            mvadd_wch(row, column, &drawn);
        }
    }
    curs_set(canvas.cursorShown() ? 1 : 0);
    if (const std::optional<Position> cursor = canvas.cursor())
        move(cursor->row, cursor->column);
    refresh();
}

std::optional<Key> CursesTerminal::readKey() {
    wint_t code = 0;
    const int result = readCode(code);
    if (result == ERR)
        return std::nullopt;
    if (result == OK && code == suspendCharacter) {
        if (!opened_->suspendable)
            return Key::of(Key::Code::Other);
        suspend();
        return Key::of(Key::Code::Resize); // the screen is drawn again, at its size then
    }
    Key key = keyOf(result, code);
    // Alt and a letter come as Escape and the letter at once.
    if (key.code == Key::Code::Escape) {
        wint_t next = 0;
        const int following = readCode(next);
        if (following == OK && next >= 0x20)
            key = Key::withAlt(static_cast<char32_t>(next));
        else if (following == OK)
            unget_wch(static_cast<wchar_t>(next));
        else if (following == KEY_CODE_YES)
            ungetch(static_cast<int>(next));
    }
    return key;
}

// Gives the terminal back and stops the whole job, as the terminal's own Ctrl+Z would; after
// `fg` takes the terminal again and redraws all of it.
void CursesTerminal::suspend() {
    suspendAsked = 0;
    endwin();
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    sigemptyset(&plain.sa_mask);
    struct sigaction ours {};
    sigaction(SIGTSTP, &plain, &ours);
    ::kill(0, SIGTSTP);
    sigaction(SIGTSTP, &ours, nullptr);
    clearok(curscr, TRUE);
    refresh();
}

bool CursesTerminal::keyWaiting() {
    if (!opened_->waiting)
        opened_->waiting = readKey();
    return opened_->waiting.has_value();
}

std::optional<Key> CursesTerminal::nextKey() {
    for (;;) {
        if (stopSignal != 0 || opened_->gone)
            return std::nullopt;
        if (suspendAsked != 0) {
            suspend();
            return Key::of(Key::Code::Resize);
        }
        if (std::optional<Key> key = std::exchange(opened_->waiting, std::nullopt))
            return key;
        if (std::optional<Key> key = readKey())
            return key;
        std::array<pollfd, 2> waits{{{STDIN_FILENO, POLLIN, 0}, {opened_->wake[0], POLLIN, 0}}};
        if (::poll(waits.data(), waits.size(), -1) < 0) {
            // A signal: SIGWINCH makes the next read give the new size.
            if (errno != EINTR)
                opened_->gone = true;
            continue;
        }
        if (waits[1].revents != 0) {
            char drained[16];
            while (::read(opened_->wake[0], drained, sizeof drained) > 0) {
            }
            continue;
        }
        // A terminal that hung up, or input at its end, reads nothing ever again.
        int waiting = 0;
        if ((waits[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0 ||
            ((waits[0].revents & POLLIN) != 0 && ::ioctl(STDIN_FILENO, FIONREAD, &waiting) == 0 &&
             waiting == 0))
            opened_->gone = true;
    }
}

int CursesTerminal::stopStatus() const { return stopSignal != 0 ? 128 + stopSignal : 1; }

} // namespace kelvaro

#include "tui/curses_terminal.h"

#include <curses.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace kelvaro {

namespace {

// What the signal handler may touch: the signal that asked the program to stop, and the
// writing end of a pipe whose reading end nextKey() waits on beside the keyboard, so that a
// signal wakes it. Both are process-wide because a signal handler cannot be handed anything.
volatile std::sig_atomic_t stopSignal = 0;
volatile std::sig_atomic_t wakeFd = -1;

extern "C" void askToStop(int signal) {
    const int saved = errno;
    stopSignal = signal;
    if (wakeFd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(wakeFd, &byte, 1);
    }
    errno = saved;
}

constexpr std::array<int, 3> stopSignals{SIGINT, SIGTERM, SIGHUP};

enum Pair : short {
    WaterPair = 1,
    NamePair,
    BoxPair,
    ButtonPair,
    FocusPair,
    MenuPair,
    GreyedPair,
    FieldPair,
    InformationPair,
    ExclamationPair,
};

void makePairs() {
    init_pair(WaterPair, COLOR_WHITE, COLOR_BLUE);
    init_pair(NamePair, COLOR_YELLOW, COLOR_BLUE);
    init_pair(BoxPair, COLOR_BLACK, COLOR_WHITE);
    init_pair(ButtonPair, COLOR_BLACK, COLOR_CYAN);
    init_pair(FocusPair, COLOR_BLACK, COLOR_YELLOW);
    init_pair(MenuPair, COLOR_BLACK, COLOR_WHITE);
    init_pair(GreyedPair, COLOR_BLUE, COLOR_WHITE);
    init_pair(FieldPair, COLOR_BLACK, COLOR_CYAN);
    init_pair(InformationPair, COLOR_BLUE, COLOR_WHITE);
    init_pair(ExclamationPair, COLOR_RED, COLOR_WHITE);
}

struct Look {
    attr_t attributes;
    short pair;
};

Look colouredLook(Style style) {
    switch (style) {
    case Style::Water:
        return {A_NORMAL, WaterPair};
    case Style::Name:
    case Style::Rule:
        return {A_BOLD, NamePair};
    case Style::Heading:
    case Style::Label:
        return {A_BOLD, WaterPair};
    case Style::Box:
        return {A_NORMAL, BoxPair};
    case Style::Button:
    case Style::Hint:
        return {A_NORMAL, ButtonPair};
    case Style::Focused:
        return {A_BOLD, FocusPair};
    case Style::MenuBar:
    case Style::Menu:
    case Style::Dialog:
        return {A_NORMAL, MenuPair};
    case Style::MenuOpen:
    case Style::MenuChosen:
        return {A_REVERSE, MenuPair};
    case Style::MenuGreyed:
        return {A_NORMAL, GreyedPair};
    case Style::DialogCaption:
        return {A_BOLD, MenuPair};
    case Style::Field:
        return {A_NORMAL, FieldPair};
    case Style::Information:
    case Style::Question:
        return {A_BOLD, InformationPair};
    case Style::Exclamation:
        return {A_BOLD, ExclamationPair};
    }
    return {A_NORMAL, 0};
}

// Without colours: bold, reverse, dim and underline only, which a VT100 has.
Look plainLook(Style style) {
    switch (style) {
    case Style::Name:
    case Style::Heading:
    case Style::Label:
    case Style::DialogCaption:
    case Style::Information:
    case Style::Exclamation:
    case Style::Question:
    case Style::MenuOpen:
        return {A_BOLD, 0};
    case Style::Focused:
    case Style::MenuBar:
    case Style::MenuChosen:
    case Style::Hint:
        return {A_REVERSE, 0};
    case Style::MenuGreyed:
        return {A_DIM, 0};
    case Style::Field:
        return {A_UNDERLINE, 0};
    default:
        return {A_NORMAL, 0};
    }
}

// The line-drawing characters in the terminal's own set, which every terminal has.
chtype lineDrawing(char32_t character) {
    switch (character) {
    case horizontalLine:
        return ACS_HLINE;
    case verticalLine:
        return ACS_VLINE;
    case topLeftCorner:
        return ACS_ULCORNER;
    case topRightCorner:
        return ACS_URCORNER;
    case bottomLeftCorner:
        return ACS_LLCORNER;
    case bottomRightCorner:
        return ACS_LRCORNER;
    default:
        return 0;
    }
}

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
            if (code == static_cast<wint_t>(KEY_F(1)))
                return Key::of(Code::F1);
            if (code == static_cast<wint_t>(KEY_F(10)))
                return Key::of(Code::F10);
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
    case 0x08:
        return Key::of(Code::Backspace);
    case 0x03:
        return Key::of(Code::Interrupt);
    case 0x0C:
        return Key::of(Code::CtrlL);
    case 0x13:
        return Key::of(Code::CtrlS);
    case 0x1B:
        return Key::of(Code::Escape);
    default:
        break;
    }
    if (code < 0x20)
        return Key::of(Code::Other);
    return Key::typed(static_cast<char32_t>(code));
}

} // namespace

struct CursesTerminal::Opened {
    SCREEN *screen = nullptr;
    std::array<int, 2> wake{-1, -1};
    std::array<struct sigaction, stopSignals.size()> previous{};
    bool coloured = false;
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

    auto opened = std::make_unique<Opened>();
    if (::pipe2(opened->wake.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        why = "no pipe for the signals";
        return nullptr;
    }
    stopSignal = 0;
    wakeFd = opened->wake[1];
    // Set before ncurses starts, so that it leaves these signals to us.
    struct sigaction action {};
    action.sa_handler = askToStop;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < stopSignals.size(); ++i)
        sigaction(stopSignals[i], &action, &opened->previous[i]);

    opened->screen = newterm(nullptr, stdout, stdin);
    if (!opened->screen) {
        const char *type = std::getenv("TERM");
        why = std::string("the terminal type '") + (type ? type : "") + "' is unknown";
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
    for (std::size_t i = 0; i < stopSignals.size(); ++i)
        sigaction(stopSignals[i], &opened_->previous[i], nullptr);
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
            wchar_t text[2] = {static_cast<wchar_t>(cell.character), L'\0'};
            const bool wide =
                column + 1 < canvas.width() && canvas.at(row, column + 1).character == coveredCell;
            if (::wcwidth(text[0]) != (wide ? 2 : 1)) {
                text[0] = L'?';
                if (wide)
                    mvaddch(row, column + 1, '?' | look.attributes | COLOR_PAIR(look.pair));
            }
            cchar_t drawn;
            setcchar(&drawn, text, look.attributes, look.pair, nullptr);
            mvadd_wch(row, column, &drawn);
        }
    }
    if (const std::optional<Position> cursor = canvas.cursor()) {
        curs_set(1);
        move(cursor->row, cursor->column);
    } else {
        curs_set(0);
    }
    refresh();
}

std::optional<Key> CursesTerminal::nextKey() {
    for (;;) {
        if (stopSignal != 0 || opened_->gone)
            return std::nullopt;
        wint_t code = 0;
        const int result = wget_wch(stdscr, &code);
        if (result != ERR) {
            Key key = keyOf(result, code);
            // Alt and a letter come as Escape and the letter at once.
            if (key.code == Key::Code::Escape) {
                wint_t next = 0;
                const int following = wget_wch(stdscr, &next);
                if (following == OK && next >= 0x20)
                    key = Key::withAlt(static_cast<char32_t>(next));
                else if (following == OK)
                    unget_wch(static_cast<wchar_t>(next));
                else if (following == KEY_CODE_YES)
                    ungetch(static_cast<int>(next));
            }
            return key;
        }
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

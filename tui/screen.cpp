#include "tui/screen.h"

#include "core/screen_texts.h"
#include "core/window_layout.h"
#include "tui/text.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace kelvaro {

namespace {

// Lines and columns inside the 80 by 22 area between the menu bar and the keys line.
constexpr int nameLine = 1;
constexpr int nameRuleLine = 2;
constexpr int pricesLine = 4;
constexpr int pricesRuleLine = 5;
constexpr int companySizeLine = 7;
constexpr int companySizeRuleLine = 8;
constexpr int dateLine = 11;
constexpr int workersLine = 13;
constexpr int moneyLine = 15;
constexpr int waitLine = 17;
constexpr int labelsEnd = 12; // the box labels end just before this column
constexpr int leftBoxColumn = 13;
constexpr int leftBoxWidth = 19;
constexpr int rowLabelColumn = 33;
constexpr int stockColumn = 41;
constexpr int stockWidth = 10;
constexpr int priceColumn = 52;
constexpr int priceWidth = 8;
constexpr int buyColumn = 62;
constexpr int sellColumn = 70;
constexpr int waitColumn = 41;
constexpr int waitWidth = 28;
// The date box grows to the left for a longer date, its label with it, up to these columns.
constexpr int widestDateBox = 26;
// Left and Right weigh a line up or down as this many columns, so they keep to their line.
constexpr int lineAcross = 16;

constexpr int rowLine(FishKind kind) { return companySizeLine + 2 * (kindNumber(kind) - 1); }

// The keys of the screen, then every menu shortcut with its item's caption.
std::u32string keysLine() {
    std::string line = "F10 Menu   Tab/arrows Move   Enter Press";
    for (const ShortcutUse &use : shortcutsInUse()) {
        std::string caption = use.entry->caption;
        caption.erase(caption.find_last_not_of(' ') + 1);
        line += "   " + shortcutText(use.entry->shortcut) + " " + caption;
    }
    return fromUtf8(line);
}

// The screen's control for a control of the window's Tab order, by the control's role.
Control screenControl(const ControlRef &ref) {
    using Kind = Control::Kind;
    const LayoutControl *control = controlNamed(ref);
    FishKind fish = FishKind::Angler;
    for (const FishKind kind : allFishKinds)
        if (kindNumber(kind) == ref.index)
            fish = kind;
    switch (control ? control->role : ControlRole::Decoration) {
    case ControlRole::Money:
        return Control{Kind::Money};
    case ControlRole::Workers:
        return Control{Kind::Workers};
    case ControlRole::Date:
        return Control{Kind::Date};
    case ControlRole::Stock:
        return Control{Kind::Stock, fish};
    case ControlRole::Price:
        return Control{Kind::Price, fish};
    case ControlRole::Buy:
        return Control{Kind::Buy, fish};
    case ControlRole::Sell:
        return Control{Kind::Sell, fish};
    case ControlRole::Decoration:
    case ControlRole::CompanyName:
    case ControlRole::Wait:
        break;
    }
    return Control{Kind::Wait};
}

// The key of a menu shortcut as the menu tree writes it, if the key is one.
ShortcutKey shortcutOf(const Key &key) {
    if (key.code == Key::Code::Control)
        return {.ctrl = true, .letter = static_cast<char>(key.character)};
    if (key.code == Key::Code::Function)
        return {.functionKey = static_cast<int>(key.character)};
    return {};
}

std::u32string number(std::int32_t value) { return fromUtf8(std::to_string(value)); }

LineEditor editorWith(const char *text) {
    LineEditor editor;
    editor.setText(fromUtf8(text));
    return editor;
}

Position areaOrigin(const Canvas &canvas) {
    return {1 + std::max(0, (canvas.height() - MainScreen::minimumHeight) / 2),
            std::max(0, (canvas.width() - MainScreen::minimumWidth) / 2)};
}

std::u32string buttonCaption(const Control &button) {
    switch (button.kind) {
    case Control::Kind::Buy:
        return fromUtf8(screen_text::buy);
    case Control::Kind::Sell:
        return fromUtf8(screen_text::sell);
    default:
        return fromUtf8(screen_text::wait);
    }
}

// Where a button's centred caption starts in its box.
int firstNonBlank(const std::u32string &text) {
    const std::size_t at = text.find_first_not_of(U' ');
    return at == std::u32string::npos ? 0 : static_cast<int>(at);
}

} // namespace

MainScreen::MainScreen()
    : title_(screen_text::titleBeforeTheStart), name_(fromUtf8(screen_text::nameBeforeTheStart)) {
    for (const FishKind kind : allFishKinds) {
        stock_[kind] = editorWith(screen_text::boxBeforeTheStart);
        price_[kind] = editorWith(screen_text::boxBeforeTheStart);
    }
    for (const ControlRef &ref : tabOrder())
        order_.push_back(screenControl(ref));
}

void MainScreen::showPrice(FishKind kind, std::int32_t price) {
    price_[kind].setText(number(price));
}
void MainScreen::showStock(FishKind kind, std::int32_t stock) {
    stock_[kind].setText(number(stock));
}
void MainScreen::showMoney(std::int32_t money) { money_ = number(money); }
void MainScreen::showWorkforce(std::int32_t workforce) { workers_ = number(workforce); }
void MainScreen::showDate(const std::string &text) { date_ = fromUtf8(text); }
void MainScreen::showCompanyName(const std::string &name) { name_ = fromUtf8(name); }
void MainScreen::setTitle(const std::string &title) { title_ = title; }

void MainScreen::show() {
    shown_ = true;
    focus_ = 0;
    editing_ = false;
}

LineEditor &MainScreen::editorOf(const Control &box) {
    return box.kind == Control::Kind::Stock ? stock_[box.fish] : price_[box.fish];
}

const std::u32string &MainScreen::textOf(const Control &box) const {
    switch (box.kind) {
    case Control::Kind::Money:
        return money_;
    case Control::Kind::Workers:
        return workers_;
    case Control::Kind::Date:
        return date_;
    case Control::Kind::Stock:
        return stock_[box.fish].text();
    default:
        return price_[box.fish].text();
    }
}

std::string MainScreen::boxText(const Control &box) const { return toUtf8(textOf(box)); }

MainScreen::Placed MainScreen::placeOf(const Control &control) const {
    switch (control.kind) {
    case Control::Kind::Money:
        return {{moneyLine, leftBoxColumn}, leftBoxWidth};
    case Control::Kind::Workers:
        return {{workersLine, leftBoxColumn}, leftBoxWidth};
    case Control::Kind::Date: {
        // The whole date shows, as in the window: the box ends where the others do.
        const int width = std::clamp(columnsOf(date_) + 2, leftBoxWidth, widestDateBox);
        return {{dateLine, leftBoxColumn + leftBoxWidth - width}, width};
    }
    case Control::Kind::Stock:
        return {{rowLine(control.fish), stockColumn}, stockWidth};
    case Control::Kind::Price:
        return {{rowLine(control.fish), priceColumn}, priceWidth};
    case Control::Kind::Buy:
        return {{rowLine(control.fish), buyColumn}, 7};
    case Control::Kind::Sell:
        return {{rowLine(control.fish), sellColumn}, 8};
    case Control::Kind::Wait:
        break;
    }
    return {{waitLine, waitColumn}, waitWidth};
}

// The nearest control that way, measured from the middles; a step across the way counts
// for less than a step along it, so that the arrows keep to a line or a column.
void MainScreen::moveFocus(Key::Code arrow) {
    const auto middle = [this](const Control &control) {
        const Placed placed = placeOf(control);
        return Position{placed.at.row, placed.at.column + placed.width / 2};
    };
    const Position from = middle(focus());
    std::optional<std::size_t> best;
    int bestScore = 0;
    for (std::size_t i = 0; i < order_.size(); ++i) {
        const Position to = middle(order_[i]);
        const int down = to.row - from.row;
        const int right = to.column - from.column;
        int along = 0;
        int across = 0;
        switch (arrow) {
        case Key::Code::Up:
            along = -down, across = right;
            break;
        case Key::Code::Down:
            along = down, across = right;
            break;
        case Key::Code::Left:
            along = -right, across = down * lineAcross;
            break;
        default:
            along = right, across = down * lineAcross;
            break;
        }
        if (along <= 0)
            continue;
        const int score =
            along * (arrow == Key::Code::Up || arrow == Key::Code::Down ? 8 : 1) + std::abs(across);
        if (!best || score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    if (best)
        focus_ = *best;
}

std::optional<PlayerAction> MainScreen::handle(const Key &key) {
    if (menuBar_.isOpen()) {
        if (const std::optional<MenuCommand> command = menuBar_.handle(key))
            return PlayerAction::menu(*command);
        return std::nullopt;
    }
    if (key.code == Key::Code::Function && key.character == MenuBar::menuKeyNumber) {
        menuBar_.open(0);
        return std::nullopt;
    }
    if (const ShortcutKey shortcut = shortcutOf(key); shortcut != ShortcutKey{}) {
        if (const MenuCommand command = commandForShortcut(shortcut); command != MenuCommand::None)
            return PlayerAction::menu(command);
        return std::nullopt;
    }
    if (key.code == Key::Code::Character && key.alt) {
        if (const auto opened = menuBar_.menuForLetter(key.character))
            menuBar_.open(*opened);
        return std::nullopt;
    }
    const std::size_t before = focus_;
    // A box is edited once a key other than an arrow has gone into it; until then the arrows
    // move from box to box, and after it Left and Right move the cursor up to its ends.
    if (focus().takesTyping() &&
        (editing_ || (key.code != Key::Code::Left && key.code != Key::Code::Right)) &&
        editorOf(focus()).handle(key)) {
        editing_ = true;
        return std::nullopt;
    }
    switch (key.code) {
    case Key::Code::Tab:
        focus_ = (focus_ + 1) % order_.size();
        break;
    case Key::Code::BackTab:
        focus_ = (focus_ + order_.size() - 1) % order_.size();
        break;
    case Key::Code::Up:
    case Key::Code::Down:
    case Key::Code::Left:
    case Key::Code::Right:
        moveFocus(key.code);
        break;
    default:
        break;
    }
    if (focus_ != before) {
        editing_ = false;
        if (focus().takesTyping())
            editorOf(focus()).handle(Key::of(Key::Code::End));
        return std::nullopt;
    }
    const bool presses =
        key.code == Key::Code::Enter || (key.code == Key::Code::Character && key.character == U' ');
    if (presses && focus().isButton()) {
        switch (focus().kind) {
        case Control::Kind::Buy:
            return PlayerAction::buy(focus().fish);
        case Control::Kind::Sell:
            return PlayerAction::sell(focus().fish);
        default:
            return PlayerAction::wait();
        }
    }
    return std::nullopt;
}

void MainScreen::draw(Canvas &canvas) const {
    if (!shown_)
        return;
    const Position origin = areaOrigin(canvas);
    const auto put = [&](int line, int column, std::u32string_view text, Style style) {
        canvas.write(origin.row + line, origin.column + column, text, style);
    };
    const auto rule = [&](int line, int column, int width) {
        canvas.fill(origin.row + line, origin.column + column, width, horizontalLine, Style::Rule);
    };
    const auto rightAligned = [&](int line, const char *label, int end = labelsEnd) {
        const std::u32string text = fromUtf8(label);
        put(line, end - columnsOf(text), text, Style::Label);
    };

    put(nameLine, 2, fittingStart(name_, 76), Style::Name);
    rule(nameRuleLine, 1, 78);
    const std::u32string prices = fromUtf8(screen_text::prices);
    put(pricesLine, stockColumn + (priceColumn + priceWidth - stockColumn - 6) / 2, prices,
        Style::Heading);
    rule(pricesRuleLine, stockColumn, priceColumn + priceWidth - stockColumn);
    const std::u32string companySize = fromUtf8(screen_text::companySize);
    put(companySizeLine, 1 + (30 - columnsOf(companySize)) / 2, companySize, Style::Heading);
    rule(companySizeRuleLine, 5, 22);
    rightAligned(dateLine, screen_text::date,
                 placeOf({Control::Kind::Date}).at.column - (leftBoxColumn - labelsEnd));
    rightAligned(workersLine, screen_text::workers);
    rightAligned(moneyLine, screen_text::money);
    for (const FishKind kind : allFishKinds)
        put(rowLine(kind), rowLabelColumn, fromUtf8(screen_text::rowLabel(kind)), Style::Label);

    for (const Control &control : order_) {
        const Placed placed = placeOf(control);
        const bool hasFocus = shown_ && control == focus() && !menuBar_.isOpen();
        const Style style = hasFocus             ? Style::Focused
                            : control.isButton() ? Style::Button
                                                 : Style::Box;
        std::u32string shown(static_cast<std::size_t>(placed.width - 2), U' ');
        if (control.isButton()) {
            const std::u32string caption = buttonCaption(control);
            shown.replace((shown.size() - caption.size()) / 2, caption.size(), caption);
        } else {
            // A text wider than its box shows from its start, clipped on the right, unless
            // the cursor is in it further on.
            std::u32string text = fittingStart(textOf(control), placed.width - 2);
            if (hasFocus && control.takesTyping()) {
                const LineEditor::Shown edited =
                    (control.kind == Control::Kind::Stock ? stock_ : price_)[control.fish].shown(
                        placed.width - 2);
                text = edited.text;
                canvas.placeCursor({origin.row + placed.at.row,
                                    origin.column + placed.at.column + 1 + edited.cursorColumn});
            }
            shown = text + std::u32string(
                               static_cast<std::size_t>(placed.width - 2 - columnsOf(text)), U' ');
        }
        put(placed.at.row, placed.at.column, U"[" + shown + U"]", style);
        if (hasFocus)
            put(placed.at.row, placed.at.column - 1, U">", Style::Water);
        if (hasFocus && !control.takesTyping()) {
            const int caption = control.isButton() ? firstNonBlank(shown) : 0;
            canvas.placeHiddenCursor(
                {origin.row + placed.at.row, origin.column + placed.at.column + 1 + caption});
        }
    }
    canvas.fill(canvas.height() - 1, 0, canvas.width(), U' ', Style::Hint);
    canvas.write(canvas.height() - 1, 1, keysLine(), Style::Hint);
    menuBar_.draw(canvas, title_);
}

} // namespace kelvaro

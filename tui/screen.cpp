#include "tui/screen.h"

#include "core/screen_texts.h"
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

constexpr int rowLine(FishKind kind) { return companySizeLine + 2 * (kindNumber(kind) - 1); }

const std::u32string keysLine = U"F10 Menu   Tab/arrows Move   Enter Press   Ctrl+S Save   "
                                U"Ctrl+L Load   F1 Info";

std::u32string number(std::int32_t value) { return fromUtf8(std::to_string(value)); }

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

} // namespace

MainScreen::MainScreen()
    : title_(screen_text::titleBeforeTheStart), name_(fromUtf8(screen_text::nameBeforeTheStart)) {
    for (const FishKind kind : allFishKinds) {
        stock_[kind] = fromUtf8(screen_text::boxBeforeTheStart);
        price_[kind] = fromUtf8(screen_text::boxBeforeTheStart);
    }
    using Kind = Control::Kind;
    order_ = {{Kind::Money}, {Kind::Workers}, {Kind::Date},
              {Kind::Buy},   {Kind::Sell},    {Kind::Wait}};
    for (const Kind kind : {Kind::Stock, Kind::Price, Kind::Buy, Kind::Sell})
        for (const FishKind fish : allFishKinds)
            if (!((kind == Kind::Buy || kind == Kind::Sell) && fish == FishKind::Angler))
                order_.push_back({kind, fish});
}

void MainScreen::showPrice(FishKind kind, std::int32_t price) { price_[kind] = number(price); }
void MainScreen::showStock(FishKind kind, std::int32_t stock) { stock_[kind] = number(stock); }
void MainScreen::showMoney(std::int32_t money) { money_ = number(money); }
void MainScreen::showWorkforce(std::int32_t workforce) { workers_ = number(workforce); }
void MainScreen::showDate(const std::string &text) { date_ = fromUtf8(text); }
void MainScreen::showCompanyName(const std::string &name) { name_ = fromUtf8(name); }
void MainScreen::setTitle(const std::string &title) { title_ = title; }

void MainScreen::show() {
    shown_ = true;
    focus_ = 0;
}

std::u32string &MainScreen::textOf(const Control &box) {
    return const_cast<std::u32string &>(std::as_const(*this).textOf(box));
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
        return stock_[box.fish];
    default:
        return price_[box.fish];
    }
}

std::string MainScreen::boxText(const Control &box) const { return toUtf8(textOf(box)); }

MainScreen::Placed MainScreen::placeOf(const Control &control) {
    switch (control.kind) {
    case Control::Kind::Money:
        return {{moneyLine, leftBoxColumn}, leftBoxWidth};
    case Control::Kind::Workers:
        return {{workersLine, leftBoxColumn}, leftBoxWidth};
    case Control::Kind::Date:
        return {{dateLine, leftBoxColumn}, leftBoxWidth};
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
    const auto middle = [](const Control &control) {
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
            along = -right, across = down * 4;
            break;
        default:
            along = right, across = down * 4;
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

ScreenAction MainScreen::handle(const Key &key) {
    if (menuBar_.isOpen()) {
        if (const std::optional<MenuCommand> command = menuBar_.handle(key))
            return {ScreenAction::Kind::Menu, FishKind::Angler, *command};
        return {};
    }
    const auto menu = [](MenuCommand command) {
        return ScreenAction{ScreenAction::Kind::Menu, FishKind::Angler, command};
    };
    switch (key.code) {
    case Key::Code::F10:
        menuBar_.open(0);
        return {};
    case Key::Code::CtrlL:
        return menu(MenuCommand::Load);
    case Key::Code::CtrlS:
        return menu(MenuCommand::Save);
    case Key::Code::F1:
        return menu(MenuCommand::Info);
    case Key::Code::Tab:
        focus_ = (focus_ + 1) % order_.size();
        return {};
    case Key::Code::BackTab:
        focus_ = (focus_ + order_.size() - 1) % order_.size();
        return {};
    case Key::Code::Up:
    case Key::Code::Down:
    case Key::Code::Left:
    case Key::Code::Right:
        moveFocus(key.code);
        return {};
    case Key::Code::Backspace:
        if (focus().takesTyping() && !textOf(focus()).empty())
            textOf(focus()).pop_back();
        return {};
    default:
        break;
    }
    if (key.code == Key::Code::Character && key.alt) {
        if (const auto opened = menuBar_.menuForLetter(key.character))
            menuBar_.open(*opened);
        return {};
    }
    const bool presses =
        key.code == Key::Code::Enter || (key.code == Key::Code::Character && key.character == U' ');
    if (presses && focus().isButton()) {
        switch (focus().kind) {
        case Control::Kind::Buy:
            return {ScreenAction::Kind::Buy, focus().fish};
        case Control::Kind::Sell:
            return {ScreenAction::Kind::Sell, focus().fish};
        default:
            return {ScreenAction::Kind::Wait};
        }
    }
    // What is typed into a row's box stays there, and the game never reads it.
    if (key.isText() && focus().takesTyping() && textOf(focus()).size() < 32767)
        textOf(focus()).push_back(key.character);
    return {};
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
    const auto rightAligned = [&](int line, const char *label) {
        const std::u32string text = fromUtf8(label);
        put(line, labelsEnd - static_cast<int>(text.size()), text, Style::Label);
    };

    put(nameLine, 2, fittingStart(name_, 76), Style::Name);
    rule(nameRuleLine, 1, 78);
    const std::u32string prices = fromUtf8(screen_text::prices);
    put(pricesLine, stockColumn + (priceColumn + priceWidth - stockColumn - 6) / 2, prices,
        Style::Heading);
    rule(pricesRuleLine, stockColumn, priceColumn + priceWidth - stockColumn);
    const std::u32string companySize = fromUtf8(screen_text::companySize);
    put(companySizeLine, 1 + (30 - static_cast<int>(companySize.size())) / 2, companySize,
        Style::Heading);
    rule(companySizeRuleLine, 5, 22);
    rightAligned(dateLine, screen_text::date);
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
            // A text wider than its box shows from its start, clipped on the right.
            const std::u32string text = fittingStart(textOf(control), placed.width - 2);
            int columns = 0;
            for (const char32_t c : text)
                columns += columnsOf(c);
            shown =
                text + std::u32string(static_cast<std::size_t>(placed.width - 2 - columns), U' ');
        }
        put(placed.at.row, placed.at.column, U"[" + shown + U"]", style);
        if (hasFocus)
            put(placed.at.row, placed.at.column - 1, U">", Style::Water);
    }
    canvas.fill(canvas.height() - 1, 0, canvas.width(), U' ', Style::Hint);
    canvas.write(canvas.height() - 1, 1, keysLine, Style::Hint);
    menuBar_.draw(canvas, title_);
}

} // namespace kelvaro

#include "core/window_layout.h"

#include "core/fish_kind.h"
#include "core/screen_texts.h"

#include <array>
#include <vector>

namespace kelvaro {

namespace {

constexpr Colour white{255, 255, 255};
constexpr Colour orange{255, 192, 128};
constexpr Colour black{0, 0, 0};

// Every control of a row shares the row's top and height.
constexpr int rowTop(FishKind kind) { return 1800 + 480 * (kindNumber(kind) - 1); }
constexpr int rowHeight = 375;

constexpr LayoutFont gridFont{FontFace::UserInterface, 8.25, false};

// The name label of each kind's row, by kind number; slot 0 is never used.
constexpr std::array<const char *, 6> rowLabelNames{"",        "lblKabeljouw", "lblPaling",
                                                    "lblZalm", "lblForel",     "lblKarper"};

LayoutControl label(std::string name, TwipsRect rect, const char *caption, LayoutFont font,
                    Colour colour, TextAlignment alignment) {
    return {std::move(name),
            0,
            ControlType::Label,
            ControlRole::Decoration,
            rect,
            font,
            colour,
            std::nullopt,
            alignment,
            caption,
            {},
            {}};
}

LayoutControl box(std::string name, int index, ControlType type, ControlRole role, TwipsRect rect,
                  LayoutFont font, std::string text, std::string accessibleName,
                  std::string description) {
    return {std::move(name),
            index,
            type,
            role,
            rect,
            font,
            black,
            white,
            TextAlignment::Left,
            std::move(text),
            std::move(accessibleName),
            std::move(description)};
}

LayoutControl button(std::string name, int index, ControlRole role, TwipsRect rect,
                     const char *caption, std::string accessibleName, std::string description) {
    return {std::move(name),
            index,
            ControlType::Button,
            role,
            rect,
            gridFont,
            std::nullopt,
            std::nullopt,
            TextAlignment::Centre,
            caption,
            std::move(accessibleName),
            std::move(description)};
}

std::vector<LayoutControl> buildControls() {
    constexpr LayoutFont rowFont{FontFace::Verdana, 9.75, true};
    std::vector<LayoutControl> controls{
        label("lblNaam", {120, 240, 9855, 375}, screen_text::nameBeforeTheStart,
              {FontFace::Verdana, 15.75, true}, orange, TextAlignment::Left),
        label("Label7", {4560, 1200, 3135, 375}, screen_text::prices,
              {FontFace::Verdana, 14.25, false}, white, TextAlignment::Centre),
        label("Label6", {600, 1920, 3135, 375}, screen_text::companySize,
              {FontFace::Verdana, 14.25, false}, white, TextAlignment::Centre),
        label("Label5", {480, 2880, 1455, 375}, screen_text::date, rowFont, white,
              TextAlignment::Right),
        label("Label4", {480, 3360, 1455, 375}, screen_text::workers, rowFont, white,
              TextAlignment::Right),
        label("Label3", {1080, 3840, 855, 255}, screen_text::money, rowFont, white,
              TextAlignment::Right),
    };
    controls.front().role = ControlRole::CompanyName;
    controls.front().accessibleName = "Company name";
    controls.front().accessibleDescription = "The company's name";
    for (const FishKind kind : allFishKinds) {
        const int width = kind == FishKind::Angler ? 1215 : 1095;
        controls.push_back(label(rowLabelNames[static_cast<std::size_t>(kindNumber(kind))],
                                 {4080, rowTop(kind), width, rowHeight},
                                 screen_text::rowLabel(kind), rowFont, white, TextAlignment::Left));
    }
    for (const FishKind kind : allFishKinds) {
        const int top = rowTop(kind);
        const int k = kindNumber(kind);
        const std::string fish(fishName(kind));
        const std::string Fish = static_cast<char>(fish.front() - 'a' + 'A') + fish.substr(1);
        controls.push_back(box("txtVissen", k, ControlType::TextBox, ControlRole::Stock,
                               {5400, top, 1575, rowHeight}, gridFont,
                               screen_text::boxBeforeTheStart, Fish + " stock",
                               "How many " + fish + " the company holds"));
        controls.push_back(box(
            "txtMarktprijs", k, ControlType::TextBox, ControlRole::Price,
            {7080, top, 1455, rowHeight}, gridFont, screen_text::boxBeforeTheStart, Fish + " price",
            "Today's price of one " + fish + " in euros, for buying and selling"));
        controls.push_back(button("cmdKopen", k, ControlRole::Buy, {8640, top, 1575, rowHeight},
                                  screen_text::buy, "Buy " + fish,
                                  "Buy " + fish + " at today's price; a day passes"));
        controls.push_back(button("cmdVerkopen", k, ControlRole::Sell,
                                  {10320, top, 1455, rowHeight}, screen_text::sell, "Sell " + fish,
                                  "Sell " + fish + " at today's price; a day passes"));
    }
    controls.push_back(box("txtJaar", 0, ControlType::ReadOnlyTextBox, ControlRole::Date,
                           {2040, 2880, 1575, 285}, {FontFace::Tahoma, 8.25, true}, {}, "Date",
                           "Today's date in the game"));
    controls.push_back(box("txtWerkers", 0, ControlType::ReadOnlyTextBox, ControlRole::Workers,
                           {2040, 3330, 1575, 285}, {FontFace::Tahoma, 9.75, true}, {}, "Workers",
                           "The workers employed, paid 10 euros each a day"));
    controls.push_back(box("txtGeld", 0, ControlType::ReadOnlyTextBox, ControlRole::Money,
                           {2040, 3810, 1575, 285}, {FontFace::Tahoma, 9.75, true}, {}, "Money",
                           "The company's money in euros"));
    controls.push_back(button("cmdWachten", 0, ControlRole::Wait, {6000, 4560, 3135, 375},
                              screen_text::wait, "Wait", "Let a day pass"));
    return controls;
}

const std::array<LayoutLine, 3> lines{{
    {"Line1", 120, 960, 10080, 960, orange, 3},
    {"Line2", 600, 2280, 3720, 2280, white, 1},
    {"Line3", 4680, 1560, 7800, 1560, white, 1},
}};

constexpr std::array<ControlRef, 24> focusOrder{{
    {"txtGeld", 0},       {"txtWerkers", 0},    {"txtJaar", 0},       {"cmdKopen", 1},
    {"cmdVerkopen", 1},   {"cmdWachten", 0},    {"txtVissen", 1},     {"txtVissen", 2},
    {"txtVissen", 3},     {"txtVissen", 4},     {"txtVissen", 5},     {"txtMarktprijs", 1},
    {"txtMarktprijs", 2}, {"txtMarktprijs", 3}, {"txtMarktprijs", 4}, {"txtMarktprijs", 5},
    {"cmdKopen", 2},      {"cmdKopen", 3},      {"cmdKopen", 4},      {"cmdKopen", 5},
    {"cmdVerkopen", 2},   {"cmdVerkopen", 3},   {"cmdVerkopen", 4},   {"cmdVerkopen", 5},
}};

} // namespace

std::string qualifiedName(const ControlRef &control) {
    const std::string name = control.name;
    return control.index == 0 ? name : name + "(" + std::to_string(control.index) + ")";
}

std::string LayoutControl::qualifiedName() const {
    return kelvaro::qualifiedName(ControlRef{name.c_str(), index});
}

std::span<const LayoutControl> windowControls() {
    // Built once, on first use, and never changed.
    static const std::vector<LayoutControl> controls = buildControls();
    return controls;
}

const LayoutControl *controlWithRole(ControlRole role, int index) {
    if (role == ControlRole::Decoration)
        return nullptr;
    for (const LayoutControl &control : windowControls())
        if (control.role == role && control.index == index)
            return &control;
    return nullptr;
}

const LayoutControl *controlNamed(const ControlRef &ref) {
    for (const LayoutControl &control : windowControls())
        if (control.name == ref.name && control.index == ref.index)
            return &control;
    return nullptr;
}

std::span<const LayoutLine> windowLines() { return lines; }

std::span<const ControlRef> tabOrder() { return focusOrder; }

} // namespace kelvaro

// The screen's styles and box-drawing characters as curses draws them.
#include "tui/curses_looks.h"


namespace kelvaro {

namespace {

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

} // namespace

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

} // namespace kelvaro

#include "tui/canvas.h"

#include "tui/text.h"

#include <algorithm>

namespace kelvaro {

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      cells_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {}

Cell &Canvas::cell(int row, int column) {
    return cells_[static_cast<std::size_t>(row * width_ + column)];
}

void Canvas::put(int row, int column, char32_t character, Style style) {
    Cell &target = cell(row, column);
    if (target.character == coveredCell && column > 0)
        cell(row, column - 1) = Cell{U' ', cell(row, column - 1).style, {}};
    else if (target.character != coveredCell && columnsOf(target.character) == 2 &&
             column + 1 < width_ && cell(row, column + 1).character == coveredCell)
        cell(row, column + 1) = Cell{U' ', cell(row, column + 1).style, {}};
    target = Cell{character, style, {}};
}

void Canvas::write(int row, int column, std::u32string_view text, Style style) {
    if (row < 0 || row >= height_)
        return;
    // The cell of the last character written, which takes the marks that follow it.
    std::optional<int> last;
    for (const char32_t character : text) {
        const int columns = columnsOf(character);
        if (columns == 0) {
            if (last)
                cell(row, *last).marks.push_back(character);
            continue;
        }
        last.reset();
        if (column >= width_)
            break;
        if (columns == 2 && column + 1 < width_ && column >= 0) {
            put(row, column, character, style);
            put(row, column + 1, coveredCell, style);
            last = column;
        } else if (column >= 0) {
            // A wide character cut in half by an edge shows as a blank.
            put(row, column, columns == 2 ? U' ' : character, style);
            if (columns == 1)
                last = column;
        } else if (columns == 2 && column == -1) {
            put(row, 0, U' ', style);
        }
        column += columns;
    }
}

void Canvas::write(int row, int column, std::string_view utf8, Style style) {
    write(row, column, fromUtf8(utf8), style);
}

void Canvas::fill(int row, int column, int count, char32_t character, Style style) {
    if (count > 0)
        write(row, column, std::u32string(static_cast<std::size_t>(count), character), style);
}

void Canvas::frame(int top, int left, int height, int width, Style style) {
    if (height < 2 || width < 2)
        return;
    const int right = left + width - 1;
    const int bottom = top + height - 1;
    fill(top, left + 1, width - 2, horizontalLine, style);
    fill(bottom, left + 1, width - 2, horizontalLine, style);
    for (int row = top + 1; row < bottom; ++row) {
        fill(row, left, 1, verticalLine, style);
        fill(row, left + 1, width - 2, U' ', style);
        fill(row, right, 1, verticalLine, style);
    }
    fill(top, left, 1, topLeftCorner, style);
    fill(top, right, 1, topRightCorner, style);
    fill(bottom, left, 1, bottomLeftCorner, style);
    fill(bottom, right, 1, bottomRightCorner, style);
}

const Cell &Canvas::at(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row * width_ + column));
}

std::string Canvas::line(int row) const {
    std::u32string text;
    for (int column = 0; column < width_; ++column) {
        const Cell &cell = at(row, column);
        if (cell.character != coveredCell)
            text.append(1, cell.character).append(cell.marks);
    }
    while (!text.empty() && text.back() == U' ')
        text.pop_back();
    return toUtf8(text);
}

std::vector<std::string> Canvas::lines() const {
    std::vector<std::string> result;
    for (int row = 0; row < height_; ++row)
        result.push_back(line(row));
    return result;
}

} // namespace kelvaro

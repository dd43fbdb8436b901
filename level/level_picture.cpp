// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a level's picture, and telling a picture from a level file's text.
#include "level/level_picture.h"

#include "level/cell_kind.h"
#include "level/picture_words.h"

namespace kelvaro {
namespace {

using Value = std::optional<std::int32_t>;

std::string valueText(const Value& value) { return value ? std::to_string(*value) : std::string("-"); }

char drawnCode(const Value& code)
{
    if (!code)
        return picture_char::other;
    switch (*code) {
    case blank: return picture_char::blank;
    case border: return picture_char::border;
    case obstacle: return picture_char::obstacle;
    default: return picture_char::other;
    }
}

// The cells the readers make of a record, each with the mark drawn on it, if any, and the lines
// for the marks no row can show: one under a later mark, one half placed, one outside the grid.
class PictureCells {
public:
    explicit PictureCells(const LevelRecord& record)
        : record_(record), rows_(record.maxy() + 1), cells_(record.cells), drawn_(cells_.size(), -1)
    {
        for (int mark = 0; mark < picture_mark_count; ++mark)
            place(mark);
        for (int mark = 0; mark < picture_mark_count; ++mark)
            if (noted_[mark])
                notes_ += std::string(picture_marks[mark].word) + " " + valueText(record[picture_marks[mark].x]) + " " +
                          valueText(record[picture_marks[mark].y]) + "\n";
    }

    // Row `y`, adding a line for each cell of a code without a character.
    std::string row(int y, std::string& cell_notes) const
    {
        std::string line;
        for (int x = 0; x <= record_.maxx(); ++x) {
            const std::size_t i = index(x, y);
            char c = drawn_[i] >= 0 ? picture_marks[drawn_[i]].drawn : drawnCode(cells_[i]);
            if (c == picture_char::other)
                cell_notes += "cell " + std::to_string(x) + " " + std::to_string(y) + " " + valueText(cells_[i]) + "\n";
            line += c;
        }
        return line + "\n";
    }

    const std::string& markNotes() const { return notes_; }

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(x) * static_cast<std::size_t>(rows_) + static_cast<std::size_t>(y);
    }

    // Marks are placed in the readers' order, a later one covering an earlier; an unset
    // position counts as (0, 0) there, so it changes the corner's code without being drawn.
    void place(int mark)
    {
        const Value& x = record_[picture_marks[mark].x];
        const Value& y = record_[picture_marks[mark].y];
        const bool placed = x && y;
        noted_[mark] = (x || y) && !placed;
        const int px = x.value_or(0);
        const int py = y.value_or(0);
        if (px < 0 || px > record_.maxx() || py < 0 || py >= rows_) {
            noted_[mark] = x || y;
            return;
        }
        const std::size_t i = index(px, py);
        if (drawn_[i] >= 0)
            noted_[drawn_[i]] = true;
        drawn_[i] = placed ? mark : -1;
        cells_[i] = picture_marks[mark].code;
    }

    const LevelRecord& record_;
    int rows_;
    std::vector<Value> cells_;
    std::vector<int> drawn_;  // the mark drawn on each cell, -1 for none
    bool noted_[picture_mark_count] = {};
    std::string notes_;
};

std::string lineWithoutBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

} // namespace

std::string writePicture(const LevelRecord& record)
{
    const PictureCells cells(record);
    std::string out;
    if (record[Header::time])
        out += std::string(picture_time_word) + " " + std::to_string(*record[Header::time]) + "\n";
    std::string cell_notes;
    for (int y = 0; y <= record.maxy(); ++y)
        out += cells.row(y, cell_notes);
    return out + cells.markNotes() + cell_notes;
}

bool isPicture(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string line = lineWithoutBlanks(text.substr(start, end - start));
        if (!line.empty())
            return isPictureWord(line.substr(0, line.find_first_of(" \t"))) ||
                   line.find_first_not_of(picture_cell_chars) == std::string::npos;
        start = end + 1;
    }
    return false;
}

} // namespace kelvaro

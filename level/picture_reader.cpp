// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a level's picture into the values of a level file, a fault told by line and column.
#include "level/level_picture.h"

#include "level/field_reader.h"
#include "level/picture_words.h"

#include <vector>

namespace kelvaro {
namespace {

using Value = std::optional<std::int32_t>;

struct Spot {
    int line = 0;
    int column = 0;
};

LevelError pictureError(Spot at, Message detail)
{
    return LevelError{LevelError::Kind::bad_picture, at.line, std::move(detail), at.column};
}

struct Token {
    std::string_view text;
    Spot at;
};

std::vector<Token> tokensOf(std::string_view line, int number)
{
    std::vector<Token> tokens;
    std::size_t pos = 0;
    while ((pos = line.find_first_not_of(" \t", pos)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t", pos), line.size());
        tokens.push_back({line.substr(pos, end - pos), {number, static_cast<int>(pos) + 1}});
        pos = end;
    }
    return tokens;
}

// The character at `pos` for a person: a whole UTF-8 sequence, not a byte of one.
std::string characterAt(std::string_view line, std::size_t pos)
{
    std::size_t end = pos + 1;
    while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
        ++end;
    return std::string(line.substr(pos, end - pos));
}

Value codeOf(char c)
{
    switch (c) {
    case picture_char::border: return border;
    case picture_char::obstacle: return obstacle;
    case picture_char::jewel: return jewel;
    case picture_char::goal: return goal;
    default: return blank;
    }
}

class PictureReader {
public:
    explicit PictureReader(const ReadRules& rules) : rules_(rules) {}

    Result<LevelRecord> read(std::string_view text)
    {
        int number = 1;
        for (std::size_t start = 0; start <= text.size(); ++number) {
            std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
            std::string_view line = text.substr(start, end - start);
            line = line.substr(0, line.find_last_not_of(" \t") + 1);
            if (!line.empty())
                if (auto error = take(line, number))
                    return *error;
            start = end + ((end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);
        }
        if (auto error = checkAgainstGrid())
            return *error;
        return record();
    }

private:
    struct Mark {
        Value x, y;
        Spot at;
        bool given = false;
    };
    struct CellNote {
        int x, y;
        Value code;
        Spot at;
    };

    std::optional<LevelError> take(std::string_view line, int number)
    {
        const std::vector<Token> tokens = tokensOf(line, number);
        if (isPictureWord(tokens.front().text))
            return takeNote(tokens);
        if (tokens.size() > 1 && tokens.front().text.find_first_of(picture_cell_chars) == std::string_view::npos)
            return pictureError({number, 1}, levelMessage(level_words::unknown_word, {std::string(tokens.front().text)}));
        return takeRow(line, number);
    }

    std::optional<LevelError> takeRow(std::string_view line, int number)
    {
        const int y = static_cast<int>(rows_.size());
        const int high = static_cast<int>(rules_.header[static_cast<int>(Header::maxx)].high);
        if (y > rules_.header[static_cast<int>(Header::maxy)].high)
            return pictureError({number, 1}, levelMessage(level_words::outside, {levelMessage(level_words::header_names[1]), y,
                                                                                  0, static_cast<int>(rules_.header[1].high)}));
        const std::size_t width = rows_.empty() ? std::min<std::size_t>(line.size(), high + 1) : rows_.front().size();
        for (std::size_t x = 0; x < line.size() && x <= width; ++x) {
            const Spot at{number, static_cast<int>(x) + 1};
            if (x == width)
                return pictureError(at, rows_.empty() ? levelMessage(level_words::outside, {levelMessage(level_words::header_names[0]),
                                                                                            static_cast<int>(line.size()) - 1, 0, high})
                                                      : levelMessage(level_words::row_length, {static_cast<int>(line.size()), static_cast<int>(width)}));
            if (auto error = takeCell(line, x, y, at))
                return error;
        }
        if (line.size() < width)
            return pictureError({number, static_cast<int>(line.size()) + 1},
                                levelMessage(level_words::row_length, {static_cast<int>(line.size()), static_cast<int>(width)}));
        rows_.emplace_back(line);
        return std::nullopt;
    }

    std::optional<LevelError> takeCell(std::string_view line, std::size_t x, int y, Spot at)
    {
        const char c = line[x];
        if (std::string_view(picture_cell_chars).find(c) == std::string_view::npos)
            return pictureError(at, levelMessage(level_words::no_cell_character, {characterAt(line, x)}));
        if (c == picture_char::other)
            others_.push_back({static_cast<int>(x), y, std::nullopt, at});
        for (int mark = 0; mark < picture_mark_count; ++mark)
            if (c == picture_marks[mark].drawn)
                return setMark(mark, static_cast<int>(x), y, at);
        return std::nullopt;
    }

    std::optional<LevelError> setMark(int mark, Value x, Value y, Spot at)
    {
        if (marks_[mark].given)
            return pictureError(at, levelMessage(level_words::second_mark, {levelMessage(picture_marks[mark].what)}));
        marks_[mark] = {x, y, at, true};
        return std::nullopt;
    }

    std::optional<LevelError> takeNote(const std::vector<Token>& tokens)
    {
        const std::string_view word = tokens.front().text;
        const std::size_t wanted = word == picture_time_word ? 1 : word == picture_cell_word ? 3 : 2;
        if (tokens.size() != wanted + 1)
            return pictureError(tokens.front().at, levelMessage(level_words::numbers_wanted, {std::string(word), static_cast<int>(wanted)}));
        if (word == picture_time_word)
            return takeTime(tokens[1]);
        if (word == picture_cell_word)
            return takeCellNote(tokens);
        for (int mark = 0; mark < picture_mark_count; ++mark)
            if (word == picture_marks[mark].word)
                return takeMarkNote(mark, tokens);
        return std::nullopt;
    }

    std::optional<LevelError> takeTime(const Token& token)
    {
        const int field = static_cast<int>(Header::time);
        const Message name = levelMessage(level_words::header_names[field]);
        if (time_given_)
            return pictureError(token.at, levelMessage(level_words::second_mark, {name}));
        auto value = number(token, rules_.header[field], name);
        if (!value)
            return value.error();
        time_ = value.value();
        time_given_ = true;
        return std::nullopt;
    }

    std::optional<LevelError> takeMarkNote(int mark, const std::vector<Token>& tokens)
    {
        Value at[2];
        for (int i = 0; i < 2; ++i) {
            const int field = static_cast<int>(picture_marks[mark].x) + i;
            auto value = number(tokens[1 + i], rules_.header[field], levelMessage(level_words::header_names[field]));
            if (!value)
                return value.error();
            at[i] = value.value();
        }
        return setMark(mark, at[0], at[1], tokens[1].at);
    }

    std::optional<LevelError> takeCellNote(const std::vector<Token>& tokens)
    {
        const Message name = levelMessage(level_words::cell, {std::string(tokens[1].text), std::string(tokens[2].text)});
        Value values[3];
        for (int i = 0; i < 3; ++i) {
            auto value = number(tokens[1 + i], i < 2 ? Range{0, max_index} : rules_.cell, name, i == 2);
            if (!value)
                return value.error();
            values[i] = value.value();
        }
        cell_notes_.push_back({*values[0], *values[1], values[2], tokens[1].at});
        return std::nullopt;
    }

    // A whole number within `range`, or "-" for a value left unset where one may be.
    Result<Value> number(const Token& token, Range range, const Message& name, bool may_be_unset = true) const
    {
        if (token.text == "-" && may_be_unset)
            return Value();
        const Field field = classifyField(std::string(token.text), token.at.line);
        if (field.kind != Field::Kind::number || !field.whole)
            return pictureError(token.at, levelMessage(level_words::not_whole, {name, std::string(token.text)}));
        if (field.value < range.low || field.value > range.high)
            return pictureError(token.at, levelMessage(level_words::outside, {name, std::string(token.text), range.low, range.high}));
        return Value(static_cast<std::int32_t>(field.value));
    }

    // What only the whole grid tells: marks and cells given outside it, and '?' without a code.
    std::optional<LevelError> checkAgainstGrid() const
    {
        if (rows_.empty())
            return pictureError({}, levelMessage(level_words::no_rows));
        const int columns = static_cast<int>(rows_.front().size());
        const int rows = static_cast<int>(rows_.size());
        for (const Mark& mark : marks_) {
            const int x = mark.x.value_or(0), y = mark.y.value_or(0);
            if (mark.given && (x >= columns || y >= rows || x < 0 || y < 0))
                return pictureError(mark.at, levelMessage(level_words::mark_outside,
                                                          {levelMessage(picture_marks[&mark - marks_].what), x, y, columns, rows}));
        }
        for (const CellNote& note : cell_notes_)
            if (note.x >= columns || note.y >= rows)
                return pictureError(note.at, levelMessage(level_words::cell_outside,
                                                          {levelMessage(level_words::cell, {note.x, note.y}), columns, rows}));
        for (const CellNote& other : others_)
            if (!noteFor(other.x, other.y))
                return pictureError(other.at, levelMessage(level_words::code_missing, {levelMessage(level_words::cell, {other.x, other.y})}));
        return std::nullopt;
    }

    const CellNote* noteFor(int x, int y) const
    {
        for (const CellNote& note : cell_notes_)
            if (note.x == x && note.y == y)
                return &note;
        return nullptr;
    }

    LevelRecord record() const
    {
        LevelRecord record;
        record[Header::maxx] = static_cast<int>(rows_.front().size()) - 1;
        record[Header::maxy] = static_cast<int>(rows_.size()) - 1;
        for (int mark = 0; mark < picture_mark_count; ++mark) {
            record[picture_marks[mark].x] = marks_[mark].x;
            record[picture_marks[mark].y] = marks_[mark].y;
            record.header_line[static_cast<int>(picture_marks[mark].x)] = marks_[mark].at.line;
            record.header_line[static_cast<int>(picture_marks[mark].y)] = marks_[mark].at.line;
        }
        record[Header::time] = time_;
        for (std::size_t x = 0; x < rows_.front().size(); ++x)
            for (const std::string& row : rows_)
                record.cells.push_back(codeOf(row[x]));
        for (const CellNote& note : cell_notes_)
            record.cells[static_cast<std::size_t>(note.x) * rows_.size() + static_cast<std::size_t>(note.y)] = note.code;
        return record;
    }

    const ReadRules& rules_;
    std::vector<std::string> rows_;
    Mark marks_[picture_mark_count];
    Value time_;
    bool time_given_ = false;
    std::vector<CellNote> cell_notes_;
    std::vector<CellNote> others_;  // the cells drawn '?', which a note must give
};

} // namespace

Result<LevelRecord> readPicture(std::string_view text, const ReadRules& rules)
{
    return PictureReader(rules).read(text);
}

} // namespace kelvaro

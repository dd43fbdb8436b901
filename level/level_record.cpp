// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the values of a level file under a reader's rules.
#include "level/level_record.h"
#include "level/level_phrases.h"

#include "level/cell_kind.h"
#include "level/field_reader.h"

namespace kelvaro {
namespace {

constexpr Range kByte{0, 255};
constexpr Range kShort{-32768, 32767};

const char* const* const kHeaderNames = level_words::header_names;
static_assert(std::size(level_words::header_names) == header_count);

LevelError fieldError(LevelError::Kind kind, int line, Message detail)
{
    return LevelError{kind, line, std::move(detail)};
}

// One value under the rules; an error names the value and its line.
// The name is made only when it is needed, so that the cells cost no strings.
template <typename Name>
Result<std::optional<std::int32_t>> takeValue(const Field& field, const ReadRules& rules, Range range, Name name)
{
    switch (field.kind) {
    case Field::Kind::empty:
        if (rules.empty_reads_zero)
            return std::optional<std::int32_t>(0);
        return std::optional<std::int32_t>();
    case Field::Kind::text:
        if (rules.text_reads_zero)
            return std::optional<std::int32_t>(0);
        return fieldError(LevelError::Kind::not_a_number, field.line,
                          levelMessage(level_words::not_whole, {name(), field.text}));
    case Field::Kind::number:
        break;
    }
    if (!field.whole && !rules.text_reads_zero)
        return fieldError(LevelError::Kind::not_a_number, field.line,
                          levelMessage(level_words::not_whole, {name(), field.text}));
    if (field.value < range.low || field.value > range.high)
        return fieldError(LevelError::Kind::out_of_range, field.line,
                          levelMessage(level_words::outside, {name(), field.text, range.low, range.high}));
    return std::optional<std::int32_t>(static_cast<std::int32_t>(field.value));
}

// The fields of a record's written file (see writeRecord), told without writing it:
// each value on a line of its own, an unset one an empty line.
class RecordFields {
public:
    explicit RecordFields(const LevelRecord& record) : record_(record) {}

    std::optional<Field> next()
    {
        const std::size_t index = static_cast<std::size_t>(line_ - 1);
        if (index >= header_count + record_.cells.size())
            return std::nullopt;
        const std::optional<std::int32_t>& value =
            index < header_count ? record_.header[index] : record_.cells[index - header_count];
        return classifyField(value ? std::to_string(*value) : std::string(), line_++);
    }
    bool failed() const { return false; }
    int line() const { return line_; }

private:
    const LevelRecord& record_;
    int line_ = 1;
};

template <typename Fields>
LevelError earlyEnd(const Fields& reader, Message missing)
{
    if (reader.failed())
        return fieldError(LevelError::Kind::unreadable, reader.line(), levelMessage(level_words::unreadable_end));
    return fieldError(LevelError::Kind::early_end, reader.line(), levelMessage(level_words::ends_before, {std::move(missing)}));
}

// The values of a level under a reader's rules, from a file's fields or a record's.
template <typename Fields>
Result<LevelRecord> takeRecord(Fields& reader, const ReadRules& rules)
{
    LevelRecord record;

    for (int i = 0; i < header_count; ++i) {
        const auto name = [i] { return levelMessage(kHeaderNames[i]); };
        const std::optional<Field> field = reader.next();
        if (!field)
            return earlyEnd(reader, name());
        auto value = takeValue(*field, rules, rules.header[i], name);
        if (!value)
            return value.error();
        record.header[i] = value.value();
        record.header_line[i] = field->line;
    }
    // An empty size line stands for 0 for either reader: a grid always has a size.
    for (Header size : {Header::maxx, Header::maxy})
        if (!record[size])
            record[size] = 0;

    const std::size_t count =
        static_cast<std::size_t>(record.maxx() + 1) * static_cast<std::size_t>(record.maxy() + 1);
    record.cells.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto name = [i, rows = record.maxy() + 1] {
            return levelMessage(level_words::cell, {static_cast<int>(i / rows), static_cast<int>(i % rows)});
        };
        const std::optional<Field> field = reader.next();
        if (!field)
            return earlyEnd(reader, name());
        auto value = takeValue(*field, rules, rules.cell, name);
        if (!value)
            return value.error();
        record.cells.push_back(value.value());
    }
    return record;
}

} // namespace


const ReadRules& gameRules()
{
    static const ReadRules rules{true, true,
                                 {kByte, kByte, kByte, kByte, kByte, kByte, kByte, kByte, kShort},
                                 kByte};
    return rules;
}

const ReadRules& editorRules()
{
    static const ReadRules rules{false, false,
                                 {kByte, kByte, kShort, kShort, kShort, kShort, kShort, kShort, kShort},
                                 kShort};
    return rules;
}

Result<LevelRecord> readRecord(std::istream& in, const ReadRules& rules)
{
    FieldReader reader(in);
    return takeRecord(reader, rules);
}

Result<LevelRecord> rereadRecord(const LevelRecord& record, const ReadRules& rules)
{
    RecordFields fields(record);
    return takeRecord(fields, rules);
}

Result<std::array<PlacedMark, 3>> placedMarks(const LevelRecord& record)
{
    struct Position {
        Header x, y;
        std::uint8_t code;
        const char* what;
    };
    const Position positions[3] = {{Header::jewelx, Header::jewely, jewel, level_words::jewel},
                                   {Header::goalx, Header::goaly, goal, level_words::goal},
                                   {Header::startx, Header::starty, blank, level_words::start}};
    std::array<PlacedMark, 3> marks{};
    const int columns = record.maxx() + 1;
    const int rows = record.maxy() + 1;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const Position& at = positions[i];
        const int x = record[at.x].value_or(0);
        const int y = record[at.y].value_or(0);
        if (x < 0 || x >= columns || y < 0 || y >= rows) {
            const Header bad = (x < 0 || x >= columns) ? at.x : at.y;
            return LevelError{LevelError::Kind::mark_outside, record.lineOf(bad),
                              levelMessage(level_words::mark_outside, {levelMessage(at.what), x, y, columns, rows})};
        }
        marks[i] = {x, y, at.code};
    }
    return marks;
}

std::string writeRecord(const LevelRecord& record)
{
    std::string out;
    out.reserve((record.cells.size() + header_count) * 4);
    auto put = [&out](const std::optional<std::int32_t>& value) {
        if (value)
            out += std::to_string(*value);
        out += "\r\n";
    };
    for (const auto& value : record.header)
        put(value);
    for (const auto& value : record.cells)
        put(value);
    return out;
}

} // namespace kelvaro

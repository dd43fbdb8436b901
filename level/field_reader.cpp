// SPDX-License-Identifier: GPL-3.0-or-later
// The level file tokenizer: fields, line numbers and the number grammar.
#include "level/field_reader.h"

#include <cstdlib>

namespace kelvaro {
namespace {

constexpr std::size_t kMaxKept = 40;
constexpr std::int64_t kSaturation = 1'000'000'000'000'000;

bool isBlank(int c) { return c == ' ' || c == '\t'; }

} // namespace

int FieldReader::get()
{
    if (pos_ == length_) {
        if (at_end_)
            return -1;
        in_.read(buffer_, sizeof buffer_);
        length_ = static_cast<std::size_t>(in_.gcount());
        pos_ = 0;
        if (in_.bad())
            failed_ = true;
        if (length_ < sizeof buffer_)
            at_end_ = true;
        if (length_ == 0)
            return -1;
    }
    return static_cast<unsigned char>(buffer_[pos_++]);
}

std::optional<Field> FieldReader::next()
{
    const int line = line_;
    std::string kept;
    std::size_t pending_blanks = 0;
    bool cut = false;

    for (;;) {
        const int c = get();
        if (c == -1) {
            if (kept.empty())
                return std::nullopt;  // a line of blanks at the very end is no field
            break;
        }
        if (c == ',')
            break;
        if (c == '\n') {
            ++line_;
            break;
        }
        if (c == '\r') {
            ++line_;
            const int after = get();
            if (after != '\n' && after != -1)
                unget();
            break;
        }
        if (isBlank(c)) {
            if (!kept.empty())
                ++pending_blanks;
            continue;
        }
        if (kept.size() + pending_blanks >= kMaxKept) {
            cut = true;
            pending_blanks = 0;
            continue;
        }
        kept.append(pending_blanks, ' ');
        pending_blanks = 0;
        kept.push_back(static_cast<char>(c));
    }

    Field field = classifyField(kept, line);
    if (cut && field.kind == Field::Kind::number) {
        // More digits followed than we keep: far beyond any field's range.
        field.value = kept[0] == '-' ? -kSaturation : kSaturation;
        field.whole = true;
    }
    return field;
}

Field classifyField(const std::string& text, int line)
{
    Field field;
    field.line = line;
    field.text = text;
    if (text.empty())
        return field;

    std::size_t i = 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t whole_part = 0;
    int digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (whole_part < kSaturation)
            whole_part = whole_part * 10 + (text[i] - '0');
        ++i;
        ++digits;
    }
    // The fraction only matters for rounding: first digit, and whether any later one is set.
    int first_fraction_digit = 0;
    bool rest_nonzero = false;
    bool any_fraction = false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        bool first = true;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (first)
                first_fraction_digit = text[i] - '0';
            else if (text[i] != '0')
                rest_nonzero = true;
            if (text[i] != '0')
                any_fraction = true;
            first = false;
            ++i;
            ++digits;
        }
    }
    if (digits == 0 || i != text.size()) {
        field.kind = Field::Kind::text;
        return field;
    }

    std::int64_t value = std::min(whole_part, kSaturation);
    const bool round_up = first_fraction_digit > 5 || (first_fraction_digit == 5 && (rest_nonzero || value % 2 == 1));
    if (round_up && value < kSaturation)
        ++value;
    field.kind = Field::Kind::number;
    field.value = negative ? -value : value;
    field.whole = !any_fraction;
    return field;
}

} // namespace kelvaro

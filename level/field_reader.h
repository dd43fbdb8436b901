// SPDX-License-Identifier: GPL-3.0-or-later
// Splits a level file into its fields: the one tokenizer behind both level readers.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

namespace kelvaro {

struct Field {
    enum class Kind {
        empty,   // nothing but blanks before the separator
        number,  // a decimal number, possibly with a fraction
        text,    // anything else
    };

    Kind kind = Kind::empty;
    // For numbers: the value rounded half to even, saturated at +/- 10^15 so that
    // an absurdly long number still reads as out of range rather than overflowing.
    std::int64_t value = 0;
    bool whole = true;  // false when the number had a non-zero fraction
    int line = 0;       // 1-based line on which the field stands
    std::string text;   // the field without surrounding blanks, cut at 40 characters
};

// A field ends at a comma or a line end (CR LF, LF or a lone CR); blanks and tabs
// around it are skipped. Reads the stream in large blocks and never keeps more than
// a few dozen characters of one field, so any input costs bounded memory.
class FieldReader {
public:
    explicit FieldReader(std::istream& in) : in_(in) {}
    FieldReader(const FieldReader&) = delete;
    FieldReader& operator=(const FieldReader&) = delete;

    // The next field, or nothing at the end of the input.
    std::optional<Field> next();

    // True when the stream reported a read error (not merely its end).
    bool failed() const { return failed_; }

    // Line the reader has reached (for a message about an early end).
    int line() const { return line_; }

private:
    int get();
    void unget() { --pos_; }

    std::istream& in_;
    char buffer_[1 << 16];
    std::size_t pos_ = 0;
    std::size_t length_ = 0;
    int line_ = 1;
    bool at_end_ = false;
    bool failed_ = false;
};

// Parses one field's text as a number; exposed for the New game answer rule tests.
Field classifyField(const std::string& text, int line);

} // namespace kelvaro

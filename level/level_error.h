// SPDX-License-Identifier: GPL-3.0-or-later
// What went wrong while reading or writing a level file, and where.
#pragma once

#include "level/level_phrases.h"

#include <string>

namespace kelvaro {

struct LevelError {
    enum class Kind {
        not_found,     // the file (or its folder) does not exist
        unreadable,    // the file exists but cannot be opened or read
        not_a_number,  // a field the reader needs as a whole number holds something else
        out_of_range,  // a number outside what its field accepts
        early_end,     // the file ends before every value was read
        mark_outside,  // the jewel, goal or start lies outside the grid
        bad_name,      // a level name that would leave the maps folder
        write_failed,  // the file could not be written whole
        bad_picture,   // a picture of a level holds a character, row or line that does not fit
    };

    Kind kind;
    int line = 0;    // 1-based line of the file, 0 when no line applies
    Message detail;  // what is wrong for a person, without the file's name or line
    int column = 0;  // 1-based character of the line, for a picture; 0 when none applies

    // "line 12: ...", "line 12, column 3: ..." or just the detail when no line applies.
    Message message() const
    {
        if (line > 0 && column > 0)
            return levelMessage(level_words::at_line_column, {line, column, detail});
        return line > 0 ? levelMessage(level_words::at_line, {line, detail}) : detail;
    }
    // The same in English, for logs.
    std::string describe() const { return english(message()); }
};

} // namespace kelvaro

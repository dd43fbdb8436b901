// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the level readers' and writer's errors, for the programs' windows to translate.
#pragma once

#include "level/message.h"

#include <span>

namespace kelvaro {

namespace level_words {
inline constexpr const char* context = "LevelFile";
inline constexpr const char* at_line = QT_TRANSLATE_NOOP("LevelFile", "line %1: %2");
inline constexpr const char* at_line_column = QT_TRANSLATE_NOOP("LevelFile", "line %1, column %2: %3");
inline constexpr const char* not_whole = QT_TRANSLATE_NOOP("LevelFile", "the %1 \"%2\" is not a whole number");
inline constexpr const char* outside = QT_TRANSLATE_NOOP("LevelFile", "the %1 %2 is outside %3 to %4");
inline constexpr const char* unreadable_end = QT_TRANSLATE_NOOP("LevelFile", "the file could not be read to its end");
inline constexpr const char* ends_before = QT_TRANSLATE_NOOP("LevelFile", "the file ends before the %1");
inline constexpr const char* cell = QT_TRANSLATE_NOOP("LevelFile", "cell (%1, %2)");
inline constexpr const char* mark_outside = QT_TRANSLATE_NOOP("LevelFile", "the %1 at (%2, %3) lies outside the grid of %4 x %5 cells");
inline constexpr const char* no_file = QT_TRANSLATE_NOOP("LevelFile", "the file does not exist");
inline constexpr const char* not_readable = QT_TRANSLATE_NOOP("LevelFile", "it is not a file that can be read");
inline constexpr const char* cannot_open = QT_TRANSLATE_NOOP("LevelFile", "it cannot be opened: %1");
inline constexpr const char* cannot_write = QT_TRANSLATE_NOOP("LevelFile", "could not write %1: %2");
inline constexpr const char* not_plain = QT_TRANSLATE_NOOP("LevelFile", "it is not a plain file");
inline constexpr const char* read_only = QT_TRANSLATE_NOOP("LevelFile", "the file is read-only; it was kept as it is");
inline constexpr const char* not_flushed = QT_TRANSLATE_NOOP("LevelFile", "the data could not be flushed to the disk");
inline constexpr const char* folder_forbidden = QT_TRANSLATE_NOOP("LevelFile", "You may not read this folder.");
inline constexpr const char* folder_gone = QT_TRANSLATE_NOOP("LevelFile", "The folder no longer exists.");
inline constexpr const char* folder_unreadable = QT_TRANSLATE_NOOP("LevelFile", "The folder cannot be read: %1.");
inline constexpr const char* jewel = QT_TRANSLATE_NOOP("LevelFile", "jewel");
inline constexpr const char* goal = QT_TRANSLATE_NOOP("LevelFile", "goal");
inline constexpr const char* start = QT_TRANSLATE_NOOP("LevelFile", "start");
// A mark the game would not draw, and cells a level made in the editor never has. The counts are
// never one, save a code's, which the English leaves open.
inline constexpr const char* start_at = QT_TRANSLATE_NOOP("LevelFile", "start (%1, %2)");
inline constexpr const char* jewel_at = QT_TRANSLATE_NOOP("LevelFile", "jewel (%1, %2)");
inline constexpr const char* goal_at = QT_TRANSLATE_NOOP("LevelFile", "goal (%1, %2)");
inline constexpr const char* cells_of_code = QT_TRANSLATE_NOOP("LevelFile", "%1 cell(s) of code %2");
inline constexpr const char* jewel_cells = QT_TRANSLATE_NOOP("LevelFile", "%1 jewel cells");
inline constexpr const char* goal_cells = QT_TRANSLATE_NOOP("LevelFile", "%1 goal cells");
// What a picture of a level may get wrong.
inline constexpr const char* no_cell_character = QT_TRANSLATE_NOOP("LevelFile", "\"%1\" stands for no cell");
inline constexpr const char* row_length = QT_TRANSLATE_NOOP("LevelFile", "the row has %1 cells where the first has %2");
inline constexpr const char* no_rows = QT_TRANSLATE_NOOP("LevelFile", "the picture has no rows of cells");
inline constexpr const char* second_mark = QT_TRANSLATE_NOOP("LevelFile", "a second %1");
inline constexpr const char* unknown_word = QT_TRANSLATE_NOOP("LevelFile", "\"%1\" is no word of a picture");
inline constexpr const char* numbers_wanted = QT_TRANSLATE_NOOP("LevelFile", "\"%1\" takes %2 numbers");
inline constexpr const char* cell_outside = QT_TRANSLATE_NOOP("LevelFile", "%1 lies outside the grid of %2 x %3 cells");
inline constexpr const char* code_missing = QT_TRANSLATE_NOOP("LevelFile", "no line \"cell\" gives the code of %1");
// The values of a level file's header, in their order.
inline constexpr const char* header_names[] = {
    QT_TRANSLATE_NOOP("LevelFile", "highest column index"), QT_TRANSLATE_NOOP("LevelFile", "highest row index"),
    QT_TRANSLATE_NOOP("LevelFile", "jewel column"),         QT_TRANSLATE_NOOP("LevelFile", "jewel row"),
    QT_TRANSLATE_NOOP("LevelFile", "goal column"),          QT_TRANSLATE_NOOP("LevelFile", "goal row"),
    QT_TRANSLATE_NOOP("LevelFile", "start column"),         QT_TRANSLATE_NOOP("LevelFile", "start row"),
    QT_TRANSLATE_NOOP("LevelFile", "time limit"),
};
} // namespace level_words

// One of the words above, its places filled by `args`.
inline Message levelMessage(const char* source, std::vector<MessageArg> args = {})
{
    return phrase(level_words::context, source, std::move(args));
}

std::span<const Phrase> levelPhrases();

} // namespace kelvaro

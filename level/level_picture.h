// SPDX-License-Identifier: GPL-3.0-or-later
// A level drawn in plain characters, one line a row: written, read back and told from a level file's text.
#pragma once

#include "level/level_record.h"
#include "level/result.h"

#include <string>
#include <string_view>

namespace kelvaro {

// The characters of a picture's rows. A cell whose code has none of its own is drawn '?' and
// given by a line "cell X Y CODE" (or "cell X Y" for a cell left unset, as an empty line of a
// level file leaves it).
namespace picture_char {
inline constexpr char blank = '.';
inline constexpr char border = '#';
inline constexpr char obstacle = 'o';
inline constexpr char start = 'S';
inline constexpr char jewel = '*';
inline constexpr char goal = 'G';
inline constexpr char other = '?';
} // namespace picture_char

// The picture of the level the readers make of `record`: the jewel, goal and start drawn where
// they stand, a line "time N" first, and lines for whatever the rows cannot show (a mark under
// another mark, a cell of another code).
std::string writePicture(const LevelRecord& record);

// The record a picture describes, its values held to the ranges of `rules`, as a level file's
// values are: turned into a level by gameLevelFrom or authorLevelFrom, it gives the level its
// writer was given. A fault says its line and column.
Result<LevelRecord> readPicture(std::string_view text, const ReadRules& rules);

// Whether `text` is a picture rather than a level file's text: its first line that is not blank
// is a picture's own line ("time 60") or a row of picture characters, which no level file's first
// line (the highest column index, a number) ever is.
bool isPicture(std::string_view text);

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The words and characters a level's picture is made of, shared by its writer and its reader.
#pragma once

#include "level/cell_kind.h"
#include "level/level_phrases.h"
#include "level/level_picture.h"

#include <cstdint>
#include <string_view>

namespace kelvaro {

// The three marks in the order both readers place them, a later one covering an earlier.
struct PictureMark {
    Header x, y;
    std::uint8_t code;  // what the cell under the mark holds
    char drawn;
    const char* word;   // a picture's line for it: "jewel X Y"
    const char* what;   // its name for a person
};
inline constexpr int picture_mark_count = 3;
inline constexpr PictureMark picture_marks[picture_mark_count] = {
    {Header::jewelx, Header::jewely, jewel, picture_char::jewel, "jewel", level_words::jewel},
    {Header::goalx, Header::goaly, goal, picture_char::goal, "goal", level_words::goal},
    {Header::startx, Header::starty, blank, picture_char::start, "start", level_words::start},
};

inline constexpr const char* picture_time_word = "time";
inline constexpr const char* picture_cell_word = "cell";
inline constexpr const char* picture_cell_chars = ".#o*GS?";

inline bool isPictureWord(std::string_view word)
{
    if (word == picture_time_word || word == picture_cell_word)
        return true;
    for (const PictureMark& mark : picture_marks)
        if (word == mark.word)
            return true;
    return false;
}

} // namespace kelvaro

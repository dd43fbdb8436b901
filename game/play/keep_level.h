// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a generated puzzle: its level file in the player's "Generated" set, its code in the set's notes.
#pragma once

#include "level/message.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaro {

struct KeepOutcome {
    enum class Kind {
        kept,
        already_kept,     // a level of the set plays as this one does, labelled with its code or not at all
        failed,           // nothing was changed
        set_info_damaged, // set.txt cannot be read as such: it is left as it is, and the level too
        set_full,         // the set already has its highest possible number
    };
    Kind kind = Kind::failed;
    std::filesystem::path file;  // the level's file, or what could not be made or written
    Message reason;              // why, when it failed
};

// Writes `bytes` as the next mazeN.txt after the highest of the "Generated" set in
// `level_home`, making the folder and its set.txt (titled "Generated") when missing, and
// adds "mazeN: CODE" to the notes, dropping the labels of levels no longer there. A puzzle is
// already kept when a file of the set plays the same (by its digest) and no label gives that
// file another code: the notes only label the levels, so a kill between the two writes, or a
// level removed by hand, never makes a second copy. Each file is written whole or not at all; when the notes cannot be written the level
// file is taken back, so a later try starts from the same set.
KeepOutcome keepGeneratedLevel(const std::filesystem::path& level_home, std::string_view code, std::string_view bytes);

} // namespace kelvaro

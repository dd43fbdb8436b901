// SPDX-License-Identifier: GPL-3.0-or-later
// The set the game plays from: the numbers New game accepts, where Next leads, where level N's file is.
#pragma once

#include "game/play/window_phrases.h"
#include "level/level_error.h"
#include "level/sets/level_set.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro {

// The fifty levels beside the programs keep their own rules whatever files are there: New
// game takes 1 to 50 and Next counts on by one up to 50, so a missing file is reported as
// such. Any other set runs from 1 to its highest number, and Next skips its gaps.
class PlayedSet {
public:
    static constexpr int builtin_levels = 50;

    PlayedSet();  // the built-in set, its folder not yet known
    explicit PlayedSet(LevelSet set) : set_(std::move(set)) {}
    // One level file played under the rules of `set` (the editor's test play): every number
    // reads the file, and the file is the one level in play.
    PlayedSet(LevelSet set, std::filesystem::path only_file) : set_(std::move(set)), only_file_(std::move(only_file)) {}
    // The same rules and file on `set` read again.
    PlayedSet withSet(LevelSet set) const;

    const LevelSet& set() const { return set_; }
    bool builtin() const { return set_.builtin; }
    // The highest number New game accepts; 0 for a set without a level.
    int highest() const;
    // The level Next starts after `level`, if any.
    std::optional<int> next(int level) const;
    // Level `number`'s file: "mazeN.txt" in the set's folder, whatever its letter case.
    std::filesystem::path file(int number) const;
    // The levels in play, 1 to this: what the Records window lists.
    int listed() const { return only_file_ ? 1 : highest(); }
    // New game's question.
    Message prompt() const;

private:
    LevelSet set_;
    std::optional<std::filesystem::path> only_file_;
};

// Why the level file `file` cannot be played: damaged (with the reader's line and reason),
// unreadable, or gone; the file's name a value and the reader's reason a message of its own.
inline Message levelFault(const std::string& file, const LevelError& error)
{
    if (error.kind == LevelError::Kind::not_found)
        return phrase(words::context, words::file_gone, {file});
    return phrase(words::context, error.kind == LevelError::Kind::unreadable ? words::file_unreadable : words::file_damaged,
                  {file, error.message()});
}

// `set` read again from its folder, as it is now: levels may have come or gone, or the folder with them.
LevelSet readAgain(const LevelSet& set);

} // namespace kelvaro

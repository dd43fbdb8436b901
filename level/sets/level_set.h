// SPDX-License-Identifier: GPL-3.0-or-later
// Level sets: a folder of mazeN.txt files with an optional set.txt that names it.
#pragma once

#include "level/message.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// What set.txt says: "key: value" lines. Unknown keys are ignored.
struct SetInfo {
    std::string title;
    std::string author;
    std::string description;
    std::string notes;
    bool damaged = false;  // the file could not be read as such lines: its title is lost
    bool operator==(const SetInfo&) const = default;
};

// Reads set.txt's text. Blank lines and lines starting with '#' are skipped; a line without a
// colon, a NUL byte or text that is not UTF-8 makes the file damaged, which loses only the title.
SetInfo parseSetInfo(std::string_view text);
// The text of a set.txt holding `info` (its non-empty fields; line breaks inside become blanks).
std::string setInfoText(const SetInfo& info);

struct SetLevel {
    int number = 0;
    std::filesystem::path file;
};

struct LevelSet {
    static constexpr int most_levels = 999;

    std::filesystem::path folder;
    std::string title;  // set.txt's title, else the folder's name
    SetInfo info;
    bool builtin = false;              // the levels beside the programs: never written to
    std::vector<SetLevel> levels;      // by number, no number twice
    std::optional<Message> problem;  // why the folder could not be read

    int highest() const { return levels.empty() ? 0 : levels.back().number; }
    // The numbers from 1 to the highest that have no file.
    std::vector<int> gaps() const;
    // The level numbered `number`, if the set has it.
    const SetLevel* find(int number) const;
    // The first level above `number`, if any.
    const SetLevel* after(int number) const;
};

// The number in a level file's name "mazeN.txt" (any letter case, N from 1 to 999 without
// leading zeros), or nothing.
std::optional<int> levelNumberOf(std::string_view file_name);

// Reads a set folder: its levels and set.txt. A folder that cannot be read gives a set with no
// level and the reason; nothing here throws.
LevelSet readLevelSet(const std::filesystem::path& folder);

// The levels beside the programs, titled "Kelvaro".
LevelSet builtinLevelSet(const std::filesystem::path& app_dir);

// Every set folder in the level home, ordered by title and then by folder; a missing home has none.
std::vector<LevelSet> setsInHome(const std::filesystem::path& level_home);

// The name to show for `set` among `all`: its title, followed by its folder where another set
// has the same title.
std::string setLabel(const LevelSet& set, const std::vector<LevelSet>& all);

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Where the editor saves and loads levels: beside it in a portable tree, in the player's own set when installed.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace kelvaro {

struct LevelFolders {
    std::filesystem::path app_dir;  // the program's folder, whose maps folder holds the shipped levels
    // The player's set ("My levels" in the level home) when the maps folder takes no new
    // files; nothing in a portable tree, where the editor keeps to the maps folder.
    std::optional<std::filesystem::path> own_set;

    // Where SAVE writes. The maps folder is looked for again each time, whatever its case.
    std::filesystem::path saveFolder() const;
    // Where LOAD looks, first to last: the player's set before the shipped levels, so a
    // shipped level can be loaded, changed and saved as the player's own.
    std::vector<std::filesystem::path> loadFolders() const;
};

// Decided once, at start-up: the maps folder beside `app_dir` when a new file can be made
// there (or, while it does not exist, in `app_dir`, where SAVE would make it), else "My levels" in the level home that the two variables name. With neither
// variable set there is no level home, and the editor stays with the maps folder.
LevelFolders chooseLevelFolders(const std::filesystem::path& app_dir, const char* xdg_data_home, const char* home);

} // namespace kelvaro

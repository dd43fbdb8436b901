// SPDX-License-Identifier: GPL-3.0-or-later
// The level set the player last played from, kept between runs in the game's settings file.
#pragma once

#include "level/sets/level_set.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace kelvaro {

// The player's settings file: $XDG_CONFIG_HOME/kelvaro/kelvaro.ini, else ~/.config/kelvaro/kelvaro.ini.
std::filesystem::path playerSettingsFile();

class SetMemory {
public:
    // Keeps the set in `file`; none: nothing is remembered (tests, benchmarks).
    explicit SetMemory(std::optional<std::filesystem::path> file = std::nullopt) : file_(std::move(file)) {}

    // The remembered set's folder; nothing for the built-in set, and nothing when the file
    // is missing, damaged or unreadable: the game then starts on the built-in set.
    std::optional<std::filesystem::path> folder() const;
    void remember(const LevelSet& set) const;

    // Folders of levels the player brought from elsewhere (--levels, or a level played from an
    // opened folder), newest first, those that still exist: the chooser lists them again.
    std::vector<std::filesystem::path> openedFolders() const;
    void rememberOpened(const std::filesystem::path& folder) const;

    // The set to start with: `levels_folder` when given, else the remembered folder while it
    // exists, else the built-in set beside the programs.
    LevelSet startSet(const std::filesystem::path& app_dir, const std::optional<std::filesystem::path>& levels_folder) const;

private:
    std::optional<std::filesystem::path> file_;
};

} // namespace kelvaro

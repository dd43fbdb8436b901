// SPDX-License-Identifier: GPL-3.0-or-later
// Opening level files and finding the maps folder, whatever the letter case.
#pragma once

#include "level_error.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// The entry of `dir` called `name`, ignoring ASCII letter case. An exact match wins;
// among several other spellings the first in byte order does, so every caller agrees.
std::optional<std::filesystem::path> findIgnoringCase(const std::filesystem::path& dir, std::string_view name);

// The level folder beside the programs: the game says "Maps", the editor "maps";
// on a file system that tells case apart both must reach the same folder.
std::filesystem::path mapsFolder(const std::filesystem::path& app_dir);

// The file `name` in `dir`, matched ignoring case when it exists, else as given.
std::filesystem::path fileIn(const std::filesystem::path& dir, std::string_view name);

// The game's level N: "maze" N ".txt" in the maps folder.
std::filesystem::path gameLevelFile(const std::filesystem::path& app_dir, int level);

// Opens a level file for reading, or says why it cannot be.
std::optional<LevelError> openLevelFile(const std::filesystem::path& file, std::ifstream& in);

// Writes the whole of `bytes` to `file` or nothing: a temporary file beside it is
// written, flushed and renamed over the old one, so a failure never leaves half a level.
std::optional<LevelError> writeFileWhole(const std::filesystem::path& file, std::string_view bytes);

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Opening level files and finding the maps folder, whatever the letter case.
#pragma once

#include "level/level_error.h"

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

// The name a save gives its temporary file while it is being published: "." + name + this +
// "-PID-N", a name of that save's own.
inline constexpr const char* saving_suffix = ".saving";

// What a save has just done; a test stops the process after any of them to play a crash.
enum class SaveStep { checked, written, flushed, linked, renamed };
using SaveObserver = void (*)(SaveStep);

// Writes the whole of `bytes` to `file` or nothing. The data goes into an unnamed file in
// the target's folder, reaches the disk, and only then gets a name and is renamed over the
// old file, so a crash leaves the old file or the new one, and at most a temporary that the
// next save or removeStaleSaves clears. Saves of one file at once, in this process or others,
// each publish their own content or fail; the last to rename wins. A symbolic link is written
// through to its target; a file without write permission is refused and kept.
std::optional<LevelError> writeFileWhole(const std::filesystem::path& file, std::string_view bytes,
                                         SaveObserver observer = nullptr);

// Removes temporaries that an interrupted save left in `folder` (".<name>.saving-PID-N"), under
// the folder's lock: only those no running save holds locked.
void removeStaleSaves(const std::filesystem::path& folder);

} // namespace kelvaro

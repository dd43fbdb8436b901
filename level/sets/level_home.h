// SPDX-License-Identifier: GPL-3.0-or-later
// Where a player's own things live: the data folder, the level home, and whether a folder takes new files.
#pragma once

#include <filesystem>

namespace kelvaro {

// $XDG_DATA_HOME/kelvaro, else ~/.local/share/kelvaro; empty when neither variable names a
// folder. A relative $XDG_DATA_HOME is ignored, as the XDG rules say.
std::filesystem::path dataHome(const char* xdg_data_home, const char* home);

// The level home, the folder of the player's level sets: the data folder's "levels".
std::filesystem::path levelHome(const char* xdg_data_home, const char* home);

// True when a new file can be made in `folder` right now (tried with a file that is removed at
// once): a portable tree takes the player's levels beside the programs, an installed copy not.
bool takesNewFiles(const std::filesystem::path& folder);

// The names of the sets the programs make themselves in the level home.
inline constexpr const char* my_levels_set = "My levels";
inline constexpr const char* generated_set = "Generated";
// The title of the fifty levels beside the programs.
inline constexpr const char* builtin_set_title = "Kelvaro";

} // namespace kelvaro

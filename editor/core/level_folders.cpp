// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's choice between the maps folder and the player's own set.
#include "editor/core/level_folders.h"

#include "level/level_files.h"
#include "level/sets/level_home.h"

#include <system_error>

namespace kelvaro {
namespace fs = std::filesystem;

fs::path LevelFolders::saveFolder() const { return own_set ? *own_set : mapsFolder(app_dir); }

std::vector<fs::path> LevelFolders::loadFolders() const
{
    if (!own_set)
        return {mapsFolder(app_dir)};
    return {*own_set, mapsFolder(app_dir)};
}

LevelFolders chooseLevelFolders(const fs::path& app_dir, const char* xdg_data_home, const char* home)
{
    const fs::path level_home = levelHome(xdg_data_home, home);
    // A portable tree without its maps folder gets one at the first SAVE, as it always has.
    const fs::path maps = mapsFolder(app_dir);
    std::error_code ec;
    const bool portable = takesNewFiles(fs::exists(maps, ec) ? maps : app_dir);
    if (portable || level_home.empty())
        return {app_dir, std::nullopt};
    return {app_dir, level_home / my_levels_set};
}

} // namespace kelvaro

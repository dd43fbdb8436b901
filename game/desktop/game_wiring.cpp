// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's middle finds levels, sets, records and the level home on this machine.
#include "game/desktop/game_wiring.h"

#include "level/level_files.h"
#include "level/sets/level_home.h"

#include <cstdlib>

namespace kelvaro {

GameWiring wireGame(const std::filesystem::path& app_dir, const MainWindowOptions& options,
                    std::function<const PlayedSet&()> played, const SetMemory& memory, ForgePort& forge)
{
    const char* data_home = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    GameWiring wiring;
    wiring.level_home = options.level_home ? *options.level_home : levelHome(data_home, home);
    wiring.shelf.loader = [played](int n) { return loadGameLevel(played().file(n)); };
    wiring.shelf.file_name = [played](int n) { return played().file(n).string(); };
    wiring.shelf.installed_sets = [app_dir, level_home = wiring.level_home] {
        std::vector<LevelSet> sets{builtinLevelSet(app_dir)};
        for (LevelSet& set : setsInHome(level_home))
            sets.push_back(std::move(set));
        return sets;
    };
    wiring.shelf.reread_set = readAgain;
    wiring.shelf.set_chosen = [&memory, level_home = wiring.level_home](const LevelSet& set) {
        memory.remember(set);
        if (!set.builtin && set.folder.parent_path() != level_home)
            memory.rememberOpened(set.folder);
    };
    wiring.records = {recordsFile(data_home, home), shippedLevelKeys(app_dir)};
    wiring.puzzles = {options.forge ? options.forge : &forge, todayUtc, wiring.level_home};
    if (options.today)
        wiring.records.today = wiring.puzzles.today = options.today;
    return wiring;
}

void startOn(GameWindowModel& model, const std::filesystem::path& app_dir, const MainWindowOptions& options,
             const SetMemory& memory)
{
    for (const std::filesystem::path& folder : memory.openedFolders())
        model.addOpenedFolder(folder);
    if (options.level_file) {
        model.setPlayedSet(PlayedSet(builtinLevelSet(app_dir), *options.level_file));
        return;
    }
    model.setLevelSet(memory.startSet(app_dir, options.levels_folder));
    if (options.levels_folder) {
        memory.remember(model.playedSet().set());
        memory.rememberOpened(*options.levels_folder);
    }
}

} // namespace kelvaro

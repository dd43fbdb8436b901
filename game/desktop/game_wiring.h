// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's start-up choices, and where the game's middle finds levels, sets, records and the level home on this machine.
#pragma once

#include "game/desktop/set_memory.h"
#include "game/play/game_window_model.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kelvaro {

struct MainWindowOptions {
    SoundPort* sound = nullptr;                              // none: silent
    std::function<std::optional<std::string>()> initsound;  // loads the sounds
    TickSource ticks;                                        // none: the monotonic clock
    // A level file to play at once instead of the numbered levels: every level number,
    // Next and Retry included, then reads this file. The editor's test play uses it.
    std::optional<std::filesystem::path> level_file{};
    SolverPort* solver = nullptr;                            // none: a worker thread
    // A folder of levels to play from instead of the remembered set (`Kelvaro --levels DIR`).
    std::optional<std::filesystem::path> levels_folder{};
    // The settings file that keeps the set in play, the zoom and full screen between runs
    // (playerSettingsFile() for the player's own); none: nothing is kept, as in tests.
    std::optional<std::filesystem::path> settings_file{};
    ForgePort* forge = nullptr;  // none: a worker thread
    // The daily puzzle's day; none: today in UTC.
    std::function<std::chrono::year_month_day()> today{};
    // Where Keep this level writes; none: the player's level home.
    std::optional<std::filesystem::path> level_home{};
};

// What the game's middle is handed on the desktop beside the shell's own sound, keys,
// boxes, clock and workers.
struct GameWiring {
    LevelShelf shelf;
    RecordsService::Setup records;
    GeneratedPuzzles::Setup puzzles;
    std::filesystem::path level_home;  // the player's own sets
};

// Level files are read from what `played` says is in play once the model exists; a set the
// player chooses is kept in `memory`.
GameWiring wireGame(const std::filesystem::path& app_dir, const MainWindowOptions& options,
                    std::function<const PlayedSet&()> played, const SetMemory& memory, ForgePort& forge);

// What the game starts on: the level file named, else the folder named (then kept), else the
// set kept from the last run. The folders opened before are listed again.
void startOn(GameWindowModel& model, const std::filesystem::path& app_dir, const MainWindowOptions& options,
             const SetMemory& memory);

} // namespace kelvaro

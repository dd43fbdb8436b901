// SPDX-License-Identifier: GPL-3.0-or-later
// The player's records and each level's par: kept at every win, shown in the Records window and the chooser.
#pragma once

#include "game/play/boxes.h"
#include "game/ports/dialogs.h"
#include "game/ports/level_shelf.h"
#include "game/ports/solver_port.h"
#include "game/records/records.h"
#include "game/records/solutions.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kelvaro {

// Today's date in UTC: the daily puzzle's day.
std::chrono::year_month_day todayUtc();

// Each level's par, by its content, solved once a run: the Records window and the chooser
// share it, so a level is never searched twice for either.
class ParCache {
public:
    struct Par {
        std::optional<int> actions;  // the shortest solution's, once known
        bool unknown = false;        // the solver could not tell: no par will come
    };

    ParCache(SolverPort& solver, std::function<void()> answered) : solver_(solver), answered_(std::move(answered)) {}

    // Asks for the par of `level` unless it is known or asked already in this look.
    void ask(const std::string& digest, const GameLevel& level);
    // A window opens on the figures: searches cancelled since the last look are asked again.
    void newLook() { asked_.clear(); }
    Par at(const std::string& digest) const;

private:
    SolverPort& solver_;
    std::function<void()> answered_;
    std::map<std::string, Par> par_;
    std::set<std::string> asked_;
};

class RecordsService {
public:
    struct Setup {
        // The player's records file; empty: records are not kept.
        std::filesystem::path records_file = {};
        // The shipped levels' digests, to carry over records kept by level number.
        ShippedLevelKey shipped_keys = {};
        // How far the Records window's run of days reaches.
        std::function<std::chrono::year_month_day()> today = todayUtc;
    };

    RecordsService(Setup setup, SolverPort& solver, Boxes& boxes);

    // Reads the records again (another copy of the game may have added wins), says a
    // problem with the file, then runs `then`.
    void withRecords(std::function<void()> then);
    // A win of the level of `digest` in `moves`, and of the day's puzzle on `daily`.
    void keepWin(const std::string& digest, int time_left, int actions,
                 std::optional<std::chrono::year_month_day> daily, const std::vector<Action>& moves);
    // The player's solution of the level of `digest` in the fewest actions, read afresh
    // (another copy of the game may have kept a better one); nothing when none is kept.
    std::optional<std::string> keptSolution(const std::string& digest);
    // A solution of the level was shown: it counts as seen, not solved, until won without help.
    void markSeen(const std::string& digest);

    // Daily puzzles solved one after another up to today, as last read or written.
    int dailyRun() const { return records_ ? records_->dailyTally(setup_.today()).current_run : 0; }
    // The Records window on levels 1 to `count`, read through `loader`; pars fill in as they come.
    void showRecords(int count, const LevelLoader& loader);
    // The chooser is open or closed: it is told when pars come.
    void chooserOpen(bool open);
    // A level's record and par for the chooser, its par asked for the first time it is shown.
    LevelFigures figures(const GameLevel& level);

private:
    struct Listed {
        int number;
        std::optional<std::string> digest;  // none: its file cannot be read
        std::optional<WinStatistics> kept;  // of the kept solution in the fewest actions
    };
    RecordsShown shown() const;
    void answered();
    void openFiles();
    void sayOnce(const std::optional<Message>& failure);
    std::optional<WinStatistics> keptStatistics(const std::string& digest, const GameLevel& level) const;

    Setup setup_;
    Boxes& boxes_;
    ParCache par_;
    std::optional<Records> records_;  // made at the first win or look, read again at each
    std::optional<Solutions> solutions_;  // likewise
    bool failure_said_ = false;
    bool records_open_ = false;
    bool chooser_open_ = false;
    std::vector<Listed> listed_;  // what the Records window lists
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Graded puzzles: the level a code stands for, forged fast enough to wait for, proven fair and timed.
#pragma once

#include "level/forge/forge.h"
#include "level/forge/level_code.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace kelvaro::forge {

// What every level of a grade has at least, by its shortest solution and its positions.
struct Floors {
    int object_changes = 0;
    int crates_must_move = 0;
    int traps = 0;
};

struct GradeRules {
    Settings settings;        // the room's size and crates, and the caps of a fair level
    Floors floors;
    int rounds = 0;           // changes tried on one room before a fresh one
    int count_every = 0;      // kept changes between counts of the positions (0: never)
    double states_weight = 0; // what the climb's score loses each time the solver's states double
    int jumps = 0;            // starts farthest from a win taken from each count of the positions
    std::size_t typical = 0;  // the work of a typical forge, for the progress shown
};

const GradeRules& gradeRules(Grade grade);

bool meetsFloors(const Depth& depth, const Floors& floors);

// A puzzle ready to play and to write: proven solvable, its time limit the least fair one.
struct GradedLevel {
    LevelCode code;
    GameLevel level;     // framed in two rings of border, `timeleft` set
    Solution solution;   // a shortest solution of `level`
    Depth depth;         // with traps and crates that must move
};

enum class ForgeFailure {
    no_level_found,  // nothing came back (a forging worker was lost): the forge itself always gives a level
    cancelled,
};

struct ForgeOutcome {
    std::variant<GradedLevel, ForgeFailure> result;
    std::size_t work = 0;  // spent in the order the rooms are tried, the last room up to its end
    int rooms = 0;         // rooms climbed, the one that gave the level included

    bool ok() const { return std::holds_alternative<GradedLevel>(result); }
    const GradedLevel& level() const { return std::get<GradedLevel>(result); }
    ForgeFailure failure() const { return std::get<ForgeFailure>(result); }
};

// Reported from a forging thread (with several, one at a time), at most a few hundred
// times: from 0 towards 1, never falling. No forge knows how many rooms it will climb, so
// the bar stands half full after the grade's typical work and fills on from there.
using Progress = std::function<void(double)>;

// The level of `code`, the same on every machine whatever `threads`: rooms are climbed
// one by one, each from its own seed and within its own bound, and the first that meets
// the grade's floors wins; there is always one, so only `cancel` ends a forge without it.
// With more threads later rooms are climbed ahead and dropped when an earlier one wins.
// `cancel`, when set, ends the forge within a few milliseconds. 0 threads: the grade's
// own choice (several for Expert, one below it).
ForgeOutcome forgeCode(LevelCode code, const std::atomic<bool>* cancel = nullptr, const Progress& progress = {},
                       int threads = 0);

inline ForgeOutcome forgeGrade(Grade grade, std::uint32_t seed, const std::atomic<bool>* cancel = nullptr,
                               const Progress& progress = {}, int threads = 0)
{
    return forgeCode({grade, seed}, cancel, progress, threads);
}

// The daily puzzle: the level of the day's code.
ForgeOutcome forgeDaily(std::chrono::year_month_day day, const std::atomic<bool>* cancel = nullptr,
                        const Progress& progress = {}, int threads = 0);

// The level file's bytes, as the game reads them and the editor writes them.
std::string levelFileBytes(const GameLevel& level);

// The bytes of the level file for a code: what level_forge --grade writes and the game
// plays.
std::optional<std::string> levelFileForCode(LevelCode code);

} // namespace kelvaro::forge

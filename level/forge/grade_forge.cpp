// SPDX-License-Identifier: GPL-3.0-or-later
// The graded forge: rooms climbed on cheap figures until the floors are in reach, then proven on every position.
#include "level/forge/grade_forge.h"

#include "level/forge/forge_steps.h"
#include "level/forge/room_schedule.h"
#include "level/analysis/level_analysis.h"

#include <algorithm>
#include <limits>
#include <thread>

namespace kelvaro::forge {
namespace {

Settings roomSettings(int width, int height, int crates_low, int crates_high, int max_actions, std::size_t positions)
{
    Settings settings;
    settings.width = width;
    settings.height = height;
    settings.crates_low = crates_low;
    settings.crates_high = crates_high;
    settings.max_actions = max_actions;
    settings.max_run = 6;
    settings.max_positions = positions;
    return settings;
}

const GradeRules rules[] = {
    {roomSettings(7, 6, 1, 3, 60, 10'000), {3, 0, 0}, 150, 0, 40, 1'000'000},
    {roomSettings(8, 7, 2, 4, 80, 20'000), {6, 2, 1}, 250, 0, 40, 8'000'000},
    {roomSettings(10, 9, 4, 7, 110, 30'000), {10, 4, 3}, 800, 10, 40, 25'000'000},
    {roomSettings(12, 11, 6, 10, 160, 60'000), {14, 6, 5}, 1500, 10, 40, 80'000'000},
};

// The climb looks at the cheap figures only; crates moved stand in for the crates that
// must move, which only the count of every position tells.
double climbScore(const Figures& figures)
{
    return figures.score + 6.0 * std::min(figures.depth.crates_moved, 7);
}

bool withinReach(const Depth& quick, const Floors& floors)
{
    return quick.object_changes >= floors.object_changes && quick.crates_moved >= floors.crates_must_move;
}

// The level as the game gets it: the drawing tidied and trimmed, framed, judged again on
// every position (its shortest solution may differ from the one the climb saw).
std::optional<Forged> finished(const Drawing& drawing, const GradeRules& grade, Judging& judging)
{
    Forged forged{trimmed(tidied(drawing)), {}};
    std::optional<Figures> figures = judgeQuickly(forged.drawing, grade.settings, &judging);
    if (!figures || !judgeFully(forged.drawing, grade.settings, *figures, &judging) ||
        !meetsFloors(figures->depth, grade.floors))
        return std::nullopt;
    forged.figures = std::move(*figures);
    return forged;
}

// One room: a fair random room, then small changes kept when the cheap score is no worse
// (sometimes a little worse). The cheap figures say nothing of how many positions a level
// has, and a climb left alone drifts into levels with far too many: every few kept changes
// they are counted, and a level with too many goes back to the last one that fitted. Each
// time the level comes within reach of the floors by its cheap figures, scoring higher than
// the last one that fell short, every position is counted for its traps and crates that must
// move; the first level that meets the floors ends the climb.
RoomClimb climbRoom(const GradeRules& grade, std::uint32_t seed, std::size_t allowance, const RoomWatch& watch)
{
    const Settings& settings = grade.settings;
    Dice dice(seed);
    Judging judging{watch.stop, 0, {}};
    RoomClimb climb;
    auto goOn = [&] {
        climb.work = judging.work;
        climb.stopped = watch.stop && watch.stop();
        if (climb.stopped)
            return false;
        if (watch.spent)
            watch.spent(judging.work);
        climb.exhausted = judging.work >= allowance;
        return !climb.exhausted;
    };
    Drawing current;
    std::optional<Figures> now;
    for (int attempt = 0; !now && attempt < grade.rounds; ++attempt) {
        if (!goOn())
            return climb;
        current = randomRoom(settings, dice);
        now = judgeQuickly(current, settings, &judging);
    }
    std::optional<std::pair<Drawing, Figures>> fitted;
    int kept_since = 0;
    double checked = -std::numeric_limits<double>::infinity();
    for (int round = 0; now && round < grade.rounds; ++round) {
        if (!goOn())
            return climb;
        if (withinReach(now->depth, grade.floors) && climbScore(*now) > checked) {
            checked = climbScore(*now);
            climb.started_last = judging.work;
            if ((climb.found = finished(current, grade, judging))) {
                climb.work = judging.work;
                return climb;
            }
        }
        Drawing trial = mutated(current, settings, dice);
        if (dice.chance(25))
            trial = mutated(trial, settings, dice);
        const double slack = dice.chance(5) ? 25.0 : 0.0;
        std::optional<Figures> figures = judgeQuickly(trial, settings, &judging);
        if (!figures || climbScore(*figures) < climbScore(*now) - slack)
            continue;
        current = std::move(trial);
        now = std::move(figures);
        if (grade.count_every == 0 || ++kept_since < grade.count_every)
            continue;
        kept_since = 0;
        if (positionsFit(current, settings, &judging))
            fitted.emplace(current, *now);
        else if (fitted)
            std::tie(current, now) = *fitted;
    }
    goOn();
    return climb;
}

std::uint32_t roomSeed(LevelCode code, int room)
{
    return mixed(mixed(code.seed * 4U + static_cast<std::uint32_t>(code.grade)) + static_cast<std::uint32_t>(room));
}

GradedLevel gradedLevel(LevelCode code, const Forged& forged)
{
    GradedLevel graded{code, framedLevel(forged.drawing), forged.figures.solution, forged.figures.depth};
    graded.level.timeleft = static_cast<std::int16_t>(fittingTimeLimit(graded.solution.leastMilliseconds()));
    return graded;
}

int threadsFor(Grade grade, int threads)
{
    if (threads > 0)
        return threads;
    if (grade != Grade::expert)
        return 1;
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, 4U));
}

} // namespace

const GradeRules& gradeRules(Grade grade) { return rules[static_cast<int>(grade)]; }

bool meetsFloors(const Depth& depth, const Floors& floors)
{
    return depth.object_changes >= floors.object_changes && depth.crates_must_move >= floors.crates_must_move &&
           depth.traps >= floors.traps;
}

ForgeOutcome forgeCode(LevelCode code, const std::atomic<bool>* cancel, const Progress& progress, int threads)
{
    const GradeRules& grade = gradeRules(code.grade);
    RoomPlan plan{grade.rooms, grade.budget, threadsFor(code.grade, threads), cancel, progress};
    const RoomOutcome outcome = scheduleRooms(plan, [&](int room, std::size_t allowance, const RoomWatch& watch) {
        return climbRoom(grade, roomSeed(code, room), allowance, watch);
    });
    ForgeOutcome forged{ForgeFailure::no_level_found, outcome.work, outcome.rooms};
    if (outcome.cancelled)
        forged.result = ForgeFailure::cancelled;
    else if (outcome.found)
        forged.result = gradedLevel(code, *outcome.found);
    return forged;
}

ForgeOutcome forgeDaily(std::chrono::year_month_day day, const std::atomic<bool>* cancel, const Progress& progress,
                        int threads)
{
    constexpr int attempts = 3;
    ForgeOutcome outcome;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        outcome = forgeCode(dailyCode(day, attempt), cancel, [&](double done) {
            if (progress)
                progress((attempt + done) / attempts);
        }, threads);
        if (outcome.ok() || outcome.failure() == ForgeFailure::cancelled)
            break;
    }
    return outcome;
}

std::string levelFileBytes(const GameLevel& level) { return writeRecord(toRecord(level)); }

std::optional<std::string> levelFileForCode(LevelCode code)
{
    const ForgeOutcome outcome = forgeCode(code);
    if (!outcome.ok())
        return std::nullopt;
    return levelFileBytes(outcome.level().level);
}

} // namespace kelvaro::forge

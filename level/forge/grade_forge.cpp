// SPDX-License-Identifier: GPL-3.0-or-later
// The graded forge: rooms climbed on cheap figures until the floors are in reach, then proven on every position.
#include "level/forge/grade_forge.h"

#include "level/forge/forge_steps.h"
#include "level/forge/pull_search.h"
#include "level/forge/room_schedule.h"
#include "level/analysis/level_analysis.h"
#include "level/solver/solver_space.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>
#include <unordered_map>

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
    {roomSettings(7, 6, 1, 3, 60, 10'000), {3, 0, 0}, 150, 0, 0, 0, 1'000},
    {roomSettings(8, 7, 2, 4, 80, 20'000), {6, 2, 1}, 250, 0, 0, 0, 12'000},
    {roomSettings(10, 9, 4, 7, 110, 30'000), {10, 4, 3}, 1200, 60, 10, 10, 150'000},
    {roomSettings(12, 11, 6, 10, 160, 60'000), {14, 6, 5}, 4000, 60, 10, 10, 1'400'000},
};

// The climb looks at the cheap figures only; crates moved stand in for the crates that
// must move, which only the count of every position tells. On the higher grades a level
// that takes the solver many states scores lower: such levels are slow to judge and
// drift towards more positions than a fair level may have.
double climbScore(const Figures& figures, const GradeRules& grade)
{
    return figures.score + 6.0 * std::min(figures.depth.crates_moved, 7) -
           grade.states_weight * std::log2(1.0 + static_cast<double>(figures.solution.states));
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

// The quick judge of drawings a climb has already judged is remembered: a change often
// leaves the drawing as it was, or goes back to one tried before.
class QuickJudge {
public:
    QuickJudge(const Settings& settings, Judging& judging) : settings_(settings), judging_(judging) {}

    const std::optional<Figures>& operator()(const Drawing& drawing)
    {
        std::string key;
        for (const std::string& row : drawing)
            key += row;
        auto [at, fresh] = judged_.try_emplace(std::move(key));
        if (fresh)
            at->second = judgeQuickly(drawing, settings_, &judging_);
        return at->second;
    }

private:
    const Settings& settings_;
    Judging& judging_;
    std::unordered_map<std::string, std::optional<Figures>> judged_;
};

struct Climber {
    const GradeRules& grade;
    Dice dice;
    Judging judging;
    QuickJudge quick;
    Drawing current;
    std::optional<Figures> now;
    std::optional<std::pair<Drawing, Figures>> fitted;

    Climber(const GradeRules& rules, std::uint32_t seed, const RoomWatch& watch)
        : grade(rules), dice(seed), judging{watch.stop, 0, {}}, quick(rules.settings, judging)
    {
    }

    double score(const Figures& figures) const { return climbScore(figures, grade); }

    // Every few kept changes the level's positions are counted; a level with too many
    // goes back to the last one that fitted. On the higher grades the positions also
    // offer their starts farthest from a win, found backwards, and the climb takes the
    // best of them by its cheap figures.
    void countPositions()
    {
        const PositionSpace space(framedLevel(current), grade.settings.max_positions, judging.stop, &judging.tables);
        judging.work += space.found();
        if (!space.complete()) {
            if (fitted)
                std::tie(current, now) = *fitted;
            return;
        }
        for (FarStart& start :
             farthestStarts(current, space, grade.jumps, [&](int cells) { return dice.below(cells); })) {
            const std::optional<Figures>& figures = quick(start.drawing);
            if (figures && score(*figures) > score(*now)) {
                current = std::move(start.drawing);
                now = figures;
            }
        }
        fitted.emplace(current, *now);
    }
};

// One room: a fair random room, then small changes kept when the cheap score is no worse
// (sometimes a little worse). Each time the level comes within reach of the floors by its
// cheap figures, scoring higher than the last one that fell short, every position is
// counted for its traps and crates that must move; the first level that meets the floors
// ends the climb. The room gives up after its rounds.
RoomClimb climbRoom(const GradeRules& grade, std::uint32_t seed, const RoomWatch& watch)
{
    Climber c(grade, seed, watch);
    RoomClimb climb;
    auto goOn = [&] {
        climb.work = c.judging.work;
        climb.stopped = watch.stop && watch.stop();
        if (watch.spent && !climb.stopped)
            watch.spent(c.judging.work);
        return !climb.stopped;
    };
    for (int attempt = 0; !c.now && attempt < grade.rounds; ++attempt) {
        if (!goOn())
            return climb;
        c.current = randomRoom(grade.settings, c.dice);
        c.now = c.quick(c.current);
    }
    int kept_since = 0;
    double checked = -std::numeric_limits<double>::infinity();
    for (int round = 0; c.now && round < grade.rounds; ++round) {
        if (!goOn())
            return climb;
        if (withinReach(c.now->depth, grade.floors) && c.score(*c.now) > checked) {
            checked = c.score(*c.now);
            if ((climb.found = finished(c.current, grade, c.judging))) {
                climb.work = c.judging.work;
                return climb;
            }
        }
        Drawing trial = mutated(c.current, grade.settings, c.dice);
        if (c.dice.chance(25))
            trial = mutated(trial, grade.settings, c.dice);
        const double slack = c.dice.chance(5) ? 25.0 : 0.0;
        const std::optional<Figures>& figures = c.quick(trial);
        if (!figures || c.score(*figures) < c.score(*c.now) - slack)
            continue;
        c.current = std::move(trial);
        c.now = figures;
        if (grade.count_every > 0 && ++kept_since >= grade.count_every) {
            kept_since = 0;
            c.countPositions();
        }
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
    RoomPlan plan{0, threadsFor(code.grade, threads), cancel, progress, grade.typical};
    const RoomOutcome outcome = scheduleRooms(plan, [&](int room, const RoomWatch& watch) {
        return climbRoom(grade, roomSeed(code, room), watch);
    });
    ForgeOutcome forged{ForgeFailure::cancelled, outcome.work, outcome.rooms};
    if (!outcome.cancelled && outcome.found)
        forged.result = gradedLevel(code, *outcome.found);
    return forged;
}

ForgeOutcome forgeDaily(std::chrono::year_month_day day, const std::atomic<bool>* cancel, const Progress& progress,
                        int threads)
{
    return forgeCode(dailyCode(day), cancel, progress, threads);
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

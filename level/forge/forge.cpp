// SPDX-License-Identifier: GPL-3.0-or-later
// The climb from random rooms by small changes, with the solver's depth figures as the judge of each change.
#include "level/forge/forge.h"
#include "level/forge/forge_steps.h"

#include "level/cell_kind.h"
#include "level/cell_rules.h"
#include "level/solver/solver_space.h"

#include <algorithm>

namespace kelvaro::forge {
namespace {

constexpr int frame = 2;

} // namespace

GameLevel framedLevel(const Drawing& drawing)
{
    GameLevel level;
    const int columns = static_cast<int>(drawing[0].size()) + 2 * frame;
    const int rows = static_cast<int>(drawing.size()) + 2 * frame;
    level.maze = Grid<std::uint8_t>(columns - 1, rows - 1, border);
    level.timeleft = 999;
    for (int y = 0; y < static_cast<int>(drawing.size()); ++y)
        for (int x = 0; x < static_cast<int>(drawing[0].size()); ++x) {
            const char c = drawing[y][x];
            const auto gx = static_cast<std::uint8_t>(x + frame), gy = static_cast<std::uint8_t>(y + frame);
            static constexpr std::string_view legend = "#.o*GS";
            static constexpr std::uint8_t codes[] = {border, blank, obstacle, jewel, goal, blank};
            level.maze.at(gx, gy) = codes[legend.find(c)];
            if (c == '*')
                std::tie(level.jewelx, level.jewely) = std::pair(gx, gy);
            else if (c == 'G')
                std::tie(level.goalx, level.goaly) = std::pair(gx, gy);
            else if (c == 'S')
                std::tie(level.playerx, level.playery) = std::pair(gx, gy);
        }
    return level;
}

Settings settingsOf(const PlanLine& line)
{
    Settings settings;
    settings.width = line.width;
    settings.height = line.height;
    settings.crates_low = line.crates_low;
    settings.crates_high = line.crates_high;
    settings.max_actions = line.max_actions;
    settings.max_changes = line.max_changes;
    settings.rounds = line.rounds;
    settings.restarts = line.restarts;
    settings.seed = static_cast<std::uint32_t>(line.level);
    return settings;
}

double scoreOf(const Depth& depth, const Solution& solution)
{
    const int walking = std::max(0, solution.walks - 2 * solution.pushes);
    return 20.0 * depth.object_changes + 6.0 * std::min(depth.crates_must_move, 7) + 3.0 * std::min(depth.traps, 5) +
           0.5 * depth.crate_pushes - 1.0 * walking;
}

std::optional<Figures> judgeQuickly(const Drawing& drawing, const Settings& settings, Judging* judging)
{
    for (char piece : std::string("*GS"))
        if (cellsOf(drawing, piece).size() != 1)
            return std::nullopt;
    const GameLevel level = framedLevel(drawing);
    Figures figures;
    Judging alone;
    Judging& shared = judging ? *judging : alone;
    figures.solution = solve(level, {settings.max_solve_states, shared.stop, &shared.tables});
    const Solution& s = figures.solution;
    shared.work += s.states;
    if (s.verdict != Verdict::solvable || !s.shortest || s.actions() > settings.max_actions)
        return std::nullopt;
    figures.depth = measureDepth(level, s, {.full = false});
    if (figures.depth.longest_run > settings.max_run || figures.depth.object_changes > settings.max_changes)
        return std::nullopt;
    figures.score = scoreOf(figures.depth, s);
    return figures;
}

namespace {

// The positions of a drawing's level, counted with what the judging shares, and their cost added.
PositionSpace countedPositions(const GameLevel& level, const Settings& settings, Judging* judging)
{
    Judging alone;
    Judging& shared = judging ? *judging : alone;
    PositionSpace space(level, settings.max_positions, shared.stop, &shared.tables);
    shared.work += space.found();
    return space;
}

} // namespace

bool judgeFully(const Drawing& drawing, const Settings& settings, Figures& figures, Judging* judging)
{
    const GameLevel level = framedLevel(drawing);
    const PositionSpace space = countedPositions(level, settings, judging);
    if (!space.complete())
        return false;
    figures.depth = measureDepth(level, figures.solution, space);
    figures.score = scoreOf(figures.depth, figures.solution);
    return true;
}

bool positionsFit(const Drawing& drawing, const Settings& settings, Judging* judging)
{
    return countedPositions(framedLevel(drawing), settings, judging).complete();
}

std::optional<Figures> judge(const Drawing& drawing, const Settings& settings, double bar, Judging* judging)
{
    // The cheap figures first: most changes fail on them, before the costly count of
    // every position.
    std::optional<Figures> figures = judgeQuickly(drawing, settings, judging);
    if (!figures || figures->score + 6.0 * figures->depth.crates_moved + 15.0 < bar ||
        !judgeFully(drawing, settings, *figures, judging))
        return std::nullopt;
    return figures;
}

std::optional<Forged> forge(const Settings& settings)
{
    Dice dice(settings.seed);
    Judging judging;
    std::optional<Forged> best;
    for (int restart = 0; restart < settings.restarts; ++restart) {
        // A room to start from must already be a fair level.
        Drawing current = randomRoom(settings, dice);
        std::optional<Figures> judged = judge(current, settings, -1e9, &judging);
        for (int attempt = 0; !judged && attempt < 500; ++attempt) {
            current = randomRoom(settings, dice);
            judged = judge(current, settings, -1e9, &judging);
        }
        if (!judged)
            continue;
        for (int round = 0; round < settings.rounds; ++round) {
            Drawing trial = mutated(current, settings, dice);
            if (dice.chance(25))
                trial = mutated(trial, settings, dice);
            // Sideways steps are taken too, so the climb wanders over plateaus, and now
            // and then a step down, so it can leave a hill that is not the highest.
            const double slack = dice.chance(5) ? 25.0 : 0.0;
            auto figures = judge(trial, settings, judged->score - slack, &judging);
            if (figures && figures->score >= judged->score - slack) {
                current = std::move(trial);
                judged = std::move(figures);
                if (!best || judged->score > best->figures.score)
                    best = Forged{tidied(current), *judged};
            }
        }
        if (!best || judged->score > best->figures.score)
            best = Forged{tidied(current), *judged};
    }
    return best;
}

Drawing tidied(const Drawing& drawing)
{
    const GameLevel level = framedLevel(drawing);
    Drawing out = drawing;
    Grid<std::uint8_t> seen(level.maze.maxx(), level.maze.maxy(), 0);
    std::vector<Spot> queue{{level.playerx, level.playery}};
    seen.at(level.playerx, level.playery) = 1;
    // Everything that ever moves stays in the cells that are not border round the start.
    for (std::size_t head = 0; head < queue.size(); ++head)
        for (const Direction& d : directions) {
            const Spot next{queue[head].x + d.dx, queue[head].y + d.dy};
            if (!seen.at(next.x, next.y) && level.maze.at(next.x, next.y) != border) {
                seen.at(next.x, next.y) = 1;
                queue.push_back(next);
            }
        }
    for (int y = 0; y < static_cast<int>(out.size()); ++y)
        for (int x = 0; x < static_cast<int>(out[0].size()); ++x)
            if (!seen.at(x + frame, y + frame))
                out[y][x] = '#';
    return out;
}

Drawing trimmed(Drawing drawing)
{
    auto wall = [](char c) { return c == '#'; };
    auto row_of_wall = [&](const std::string& row) { return std::all_of(row.begin(), row.end(), wall); };
    while (!drawing.empty() && row_of_wall(drawing.back()))
        drawing.pop_back();
    while (!drawing.empty() && row_of_wall(drawing.front()))
        drawing.erase(drawing.begin());
    auto column_of_wall = [&](std::size_t x) {
        return std::all_of(drawing.begin(), drawing.end(), [&](const std::string& row) { return wall(row[x]); });
    };
    while (!drawing.empty() && !drawing[0].empty() && column_of_wall(drawing[0].size() - 1))
        for (std::string& row : drawing)
            row.pop_back();
    while (!drawing.empty() && !drawing[0].empty() && column_of_wall(0))
        for (std::string& row : drawing)
            row.erase(row.begin());
    return drawing;
}

} // namespace kelvaro::forge

// SPDX-License-Identifier: GPL-3.0-or-later
// Random rooms carved out of solid border, and the small changes a climb tries on them.
#include "level/forge/forge_steps.h"

#include "level/cell_rules.h"

#include <algorithm>

namespace kelvaro::forge {
namespace {

constexpr char pieces[] = "o*GS";

Spot any(const std::vector<Spot>& spots, Dice& dice) { return spots[static_cast<std::size_t>(dice.below(static_cast<int>(spots.size())))]; }

} // namespace

std::vector<Spot> cellsOf(const Drawing& drawing, char c)
{
    std::vector<Spot> found;
    for (int y = 0; y < static_cast<int>(drawing.size()); ++y)
        for (int x = 0; x < static_cast<int>(drawing[0].size()); ++x)
            if (drawing[y][x] == c)
                found.push_back({x, y});
    return found;
}

Drawing randomRoom(const Settings& settings, Dice& dice)
{
    Drawing drawing(settings.height, std::string(settings.width, '#'));
    Spot at{dice.below(settings.width), dice.below(settings.height)};
    const int open_goal = static_cast<int>(settings.width * settings.height * settings.open_share);
    for (int open = 0, steps = 0; open < open_goal && steps < 20 * open_goal; ++steps) {
        for (int dy = 0; dy < (dice.chance(15) ? 2 : 1); ++dy)
            for (int dx = 0; dx < (dice.chance(15) ? 2 : 1); ++dx) {
                const Spot cell{std::min(at.x + dx, settings.width - 1), std::min(at.y + dy, settings.height - 1)};
                char& c = drawing[cell.y][cell.x];
                open += c == '#';
                c = '.';
            }
        const Direction d = directions[dice.below(4)];
        at = {std::clamp(at.x + d.dx, 0, settings.width - 1), std::clamp(at.y + d.dy, 0, settings.height - 1)};
    }
    for (char piece : std::string("*GS"))
        if (auto blank = cellsOf(drawing, '.'); !blank.empty()) {
            const Spot spot = any(blank, dice);
            drawing[spot.y][spot.x] = piece;
        }
    const int crates = settings.crates_low + dice.below(settings.crates_high - settings.crates_low + 1);
    for (int i = 0; i < crates; ++i)
        if (auto blank = cellsOf(drawing, '.'); !blank.empty()) {
            const Spot spot = any(blank, dice);
            drawing[spot.y][spot.x] = 'o';
        }
    return drawing;
}

Drawing mutated(Drawing drawing, const Settings& settings, Dice& dice)
{
    const int roll = dice.below(100);
    const Spot cell{dice.below(settings.width), dice.below(settings.height)};
    char& at = drawing[cell.y][cell.x];
    const auto blank = cellsOf(drawing, '.');
    const int crates = static_cast<int>(cellsOf(drawing, 'o').size());
    if (roll < 35) {
        if (at == '#' || at == '.')
            at = at == '#' ? '.' : '#';
    } else if (roll < 80) {
        const char piece = pieces[dice.below(4)];
        const auto from = cellsOf(drawing, piece);
        if (from.empty() || blank.empty())
            return drawing;
        const Spot start = any(from, dice);
        Spot to = any(blank, dice);
        if (dice.chance(60)) {
            const Direction d = directions[dice.below(4)];
            to = {start.x + d.dx, start.y + d.dy};
            if (to.x < 0 || to.y < 0 || to.x >= settings.width || to.y >= settings.height || drawing[to.y][to.x] != '.')
                return drawing;
        }
        drawing[start.y][start.x] = '.';
        drawing[to.y][to.x] = piece;
    } else if (roll < 90) {
        if (crates < settings.crates_high && !blank.empty()) {
            const Spot to = any(blank, dice);
            drawing[to.y][to.x] = 'o';
        }
    } else if (crates > settings.crates_low) {
        const Spot from = any(cellsOf(drawing, 'o'), dice);
        drawing[from.y][from.x] = '.';
    }
    return drawing;
}

} // namespace kelvaro::forge

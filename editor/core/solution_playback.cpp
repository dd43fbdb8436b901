// SPDX-License-Identifier: GPL-3.0-or-later
// Replaying a solution: the walk and push rules of the game, drawn with the editor's pictures.
#include "editor/core/solution_playback.h"

#include "level/cell_kind.h"
#include "level/cell_rules.h"

#include <optional>
#include <utility>

namespace kelvaro {
namespace {

std::optional<CanvasPicture> pictureOf(std::uint8_t code)
{
    switch (code) {
    case blank: return CanvasPicture::blank;
    case border: return CanvasPicture::border;
    case goal: return CanvasPicture::goal;
    case jewel: return CanvasPicture::jewel;
    case obstacle: return CanvasPicture::obstacle;
    default: return std::nullopt;  // the editor draws nothing for other codes either
    }
}

} // namespace

SolutionPlayback::SolutionPlayback(GameLevel level, std::vector<Action> moves)
    : level_(std::move(level)), moves_(std::move(moves)), x_(level_.playerx), y_(level_.playery)
{
}

void SolutionPlayback::step()
{
    if (finished())
        return;
    const Action action = moves_[next_++];
    const Direction d = directions[action.dir & 3];
    Grid<std::uint8_t>& maze = level_.maze;
    const std::uint8_t front = codeAt(maze, x_ + d.dx, y_ + d.dy);
    if (!action.push) {
        if (ruleFor(front).walk_onto) {
            x_ += d.dx;
            y_ += d.dy;
        }
        return;
    }
    // A push moves what stands in front one cell on; the player stays where it stands.
    const std::uint8_t beyond = codeAt(maze, x_ + 2 * d.dx, y_ + 2 * d.dy);
    if (!mayPush(front, beyond))
        return;
    maze.at(x_ + d.dx, y_ + d.dy) = blank;
    maze.at(x_ + 2 * d.dx, y_ + 2 * d.dy) = front;
    if (front == jewel) {
        level_.jewelx = static_cast<std::uint8_t>(x_ + 2 * d.dx);
        level_.jewely = static_cast<std::uint8_t>(y_ + 2 * d.dy);
    }
}

void SolutionPlayback::draw(Grid<CanvasPicture>& canvas) const
{
    for (int x = 1; x < level_.maze.maxx() && x < canvas.maxx(); ++x) {
        for (int y = 1; y < level_.maze.maxy() && y < canvas.maxy(); ++y) {
            if (const auto picture = pictureOf(level_.maze.at(x, y)))
                canvas.at(x, y) = *picture;
        }
    }
    if (canvas.contains(x_, y_))
        canvas.at(x_, y_) = CanvasPicture::start;
}

} // namespace kelvaro

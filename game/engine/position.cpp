// SPDX-License-Identifier: GPL-3.0-or-later
// The level as it stands in play: the one walk and push rule, the moves made and their take-back.
#include "game/engine/position.h"

#include "level/cell_rules.h"

#include <algorithm>
#include <utility>

namespace kelvaro {

void Position::start(GameLevel level)
{
    level_ = std::move(level);
    ++maze_changes_;
    playerdir_ = 0;
    history_.clear();
    taken_back_.clear();
    moving_ = {};
}

Position::Move Position::before() const
{
    return {level_.playerx, level_.playery, playerdir_, level_.jewelx, level_.jewely};
}

bool Position::beginWalk()
{
    const Direction d = directions[playerdir_];
    if (!ruleFor(codeAt(level_.maze, level_.playerx + d.dx, level_.playery + d.dy)).walk_onto)
        return false;
    moving_ = before();
    return true;
}

std::optional<std::uint8_t> Position::beginPush()
{
    const Direction d = directions[playerdir_];
    const int fx = level_.playerx + d.dx, fy = level_.playery + d.dy;
    const int gx = fx + d.dx, gy = fy + d.dy;
    const std::uint8_t front = codeAt(level_.maze, fx, fy);
    if (!mayPush(front, codeAt(level_.maze, gx, gy)))
        return std::nullopt;
    Move move = before();
    move.push = true;
    move.fx = fx, move.fy = fy, move.gx = gx, move.gy = gy;
    move.f_code = front;
    move.g_code = level_.maze.at(gx, gy);
    level_.maze.at(fx, fy) = blank;
    level_.maze.at(gx, gy) = front;
    ++maze_changes_;
    if (front == jewel) {
        level_.jewelx = static_cast<std::uint8_t>(gx);
        level_.jewely = static_cast<std::uint8_t>(gy);
    }
    moving_ = move;
    return front;
}

void Position::complete()
{
    if (!moving_.push) {
        const Direction d = directions[playerdir_];
        level_.playerx = static_cast<std::uint8_t>(level_.playerx + d.dx);
        level_.playery = static_cast<std::uint8_t>(level_.playery + d.dy);
    }
    moving_.dir = playerdir_;
    history_.push_back(moving_);
    taken_back_.clear();  // a new move: what was taken back is gone for good
}

std::vector<Action> Position::moves() const
{
    std::vector<Action> made;
    made.reserve(history_.size());
    for (const Move& move : history_)
        made.push_back({move.push, move.dir});
    return made;
}

bool Position::takeBack()
{
    if (history_.empty())
        return false;
    const Move move = history_.back();
    history_.pop_back();
    taken_back_.push_back(move);
    level_.playerx = move.playerx;
    level_.playery = move.playery;
    playerdir_ = move.playerdir;
    level_.jewelx = move.jewelx;
    level_.jewely = move.jewely;
    if (move.push) {
        level_.maze.at(move.fx, move.fy) = move.f_code;
        level_.maze.at(move.gx, move.gy) = move.g_code;
        ++maze_changes_;
    }
    return true;
}

std::optional<bool> Position::redo()
{
    if (taken_back_.empty())
        return std::nullopt;
    std::vector<Move> still = std::move(taken_back_);
    const Move move = still.back();
    still.pop_back();
    face(move.dir);
    // The position is the one the move was made from, so the same rule lets it again.
    if (move.push ? !beginPush().has_value() : !beginWalk())
        return std::nullopt;
    complete();
    taken_back_ = std::move(still);
    return move.push;
}

void Position::restore(Position earlier, std::int16_t timeleft)
{
    const std::uint64_t changes = maze_changes_;
    *this = std::move(earlier);
    maze_changes_ = std::max(changes, maze_changes_) + 1;  // a drawing of either is out of date
    level_.timeleft = timeleft;
    taken_back_.clear();
}

int Position::countDown()
{
    // Counted in a wider integer: a limit of -32768 ends at the first tick like any negative one.
    const int left = level_.timeleft - 1;
    level_.timeleft = static_cast<std::int16_t>(left < 1 ? 0 : left);
    return left;
}

} // namespace kelvaro

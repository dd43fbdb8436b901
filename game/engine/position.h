// SPDX-License-Identifier: GPL-3.0-or-later
// The level as it stands in play: its cells, the jewel, the player and the countdown, the moves made and their take-back.
#pragma once

#include "game/ports/engine_ports.h"
#include "level/game_level.h"
#include "level/solver/solver.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace kelvaro {

// The arrow key of each facing kept in playerdir (0 right, 1 left, 2 up, 3 down): the order of
// `directions` and of the player's strips, and the one mapping between facings and keys.
inline constexpr Key arrowFor[4] = {Key::right, Key::left, Key::up, Key::down};

// A walk or a push is made in two halves around its animation. Begun, the position changes as
// the game always changed it at once: the figure turns, and a push moves its object. Completed,
// a walk moves the figure, and the move is kept so that taking it back restores exactly what was.
class Position {
public:
    // Everything a walk or push changed.
    struct Move {
        std::uint8_t playerx = 0, playery = 0, playerdir = 0, jewelx = 0, jewely = 0;
        bool push = false;
        int fx = 0, fy = 0, gx = 0, gy = 0;  // the object's cell and the one it went to
        std::uint8_t f_code = 0, g_code = 0;
        std::uint8_t dir = 0;  // the way the move went
    };

    // A new level, facing right, with no moves made.
    void start(GameLevel level);

    const GameLevel& level() const { return level_; }
    const Grid<std::uint8_t>& maze() const { return level_.maze; }
    std::uint8_t maxx() const { return static_cast<std::uint8_t>(level_.maze.maxx()); }
    std::uint8_t maxy() const { return static_cast<std::uint8_t>(level_.maze.maxy()); }
    std::uint8_t playerdir() const { return playerdir_; }
    // The jewel lies on the goal: the level is won.
    bool won() const { return level_.jewelx == level_.goalx && level_.jewely == level_.goaly; }
    // Raised whenever a cell changes, so a drawing can tell whether it is still up to date.
    std::uint64_t mazeChanges() const { return maze_changes_; }

    void face(std::uint8_t dir) { playerdir_ = dir; }
    // The walk ahead, when the cell ahead may be walked onto.
    bool beginWalk();
    // The push ahead, when what stands ahead may be pushed on: the code of what moves.
    std::optional<std::uint8_t> beginPush();
    // The move under way is over: a walk moves the figure a cell on; the move is kept.
    void complete();
    // Where the move under way began: the figure's cell, and for a push the object's.
    const Move& underWay() const { return moving_; }

    // Undoes the last completed move; false when there is none. The move can then be redone
    // until a new one is made.
    bool takeBack();
    bool canRedo() const { return !taken_back_.empty(); }
    // Makes the move last taken back again, at once: whether it was a push, or nothing when
    // there is none to redo.
    std::optional<bool> redo();
    // Puts back a position kept from before, with `timeleft` on its clock and nothing to redo.
    void restore(Position earlier, std::int16_t timeleft);
    std::size_t movesMade() const { return history_.size(); }
    // The moves made since the start, less those taken back, as the solver writes them.
    std::vector<Action> moves() const;

    // A second of the countdown gone: the count that follows, as shown, even below 1; the
    // time left itself stops at 0.
    int countDown();

private:
    Move before() const;

    GameLevel level_;
    std::uint8_t playerdir_ = 0;
    std::uint64_t maze_changes_ = 0;
    std::vector<Move> history_;
    std::vector<Move> taken_back_;  // the moves taken back, the last on top, while they can be redone
    Move moving_{};  // the move under way, kept when it completes
};

} // namespace kelvaro

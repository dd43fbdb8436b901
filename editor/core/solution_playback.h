// SPDX-License-Identifier: GPL-3.0-or-later
// The shortest solution played on the editor's canvas, one action at a time.
#pragma once

#include "editor/core/canvas_picture.h"
#include "level/game_level.h"
#include "level/solver/solver.h"

#include <cstddef>
#include <vector>

namespace kelvaro {

class SolutionPlayback {
public:
    // `level` as the game reads it; `moves` a solution of it.
    SolutionPlayback(GameLevel level, std::vector<Action> moves);

    bool finished() const { return next_ >= moves_.size(); }
    std::size_t played() const { return next_; }

    // Takes the next action by the game's walk and push rules; nothing once finished.
    void step();

    // Draws the position as the editor draws a level, with the start picture standing for
    // the player; the outer ring is left alone, as it always is.
    void draw(Grid<CanvasPicture>& canvas) const;

    int playerx() const { return x_; }
    int playery() const { return y_; }
    const GameLevel& level() const { return level_; }

private:
    GameLevel level_;
    std::vector<Action> moves_;
    std::size_t next_ = 0;
    int x_, y_;
};

} // namespace kelvaro

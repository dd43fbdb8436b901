// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse and touchpad play: a click on a cell of the playfield becomes moves the play loop takes as if their keys were held.
#pragma once

#include "game/aid/pointer_plan.h"
#include "game/engine/engine.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace kelvaro {

class PointerPlay {
public:
    PointerPlay(Engine& engine, Controls& controls);

    // A left click on cell (x, y): a walk to a floor cell the player can reach; a push of a
    // crate or the jewel beside the player; further away, the object is picked and the cells
    // it can be pushed to are marked, and a click on one of those pushes it there. Clicks do
    // nothing unless the level is in play. A click during a move acts once the move is over.
    void click(int x, int y);
    // A right click, Esc, an arrow key or Ctrl: the pick is dropped, and a walk stops at the
    // cell it is stepping onto.
    void cancel();
    // Whether a click on the cell would do anything: the pointer shows a hand there.
    bool acts(int x, int y);

    void onChange(Engine::Change change);
    // Carries out a click that waited for a move to end; drops the pick once play is interrupted.
    void advance();

private:
    const PointerPlan& plan();
    void act(int x, int y);
    void pick(int x, int y, PushTargets targets);
    void dropPick();

    Engine& engine_;
    Controls& controls_;
    std::uint64_t position_ = 0;  // raised whenever the engine reports a change of position
    std::optional<PointerPlan> plan_;
    std::uint64_t planned_position_ = 0;
    std::optional<PushTargets> targets_;  // of the picked object
    std::optional<std::pair<int, int>> waiting_;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Rooms climbed in order under one budget, on one thread or several, with the same winner either way.
#pragma once

#include "level/forge/forge.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>

namespace kelvaro::forge {

// What a room's climb is told while it runs.
struct RoomWatch {
    std::function<bool()> stop;             // cancelled, or the room no longer matters
    std::function<void(std::size_t)> spent;  // the room's work so far, now and then
};

// How a room's climb ended. A climb checks its allowance before each step and stops
// once its work reaches it, so the same room climbed with a larger allowance only goes
// on further: which of the two ends it reaches follows from the figures below.
struct RoomClimb {
    std::optional<Forged> found;
    std::size_t work = 0;          // spent by the end
    std::size_t started_last = 0;  // work spent when the step that found the level began
    bool exhausted = false;        // its work reached the allowance
    bool stopped = false;          // watch.stop ended it: the figures mean nothing
};

using ClimbRoom = std::function<RoomClimb(int room, std::size_t allowance, const RoomWatch& watch)>;

struct RoomPlan {
    int rooms = 0;
    std::size_t budget = 0;
    int threads = 1;
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(double)> progress;  // the share of the budget spent
};

struct RoomOutcome {
    std::optional<Forged> found;
    std::size_t work = 0;  // of the rooms up to the one that settled it, as if climbed one by one
    int rooms = 0;
    bool cancelled = false;
};

// Room 0, 1, 2 … each with what is left of the budget, until one finds a level or the
// budget or the rooms run out. Several threads climb later rooms ahead with the whole
// budget and settle the rooms in order as they finish, so the outcome is the one-by-one
// outcome; a room after one that found a level is stopped.
RoomOutcome scheduleRooms(const RoomPlan& plan, const ClimbRoom& climb);

} // namespace kelvaro::forge

// SPDX-License-Identifier: GPL-3.0-or-later
// Rooms climbed in order until one gives a level, on one thread or several, with the same winner either way.
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

// How a room's climb ended. Each room bounds its own work, so what it gives depends on
// its seed alone, never on the rooms before it.
struct RoomClimb {
    std::optional<Forged> found;
    std::size_t work = 0;  // spent by the end
    bool stopped = false;  // watch.stop ended it: the figures mean nothing
};

using ClimbRoom = std::function<RoomClimb(int room, const RoomWatch& watch)>;

struct RoomPlan {
    int rooms = 0;  // rooms at most; 0: as many as it takes
    int threads = 1;
    const std::atomic<bool>* cancel = nullptr;
    // Told how far the forge is, from 0 towards 1 and never falling: with no bound on the
    // rooms it cannot know, so the share is 1 - 2^(-work / typical).
    std::function<void(double)> progress;
    std::size_t typical = 1;  // the work after which the bar stands half full
};

struct RoomOutcome {
    std::optional<Forged> found;
    std::size_t work = 0;  // of the rooms up to the one that gave the level, as if climbed one by one
    int rooms = 0;
    bool cancelled = false;
};

// Room 0, 1, 2 … until one finds a level (or the rooms run out). Several threads climb
// later rooms ahead and settle them in order as they finish, so the outcome is the
// one-by-one outcome; a room after one that found a level is stopped.
RoomOutcome scheduleRooms(const RoomPlan& plan, const ClimbRoom& climb);

} // namespace kelvaro::forge

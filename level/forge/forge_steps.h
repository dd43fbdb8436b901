// SPDX-License-Identifier: GPL-3.0-or-later
// The forge's dice, its random rooms and its small changes: every climb's moves, the same on every machine.
#pragma once

#include "level/forge/forge.h"

#include <cstdint>
#include <random>
#include <vector>

namespace kelvaro::forge {

// Deterministic on every platform: the engine is fixed by the standard, and ranges
// are taken by remainder rather than by a library distribution.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::mt19937 engine_;
};

// A fixed mix of 32 bits (multiplies and shifts, each step a bijection), so seeds next to
// one another give unrelated dice.
constexpr std::uint32_t mixed(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

struct Spot {
    int x;
    int y;
};

std::vector<Spot> cellsOf(const Drawing& drawing, char c);

// Tight rooms make deep levels: a walk that carves corridors and small rooms out of
// solid border until the settings' share of the inside is open, then the pieces dropped in.
Drawing randomRoom(const Settings& settings, Dice& dice);

// One small change: a wall raised or taken down, a piece moved near or far, a crate
// added or taken away.
Drawing mutated(Drawing drawing, const Settings& settings, Dice& dice);

} // namespace kelvaro::forge

// SPDX-License-Identifier: GPL-3.0-or-later
// The level digest: 64-bit FNV-1a over the played content, in a fixed byte order.
#include "level/level_digest.h"

#include <cstdint>
#include <cstdio>

namespace kelvaro {

std::string levelDigest(const GameLevel& level)
{
    // FNV-1a: stable on every machine and library, unlike std::hash; the digest only tells
    // levels apart for the player's records, it guards nothing.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    const auto add = [&hash](std::uint8_t byte) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    };
    const auto add16 = [&add](int value) {
        add(static_cast<std::uint8_t>(value & 0xff));
        add(static_cast<std::uint8_t>((value >> 8) & 0xff));
    };
    add16(level.maze.maxx());
    add16(level.maze.maxy());
    for (int value : {level.jewelx, level.jewely, level.goalx, level.goaly, level.playerx, level.playery})
        add(static_cast<std::uint8_t>(value));
    add16(level.timeleft);
    for (std::uint8_t cell : level.maze.cells())
        add(cell);
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's timeline: the start effect's spiral of rings, and the walk and push animation.
#include "game/engine/timeline.h"

namespace kelvaro {

std::vector<CellPos> spiralRing(int maxx, int maxy, int k)
{
    const int left = k, top = k, right = maxx - k, bottom = maxy - k;
    std::vector<CellPos> tiles;
    for (int x = left; x <= right; ++x)
        tiles.push_back({x, top});
    for (int y = top + 1; y <= bottom; ++y)
        tiles.push_back({right, y});
    for (int x = right - 1; x >= left; --x)
        tiles.push_back({x, bottom});
    for (int y = bottom - 1; y >= top + 1; --y)
        tiles.push_back({left, y});
    return tiles;
}

void Timeline::beginSpiral(int maxx, int maxy, std::uint32_t now)
{
    maxx_ = maxx;
    maxy_ = maxy;
    tiles_laid_ = 0;
    ring_ = 1;
    ring_tiles_ = spiralRing(maxx_, maxy_, ring_);
    next_tile_ = 0;
    wait(now, 0);
}

std::optional<CellPos> Timeline::takeTile(std::uint32_t now)
{
    if (next_tile_ >= ring_tiles_.size())
        return std::nullopt;
    ++tiles_laid_;
    wait(now, 10);
    return ring_tiles_[next_tile_++];
}

bool Timeline::ringsLeft() const
{
    const int inner = (maxx_ - 1) * (maxy_ - 1);
    return tiles_laid_ < inner && !ring_tiles_.empty();
}

void Timeline::nextRing(std::uint32_t now)
{
    ring_tiles_ = spiralRing(maxx_, maxy_, ++ring_);
    next_tile_ = 0;
    wait(now, 0);
}

void Timeline::wait(std::uint32_t now, std::uint32_t ms)
{
    wait_start_ = now;
    wait_ms_ = ms;
}

void Timeline::beginAnimation(Animation kind, int fx, int fy)
{
    animation_ = kind;
    fx_ = fx;
    fy_ = fy;
    counter_ = 0;
}

} // namespace kelvaro

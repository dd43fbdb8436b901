// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's timeline: the start effect's rings and waits, and the frames of a walk or push.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kelvaro {

struct CellPos {
    int x;
    int y;
    bool operator==(const CellPos&) const = default;
};

// The tiles of spiral ring k (1 for the outermost inner ring), in drawing order.
std::vector<CellPos> spiralRing(int maxx, int maxy, int k);

// What is due when, between the engine's steps. Times are the engine's wrapping tick counts.
class Timeline {
public:
    enum class Animation { walk, push_obstacle, push_jewel };

    // --- the start effect: READY! tiles ring by ring from the outside in, 10 ms apart,
    // then 700 ms before play.
    void beginSpiral(int maxx, int maxy, std::uint32_t now);
    // The next tile of the ring under way, when the ring has one left; the one after waits 10 ms.
    std::optional<CellPos> takeTile(std::uint32_t now);
    // The ring under way is laid: whether another follows. A ring without tiles could never
    // bring the count up, so none follows it.
    bool ringsLeft() const;
    void nextRing(std::uint32_t now);
    int tilesLaid() const { return tiles_laid_; }
    // A wait of `ms` from `now`, and when it ends.
    void wait(std::uint32_t now, std::uint32_t ms);
    bool waiting(std::uint32_t now) const { return now - wait_start_ < wait_ms_; }
    std::uint32_t waitEnds() const { return wait_start_ + wait_ms_; }

    // --- a walk or push: eight frames, the moving image two pixels further each time
    // (the counter goes up by 2 to 16); (fx, fy) is the cell of what moves.
    void beginAnimation(Animation kind, int fx, int fy);
    void nextFrame() { counter_ += 2; }
    bool lastFrame() const { return counter_ == 16; }
    Animation animation() const { return animation_; }
    int counter() const { return counter_; }
    int fx() const { return fx_; }
    int fy() const { return fy_; }

private:
    int maxx_ = 0, maxy_ = 0;
    int ring_ = 0;
    std::vector<CellPos> ring_tiles_;
    std::size_t next_tile_ = 0;
    int tiles_laid_ = 0;
    std::uint32_t wait_start_ = 0;
    std::uint32_t wait_ms_ = 0;

    Animation animation_ = Animation::walk;
    int counter_ = 0;
    int fx_ = 0, fy_ = 0;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's drawing: the playfield composed in the back buffer and copied to the window, saying where.
#pragma once

#include "game/engine/controls.h"
#include "game/engine/images.h"
#include "game/engine/position.h"
#include "game/engine/surface.h"
#include "game/engine/timeline.h"

#include <cstdint>

namespace kelvaro {

// Draws what the position and the timeline say into the back buffer, then copies to the
// window's surface only the cells that changed, and marks them drawn for the view. Cells
// are composed as the game always composed the whole playfield at every frame: a cell left
// out here is one that drawing again would not change.
class Drawing {
public:
    Drawing(Controls& controls, const Images& images) : controls_(controls), images_(images) {}

    // A new level: the back buffer holds only what the window can show of its playfield.
    void beginLevel(int maxx, int maxy);
    // The back buffer and the window black.
    void clear();
    void putTile(CellPos at);
    // A frame of the walk or push under way, as far as the timeline has taken it.
    void frame(const Position& position, const Timeline& timeline);
    // The figure at rest, unless the window shows the position already.
    void redraw(const Position& position);

    const Surface& backBuffer() const { return backBuffer_; }
    // The whole playfield's size in pixels, however much of it the window shows.
    int backBufferWidth() const { return backBufferWidth_; }
    int backBufferHeight() const { return backBufferHeight_; }

    // The outcome's banner and buttons, placed over the middle of the playfield.
    void placeWinner();
    void placeGameOver();

private:
    // Cells from (left, top) to (right, bottom), both included.
    struct Cells {
        int left, top, right, bottom;
        Cells joined(const Cells& other) const;
    };
    static Cells cell(int x, int y) { return {x, y, x, y}; }
    Cells everyCell() const;
    void compose(const Position& position, Cells cells, int skip_code);
    void drawFrameOfStrip(int playerdir, int frame, int px, int py);
    void copyToWindow(Cells cells);
    // Whether the window still shows the back buffer as last copied: nothing else drew over it.
    bool windowKept() const { return controls_.windowSurfaceVersion == copied_version_; }

    Controls& controls_;
    const Images& images_;
    Surface backBuffer_;
    int backBufferWidth_ = 0;
    int backBufferHeight_ = 0;
    int maxx_ = 0, maxy_ = 0;
    std::uint64_t copied_version_ = ~0ull;
    // What the window showed after the last redraw: a redraw that would put the same pixels
    // on an untouched window is skipped, so an idle step costs next to nothing.
    struct Shown {
        std::uint64_t maze_changes = ~0ull;
        int playerx = -1, playery = -1, playerdir = -1;
        bool operator==(const Shown&) const = default;
    };
    Shown shown_;
    bool moved_since_shown_ = false;  // a frame drew the figure away from its rest
    // A push's frame composed the whole playfield but the cells of its object's kind (as the
    // game does): those may not show their picture, so the next frame composes everything too.
    bool stale_ = false;
    Cells figure_{0, 0, 0, 0};         // where the last frame or redraw drew moving images
};

} // namespace kelvaro

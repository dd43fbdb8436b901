// SPDX-License-Identifier: GPL-3.0-or-later
// Level thumbnails: the cell pictures sampled at their pixel centres, so edges stay sharp.
#include "game/play/level_thumbnail.h"

#include "level/cell_kind.h"

#include <algorithm>

namespace kelvaro {
namespace {

// Draws the top-left `cell_size` square of `image` shrunk to `px` at (dx, dy), nearest pixel.
void drawShrunk(Surface& out, const Surface& image, int px, int dx, int dy)
{
    for (int j = 0; j < px; ++j) {
        const int y = dy + j;
        if (y < 0 || y >= out.height())
            continue;
        const int sy = std::min((2 * j + 1) * cell_size / (2 * px), image.height() - 1);
        for (int i = 0; i < px; ++i) {
            const int x = dx + i;
            const int sx = std::min((2 * i + 1) * cell_size / (2 * px), image.width() - 1);
            if (x >= 0 && x < out.width() && sx >= 0 && sy >= 0)
                out.at(x, y) = image.at(sx, sy);
        }
    }
}

} // namespace

Surface levelThumbnail(const GameLevel& level, const Images& images, int max_width, int max_height, int cell_px)
{
    // The game draws columns 1 .. maxx-1 and rows 1 .. maxy-1.
    const int columns = std::max(level.maze.maxx() - 1, 1), rows = std::max(level.maze.maxy() - 1, 1);
    const int px = std::clamp(std::min(max_width / columns, max_height / rows), 1, cell_px);
    Surface out(std::min(columns * px, max_width), std::min(rows * px, max_height));
    for (int x = 1; x < level.maze.maxx(); ++x)
        for (int y = 1; y < level.maze.maxy(); ++y)
            if (const Surface* image = images.cell(level.maze.at(x, y)))
                drawShrunk(out, *image, px, (x - 1) * px, (y - 1) * px);
    // The figure as the level starts: frame 0 of its strip, facing right.
    if (images.strip(0).width() > 0)
        drawShrunk(out, images.strip(0), px, (level.playerx - 1) * px, (level.playery - 1) * px);
    return out;
}

} // namespace kelvaro

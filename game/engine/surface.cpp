// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel surfaces: clipping rectangle copies.
#include "game/engine/surface.h"

#include <algorithm>
#include <cstring>

namespace kelvaro {

Surface::Surface(int width, int height, Pixel fill) { reset(width, height, fill); }

void Surface::reset(int width, int height, Pixel fill)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, fill);
}

void Surface::fill(Pixel colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

void Surface::copy(const Surface& source, int sx, int sy, int w, int h, int dx, int dy)
{
    // Clip against the source, then the destination, moving both corners together.
    auto clip = [&](int& s, int& d, int& extent, int s_limit, int d_limit) {
        if (s < 0) { extent += s; d -= s; s = 0; }
        if (d < 0) { extent += d; s -= d; d = 0; }
        extent = std::min({extent, s_limit - s, d_limit - d});
    };
    clip(sx, dx, w, source.width_, width_);
    clip(sy, dy, h, source.height_, height_);
    if (w <= 0 || h <= 0)
        return;
    for (int row = 0; row < h; ++row)
        std::memmove(data() + static_cast<std::size_t>(dy + row) * width_ + dx,
                     source.data() + static_cast<std::size_t>(sy + row) * source.width_ + sx,
                     static_cast<std::size_t>(w) * sizeof(Pixel));
}

} // namespace kelvaro

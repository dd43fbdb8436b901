// SPDX-License-Identifier: GPL-3.0-or-later
// A plain 32-bit pixel buffer with fill and rectangle copy: every image, the back buffer and the window.
#pragma once

#include <cstdint>
#include <vector>

namespace kelvaro {

using Pixel = std::uint32_t;  // 0xAARRGGBB

inline constexpr Pixel black = 0xff000000;

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Pixel fill = black);

    int width() const { return width_; }
    int height() const { return height_; }
    const Pixel* data() const { return pixels_.data(); }
    Pixel* data() { return pixels_.data(); }
    Pixel at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    Pixel& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // New size, every pixel set to `fill`.
    void reset(int width, int height, Pixel fill = black);
    void fill(Pixel colour);

    // Copies the w x h rectangle at (sx, sy) of `source` to (dx, dy), a plain copy;
    // whatever falls outside either surface is left out.
    void copy(const Surface& source, int sx, int sy, int w, int h, int dx, int dy);

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// How large the window's client scene is shown: a whole zoom factor in a window, the largest fit on a full screen.
#pragma once

namespace kelvaro {

inline constexpr int min_zoom = 1;
inline constexpr int max_zoom = 4;

// The scene is rendered at `render_ratio` device pixels per scene pixel (the screen's
// density when that divides the scale, so text stays fine), enlarged by `nearest` with
// nearest-neighbour sampling, and, only when `smooth`, brought down to the shown size in
// one smooth step: the edges of the enlarged pixels blend over at most one device pixel.
// All sizes and places are in device pixels.
struct SceneScale {
    int render_ratio = 1;
    int nearest = 1;
    bool smooth = false;
    int width = 0;   // shown size
    int height = 0;
    int left = 0;    // where it is shown within the area
    int top = 0;

    // Device pixels per scene pixel, across and down.
    double across() const;
    double down() const;
    bool operator==(const SceneScale&) const = default;
};

// In a window at `zoom` (clamped to min_zoom..max_zoom) on a screen of `dpr` device pixels per pixel.
SceneScale windowedScale(int zoom, int dpr);

// Centred in an area of `width` x `height` device pixels. The largest whole scale that fits,
// unless that is less than twice the scene's size: such a scale leaves half the screen or
// more empty, and the largest fractional scale is taken instead (sharp-bilinear sampling).
// On a screen of density 2 or more a whole scale is always taken: nothing is smoothed.
SceneScale fittedScale(int width, int height, int dpr);

} // namespace kelvaro

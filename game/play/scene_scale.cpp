// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's scale in a window and on a full screen.
#include "game/play/scene_scale.h"

#include "game/engine/controls.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {
namespace {

constexpr int scene_width = Controls::client_width;
constexpr int scene_height = Controls::client_height;

// A whole scale of `device` device pixels per scene pixel.
SceneScale wholeScale(int device, int dpr)
{
    SceneScale scale;
    scale.render_ratio = dpr > 1 && device % dpr == 0 ? dpr : 1;
    scale.nearest = device / scale.render_ratio;
    scale.width = scene_width * device;
    scale.height = scene_height * device;
    return scale;
}

} // namespace

double SceneScale::across() const { return static_cast<double>(width) / scene_width; }
double SceneScale::down() const { return static_cast<double>(height) / scene_height; }

SceneScale windowedScale(int zoom, int dpr)
{
    return wholeScale(std::clamp(zoom, min_zoom, max_zoom) * std::max(dpr, 1), std::max(dpr, 1));
}

SceneScale fittedScale(int width, int height, int dpr)
{
    dpr = std::max(dpr, 1);
    width = std::max(width, 1);
    height = std::max(height, 1);
    const double fit = std::min(static_cast<double>(width) / scene_width, static_cast<double>(height) / scene_height);
    SceneScale scale;
    const int whole = static_cast<int>(std::floor(fit));
    // On a dense screen a whole scale always fits before a fractional one would be needed.
    if (whole >= 2 || (dpr > 1 && whole >= 1)) {
        scale = wholeScale(whole, dpr);
    } else {
        // Enlarged to the next whole scale, then one smooth step down to the very size that
        // fits: the side that limits is filled exactly.
        scale.nearest = std::max(1, static_cast<int>(std::ceil(fit)));
        scale.width = std::min(width, static_cast<int>(std::lround(scene_width * fit)));
        scale.height = std::min(height, static_cast<int>(std::lround(scene_height * fit)));
        scale.smooth = scale.width != scene_width * scale.nearest || scale.height != scene_height * scale.nearest;
    }
    scale.left = (width - scale.width) / 2;
    scale.top = (height - scale.height) / 2;
    return scale;
}

} // namespace kelvaro

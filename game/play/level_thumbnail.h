// SPDX-License-Identifier: GPL-3.0-or-later
// A level drawn small with the game's own cell pictures, for the level chooser.
#pragma once

#include "game/engine/images.h"
#include "level/game_level.h"

namespace kelvaro {

// The cells the game draws (the outermost ring never shows) and the figure at its start,
// each picture shrunk pixel for pixel to `cell_px` (8 by default; less for a level that
// would not fit `max_width` x `max_height`, down to 1; a level still too big is cut off
// at the right and bottom).
Surface levelThumbnail(const GameLevel& level, const Images& images, int max_width, int max_height, int cell_px = 8);

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// A short fingerprint of a level's content, so what belongs to a level follows it anywhere.
#pragma once

#include "level/game_level.h"

#include <string>

namespace kelvaro {

// 16 hexadecimal digits over the level as the game plays it: its sizes, marks, time limit and
// cells. The file's name, folder and spelling (line ends, commas, blanks) do not count, so the
// same level keeps its digest in any set; any change to what is played gives a new one.
std::string levelDigest(const GameLevel& level);

} // namespace kelvaro

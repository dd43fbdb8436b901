// SPDX-License-Identifier: GPL-3.0-or-later
// What the engine is handed from outside: the clock, the keys, the sound and the level files.
#pragma once

#include "game/ports/clock.h"
#include "game/ports/keys.h"
#include "game/ports/level_shelf.h"
#include "game/ports/sound.h"

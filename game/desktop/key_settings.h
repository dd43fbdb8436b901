// SPDX-License-Identifier: GPL-3.0-or-later
// The player's keys and controller buttons in the settings file, in its [keys] and [controller] groups.
#pragma once

#include "game/ports/key_bindings.h"

#include <QString>

namespace kelvaro {

// What the file keeps; what it lacks or holds damaged, the defaults fill in, action by action.
PlayerKeys readPlayerKeys(const QString& file);
void keepPlayerKeys(const QString& file, const PlayerKeys& keys);

} // namespace kelvaro

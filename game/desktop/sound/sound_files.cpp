// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the sound files, in load order.
#include "game/desktop/sound/sound_files.h"

#include "game/ports/sound.h"

namespace kelvaro {

std::array<std::string_view, 7> soundFileNames()
{
    return sound_files;
}

} // namespace kelvaro

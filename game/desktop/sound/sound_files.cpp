// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the sound files, in load order.
#include "game/desktop/sound/sound_files.h"

namespace kelvaro {

std::array<std::string_view, 7> soundFileNames()
{
    return {"win.wav", "lose.wav", "ready.wav", "moving.wav", "hurryup.wav", "sfyrixtra.wav", "music.wav"};
}

} // namespace kelvaro

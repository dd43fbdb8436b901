// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds through the page's Web Audio: a channel a sound, as the desktop's mixer has them.
#pragma once

#include "game/ports/sound.h"

namespace kelvaro {

class WebSound : public SoundPort {
public:
    // Names the files to the page, which fetches them once it may play.
    void load();
    void playOnce(Sound sound) override;
    void playMusicLooping() override;
    void stopMusic() override;
    // Stopping the music already rewinds it: the game always rewinds right after stopping.
    void rewindMusic() override {}
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds a shell plays for the game: six effects and the looping music.
#pragma once

#include <array>
#include <string_view>

namespace kelvaro {

// The seven sounds, in the order they are loaded.
enum class Sound { win, lose, ready, moving, hurryup, sfyrixtra, music };

// Their files, by Sound, as they ship beside the programs.
inline constexpr std::array<std::string_view, 7> sound_files = {"win.wav",     "lose.wav",      "ready.wav", "moving.wav",
                                                                "hurryup.wav", "sfyrixtra.wav", "music.wav"};

class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void playOnce(Sound sound) = 0;
    virtual void playMusicLooping() = 0;
    virtual void stopMusic() = 0;    // stops; the position stays
    virtual void rewindMusic() = 0;  // the next play starts at the beginning
};

// Plays nothing: for a shell without sound, and for tests.
class SilentSound : public SoundPort {
public:
    void playOnce(Sound) override {}
    void playMusicLooping() override {}
    void stopMusic() override {}
    void rewindMusic() override {}
};

} // namespace kelvaro

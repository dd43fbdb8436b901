// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound through SDL2_mixer: seven sounds loaded once, one channel each.
#pragma once

#include "game/ports/engine_ports.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

struct Mix_Chunk;

namespace kelvaro {

class SdlSound : public SoundPort {
public:
    SdlSound() = default;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;
    ~SdlSound() override;

    // Opens the sound device and loads the seven files from `dir`, in their order.
    // A file that cannot be loaded is an error naming it. Without a working sound
    // device the game runs silent: the files are still checked, nothing is played.
    std::optional<std::string> load(const std::filesystem::path& dir);

    bool silent() const { return !device_open_; }

    // A one-shot asked for while it still sounds starts again from its beginning;
    // the music asked for while it plays goes on where it is.
    void playOnce(Sound sound) override;
    void playMusicLooping() override;
    void stopMusic() override;
    void rewindMusic() override;

private:
    void close();

    bool sdl_started_ = false;
    bool device_open_ = false;
    bool music_playing_ = false;
    std::array<Mix_Chunk*, 7> chunks_{};
};

} // namespace kelvaro

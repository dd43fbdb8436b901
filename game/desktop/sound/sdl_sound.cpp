// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and playing the seven sounds with SDL2_mixer.
#include "game/desktop/sound/sdl_sound.h"

#include "game/desktop/sound/sound_files.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <fstream>

namespace kelvaro {
namespace {

constexpr int kMusicChannel = static_cast<int>(Sound::music);

// Why a file failed to load, in plain words: SDL's own messages name its internals.
std::string reason(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return "the file is missing";
    if (!std::ifstream(file, std::ios::binary))
        return "the file cannot be read";
    return "the file is damaged or is not a WAV sound";
}

std::string describeFailure(std::string_view name, const std::filesystem::path& dir)
{
    return "The sound file \"" + std::string(name) + "\" could not be loaded from " + dir.string() + ":\n" +
           reason(dir / std::string(name)) + ".\n\nKelvaro cannot start without its sounds.";
}

// Checks that a file is a WAV sound SDL can read, without a device to play it on.
bool readable(const std::filesystem::path& file)
{
    SDL_AudioSpec format;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(file.string().c_str(), &format, &buffer, &length))
        return false;
    SDL_FreeWAV(buffer);
    return true;
}

} // namespace

SdlSound::~SdlSound() { close(); }

void SdlSound::close()
{
    if (device_open_) {
        Mix_HaltChannel(-1);
        for (Mix_Chunk*& chunk : chunks_) {
            if (chunk)
                Mix_FreeChunk(chunk);
            chunk = nullptr;
        }
        Mix_CloseAudio();
        device_open_ = false;
    }
    if (sdl_started_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sdl_started_ = false;
    }
}

std::optional<std::string> SdlSound::load(const std::filesystem::path& dir)
{
    close();
    // SDL would otherwise take over SIGINT and SIGTERM, and the game would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl_started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    device_open_ = sdl_started_ && Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) == 0;
    if (device_open_)
        Mix_AllocateChannels(static_cast<int>(chunks_.size()));

    const auto names = soundFileNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::filesystem::path file = dir / std::string(names[i]);
        if (!device_open_) {
            if (!readable(file))
                return describeFailure(names[i], dir);
            continue;
        }
        chunks_[i] = Mix_LoadWAV(file.string().c_str());
        if (!chunks_[i])
            return describeFailure(names[i], dir);
    }
    return std::nullopt;
}

void SdlSound::playOnce(Sound sound)
{
    const int channel = static_cast<int>(sound);
    if (device_open_ && chunks_[channel])
        Mix_PlayChannel(channel, chunks_[channel], 0);
}

void SdlSound::playMusicLooping()
{
    if (!device_open_ || music_playing_)
        return;
    Mix_PlayChannel(kMusicChannel, chunks_[kMusicChannel], -1);
    music_playing_ = true;
}

void SdlSound::stopMusic()
{
    // The game always rewinds right after stopping, so halting the channel does both.
    if (device_open_)
        Mix_HaltChannel(kMusicChannel);
    music_playing_ = false;
}

void SdlSound::rewindMusic() {}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The real SDL2_mixer backend on SDL's disk audio driver: what it loads and what it mixes.
#include "game/desktop/sound/sdl_sound.h"
#include "game/desktop/sound/sound_files.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <mutex>

namespace kelvaro {
namespace {
namespace fs = std::filesystem;

// Collects the peak of what the mixer sends to the device.
struct MixWatch {
    std::mutex mutex;
    std::condition_variable loud;
    int peak = 0;

    static void postMix(void* self, Uint8* stream, int length)
    {
        auto* watch = static_cast<MixWatch*>(self);
        const auto* samples = reinterpret_cast<const Sint16*>(stream);
        int peak = 0;
        for (int i = 0; i < length / 2; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        std::lock_guard lock(watch->mutex);
        watch->peak = std::max(watch->peak, peak);
        if (peak > 1000)
            watch->loud.notify_all();
    }

    // Waits for sound to come through, a generous bound only for a broken build.
    bool waitForSound()
    {
        std::unique_lock lock(mutex);
        return loud.wait_for(lock, std::chrono::seconds(20), [this] { return peak > 1000; });
    }
};

class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override
    {
        out = fs::temp_directory_path() / ("kelvaro-disk-audio-" + std::to_string(::getpid()) + ".raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);  // mix as fast as the machine can, no real-time pacing
    }
    void TearDown() override { fs::remove(out); }
    fs::path out;
};

TEST_F(DiskAudio, AnEffectAndTheMusicReachTheDevice)
{
    SdlSound sound;
    ASSERT_EQ(sound.load(KELVARO_SOUND_DIR), std::nullopt);
    ASSERT_FALSE(sound.silent());
    MixWatch watch;
    Mix_SetPostMix(&MixWatch::postMix, &watch);
    sound.playOnce(Sound::win);
    EXPECT_TRUE(watch.waitForSound());

    Mix_HaltChannel(-1);
    watch.peak = 0;
    sound.playMusicLooping();
    EXPECT_TRUE(watch.waitForSound());
    EXPECT_EQ(Mix_Playing(static_cast<int>(Sound::music)), 1);
    sound.stopMusic();
    EXPECT_EQ(Mix_Playing(static_cast<int>(Sound::music)), 0);
    Mix_SetPostMix(nullptr, nullptr);
}

TEST_F(DiskAudio, AMissingOrDamagedFileIsNamed)
{
    const fs::path dir = fs::temp_directory_path() / ("kelvaro-sounds-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (std::string_view name : soundFileNames())
        fs::copy_file(fs::path(KELVARO_SOUND_DIR) / std::string(name), dir / std::string(name),
                      fs::copy_options::overwrite_existing);
    fs::remove(dir / "hurryup.wav");
    SdlSound sound;
    auto missing = sound.load(dir);
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find("\"hurryup.wav\""), std::string::npos) << *missing;
    EXPECT_NE(missing->find("the file is missing."), std::string::npos) << *missing;
    EXPECT_EQ(missing->find("Mix_"), std::string::npos) << *missing;

    std::ofstream(dir / "hurryup.wav") << "RIFF, but not really";
    auto damaged = sound.load(dir);
    ASSERT_TRUE(damaged);
    EXPECT_NE(damaged->find("\"hurryup.wav\""), std::string::npos) << *damaged;
    EXPECT_NE(damaged->find("the file is damaged or is not a WAV sound."), std::string::npos) << *damaged;
    fs::remove_all(dir);
}

TEST(NoDevice, RunsSilentButStillChecksTheFiles)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlSound sound;
    EXPECT_EQ(sound.load(KELVARO_SOUND_DIR), std::nullopt);
    EXPECT_TRUE(sound.silent());
    sound.playOnce(Sound::moving);  // nothing to play on, and no crash
    sound.playMusicLooping();
    sound.stopMusic();
    const auto missing = sound.load("/no/such/folder");
    ASSERT_TRUE(missing.has_value());
    EXPECT_NE(missing->find("\"win.wav\" could not be loaded from /no/such/folder:\nthe file is missing."),
              std::string::npos) << *missing;
}

} // namespace
} // namespace kelvaro

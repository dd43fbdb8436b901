// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds handed to the page's script by file name; it plays them once the player has touched the page.
#include "web/web_sound.h"

#include <string>

extern "C" void kelvaro_sound(int action, int channel, const char* file);

namespace kelvaro {
namespace {

enum Action { play_once = 0, play_looping = 1, stop = 2, load_file = 3 };

void tell(Action action, Sound sound)
{
    const std::string file(sound_files[static_cast<std::size_t>(sound)]);
    kelvaro_sound(action, static_cast<int>(sound), file.c_str());
}

} // namespace

void WebSound::load()
{
    for (std::size_t i = 0; i < sound_files.size(); ++i)
        tell(load_file, static_cast<Sound>(i));
}

void WebSound::playOnce(Sound sound) { tell(play_once, sound); }
void WebSound::playMusicLooping() { tell(play_looping, Sound::music); }
void WebSound::stopMusic() { tell(stop, Sound::music); }

} // namespace kelvaro

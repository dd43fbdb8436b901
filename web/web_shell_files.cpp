// SPDX-License-Identifier: GPL-3.0-or-later
// The web shell's part in the player's things: levels opened from the device, and the settings kept between visits.
#include "web/web_shell.h"

#include "game/play/played_set.h"
#include "level/level_files.h"
#include "level/sets/level_set.h"

#include <cstdio>

namespace kelvaro {
namespace fs = std::filesystem;

// The sets opened on earlier visits are listed again; the set in play and the sound are as they were left.
void WebShell::restoreKept()
{
    kept_ = readWebSettings(settings_file_);
    for (const LevelSet& set : setsInHome(sets_folder_))
        model_->addOpenedFolder(set.folder);
    std::error_code ec;
    if (kept_.current_set && fs::is_directory(*kept_.current_set, ec))
        model_->setLevelSet(readLevelSet(*kept_.current_set));
    model_->controls.soundItem.checked = kept_.sound;
}

WebSettings WebShell::settingsNow() const
{
    const PlayedSet& played = model_->playedSet();
    return {played.builtin() ? std::nullopt : std::optional<fs::path>(played.set().folder), model_->controls.soundItem.checked};
}

// Looked at after every event, as the records are: whatever changed the set in play or the sound
// (the chooser, a set opened, the Sound item) is kept.
void WebShell::keepSettings()
{
    const WebSettings now = settingsNow();
    if (now == kept_)
        return;
    kept_ = now;  // a file that cannot be written is not tried again at every event
    if (writeWebSettings(settings_file_, now))
        page_.keepFiles();
    else
        std::fprintf(stderr, "the settings could not be kept in %s\n", settings_file_.c_str());
}

void WebShell::openDone()
{
    const OpenedSet set = layOut(opening_);
    opening_.clear();
    if (set.levels.empty()) {
        sync();
        return;
    }
    if (!set.from_folder && set.levels.size() == 1) {
        playOpenedFile(set);
        sync();
        return;
    }
    if (const std::optional<fs::path> folder = keepSet(sets_folder_, set)) {
        for (const LaidLevel& level : set.levels)
            shown_names_[levelFile(*folder, level.number)] = level.shown;
        page_.keepFiles();
        putOpenedSetInPlay(*folder);
    } else {
        std::fprintf(stderr, "the levels opened could not be kept in %s\n", sets_folder_.c_str());
    }
    sync();
}

// A file that reads is kept as a set of one level and played at once. One that does not is
// played as the desktop plays a single file, so the model says why in the desktop's words; the
// set in play stays, and the file is not kept.
void WebShell::playOpenedFile(const OpenedSet& set)
{
    const LaidLevel& level = set.levels.front();
    const fs::path scratch = fs::temp_directory_path() / "kelvaro-opened" / level.shown;
    std::error_code ec;
    fs::create_directories(scratch.parent_path(), ec);
    writeFileWhole(scratch, level.bytes);
    shown_names_[scratch] = level.shown;
    const bool readable = loadGameLevel(scratch).ok();
    if (!readable) {
        const PlayedSet before = model_->playedSet();
        model_->setPlayedSet(PlayedSet(before.set(), scratch));
        model_->playLevel(1);
        model_->setPlayedSet(before);
    }
    fs::remove(scratch, ec);
    if (!readable)
        return;
    const std::optional<fs::path> folder = keepSet(sets_folder_, set);
    if (!folder) {
        std::fprintf(stderr, "the level opened could not be kept in %s\n", sets_folder_.c_str());
        return;
    }
    shown_names_[levelFile(*folder, 1)] = level.shown;
    page_.keepFiles();
    model_->setLevelSet(readLevelSet(*folder));
    model_->addOpenedFolder(*folder);
    model_->playLevel(1);
}

// The set is in play at once, so New game plays from it, and the chooser opens on it.
void WebShell::putOpenedSetInPlay(const fs::path& folder)
{
    model_->setLevelSet(readLevelSet(folder));
    model_->addOpenedFolder(folder);
    model_->post(Command::chooseLevelItem);
}

// The name a player knows a level file by: the one it was opened with, this visit; else its path.
std::string WebShell::shownName(const fs::path& file) const
{
    const auto found = shown_names_.find(file);
    return found == shown_names_.end() ? file.string() : found->second;
}

} // namespace kelvaro

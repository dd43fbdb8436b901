// SPDX-License-Identifier: GPL-3.0-or-later
// Levels opened from the device and the settings kept between visits, acted on the game's model.
#include "web/player_files.h"

#include "game/play/played_set.h"
#include "level/level_files.h"
#include "level/sets/level_set.h"

#include <cstdio>

namespace kelvaro {
namespace fs = std::filesystem;

namespace {

WebSettings settingsOf(const GameWindowModel& model)
{
    const PlayedSet& played = model.playedSet();
    return {played.builtin() ? std::nullopt : std::optional<fs::path>(played.set().folder), model.controls.soundItem.checked,
            model.playerKeys().keyboard};
}

} // namespace

PlayerFiles::PlayerFiles(const fs::path& save, std::function<void()> keep_files)
    : sets_folder_(save / "sets"), settings_file_(save / "kelvaro" / "kelvaro.ini"), keep_files_(std::move(keep_files))
{
}

void PlayerFiles::restore(GameWindowModel& model)
{
    kept_ = readWebSettings(settings_file_);
    for (const LevelSet& set : setsInHome(sets_folder_))
        model.addOpenedFolder(set.folder);
    std::error_code ec;
    if (kept_.current_set && fs::is_directory(*kept_.current_set, ec))
        model.setLevelSet(readLevelSet(*kept_.current_set));
    model.controls.soundItem.checked = kept_.sound;
    model.setPlayerKeys({kept_.keys, KeyBindings::padDefaults()});
}

void PlayerFiles::keepSettings(const GameWindowModel& model)
{
    const WebSettings now = settingsOf(model);
    if (now == kept_)
        return;
    kept_ = now;  // a file that cannot be written is not tried again at every event
    if (writeWebSettings(settings_file_, now))
        keep_files_();
    else
        std::fprintf(stderr, "the settings could not be kept in %s\n", settings_file_.c_str());
}

void PlayerFiles::open(GameWindowModel& model)
{
    const OpenedSet set = layOut(opening_);
    opening_.clear();
    if (set.levels.empty())
        return;
    if (!set.from_folder && set.levels.size() == 1) {
        playFile(model, set);
        return;
    }
    if (const std::optional<fs::path> folder = keep(set)) {
        model.setLevelSet(readLevelSet(*folder));
        model.addOpenedFolder(*folder);
        model.post(Command::chooseLevelItem);
    }
}

std::optional<fs::path> PlayerFiles::keep(const OpenedSet& set)
{
    const std::optional<fs::path> folder = keepSet(sets_folder_, set);
    if (!folder) {
        std::fprintf(stderr, "the levels opened could not be kept in %s\n", sets_folder_.c_str());
        return std::nullopt;
    }
    for (const LaidLevel& level : set.levels)
        shown_names_[levelFile(*folder, level.number)] = level.shown;
    keep_files_();
    return folder;
}

// A file that reads is kept as a set of one level and played at once. One that does not is
// played as the desktop plays a single file, so the model says why in the desktop's words; the
// set in play stays, and the file is not kept.
void PlayerFiles::playFile(GameWindowModel& model, const OpenedSet& set)
{
    const LaidLevel& level = set.levels.front();
    const fs::path scratch = fs::temp_directory_path() / "kelvaro-opened" / level.shown;
    std::error_code ec;
    fs::create_directories(scratch.parent_path(), ec);
    writeFileWhole(scratch, level.bytes);
    shown_names_[scratch] = level.shown;
    const bool readable = loadGameLevel(scratch).ok();
    if (!readable) {
        const PlayedSet before = model.playedSet();
        model.setPlayedSet(PlayedSet(before.set(), scratch));
        model.playLevel(1);
        model.setPlayedSet(before);
    }
    fs::remove(scratch, ec);
    if (!readable)
        return;
    if (const std::optional<fs::path> folder = keep(set)) {
        model.setLevelSet(readLevelSet(*folder));
        model.addOpenedFolder(*folder);
        model.playLevel(1);
    }
}

std::string PlayerFiles::shownName(const fs::path& file) const
{
    const auto found = shown_names_.find(file);
    return found == shown_names_.end() ? file.string() : found->second;
}

} // namespace kelvaro

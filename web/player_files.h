// SPDX-License-Identifier: GPL-3.0-or-later
// The player's things the page keeps beside the records: the level sets opened from the device, the set in play, the sound and the keys.
#pragma once

#include "game/play/game_window_model.h"
#include "web/opened_levels.h"
#include "web/web_settings.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kelvaro {

class PlayerFiles {
public:
    // Everything lives under `save`: the sets in sets/, the settings in kelvaro/kelvaro.ini.
    // `keep_files` asks the page to keep `save` in the browser's storage after a change.
    PlayerFiles(const std::filesystem::path& save, std::function<void()> keep_files);

    // At start-up, before the model starts: the sets opened on earlier visits are listed again,
    // and the set in play and the sound are as they were left.
    void restore(GameWindowModel& model);
    // After every event: whatever changed the set in play, the sound or the keys (the chooser,
    // a set opened, the Sound item, Keys) is kept.
    void keepSettings(const GameWindowModel& model);

    // Level files from the device, one call a file, then open(): one loose file is played at
    // once; several or a folder become a set kept under sets/, put in play, and the chooser opens on it.
    void add(OpenedFile file) { opening_.push_back(std::move(file)); }
    void open(GameWindowModel& model);

    // The name a player knows a level file by: the one it was opened with, this visit; else its path.
    std::string shownName(const std::filesystem::path& file) const;

private:
    void playFile(GameWindowModel& model, const OpenedSet& set);
    std::optional<std::filesystem::path> keep(const OpenedSet& set);

    std::filesystem::path sets_folder_;
    std::filesystem::path settings_file_;
    std::function<void()> keep_files_;
    WebSettings kept_;  // as last written
    std::vector<OpenedFile> opening_;
    std::map<std::filesystem::path, std::string> shown_names_;
};

} // namespace kelvaro

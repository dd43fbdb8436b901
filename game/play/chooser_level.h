// SPDX-License-Identifier: GPL-3.0-or-later
// The level chooser's plain side: a set's levels read as the game reads them, and every word it shows.
#pragma once

#include "game/ports/dialogs.h"
#include "level/level_error.h"
#include "level/message.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace kelvaro {

namespace chooser_words {
inline constexpr const char* context = "kelvaro::LevelChooser";
inline constexpr const char* title = QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "Choose level");
inline constexpr const char* play = QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "Play");
inline constexpr const char* replay = QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "Replay my solution");
} // namespace chooser_words

// A level file of a set as the chooser lists it: read once, a level or why it cannot be one.
struct ChooserLevel {
    int number = 0;
    std::filesystem::path file;
    std::optional<GameLevel> level;
    std::optional<LevelError> error;
};

// Every level file of `set`, in number order.
std::vector<ChooserLevel> readChooserLevels(const LevelSet& set);

// The words under a level's number: why it cannot be played, or whether it is solved, the
// best time left, the fewest actions, the par and, when there is one, that a solution is kept.
std::vector<Message> chooserLevelLines(const ChooserLevel& entry, const LevelFigures& figures);

// "Title — 12 levels", told apart from a set of the same title among `all`.
Message chooserSetName(const LevelSet& set, const std::vector<LevelSet>& all);
// The set's title and author, description, folder, levels and gaps, one a line.
Message chooserSetInfo(const LevelSet& set);

// What the game says of a level it cannot play from the chooser, or nothing when it can:
// a file that is damaged, unreadable or gone, or a set folder that is gone.
std::optional<Message> unplayableLevel(const LevelSet& set, const SetLevel& level, const std::optional<LevelError>& error);

} // namespace kelvaro

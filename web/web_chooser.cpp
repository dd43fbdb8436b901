// SPDX-License-Identifier: GPL-3.0-or-later
// The level chooser on the page: the sets, each set's levels drawn and figured by the core, a level played when chosen.
#include "web/web_dialogs.h"

#include "game/play/level_thumbnail.h"
#include "game/play/played_set.h"
#include "level/game_level.h"

#include <algorithm>

namespace kelvaro {

void WebDialogs::chooseLevel(const ChooserRequest& request, std::function<void(std::optional<LevelChoice>)> done)
{
    Chooser chooser;
    chooser.id = open([this, done](bool, const std::string&) {
        std::optional<LevelChoice> choice = chooser_ ? chooser_->choice : std::nullopt;
        chooser_.reset();
        done(std::move(choice));
    });
    chooser.sets = request.sets;
    chooser.figures = request.figures;
    chooser_ = std::move(chooser);
    ChooserView view{worded(phrase(chooser_words::context, chooser_words::title)),
                     worded(phrase(chooser_words::context, chooser_words::play)), {}, 0};
    for (const LevelSet& set : request.sets)
        view.sets.push_back(worded(chooserSetName(set, request.sets)));
    view.current = request.sets.empty() ? 0 : static_cast<int>(std::min(request.current, request.sets.size() - 1));
    page_.openChooser(chooser_->id, view);
    if (!request.sets.empty())
        showSet(view.current, request.level);
}

// Read again at every showing: files may have been added, changed or removed meanwhile.
void WebDialogs::showSet(int index, int focus_number)
{
    if (!chooser_ || index < 0 || index >= static_cast<int>(chooser_->sets.size()))
        return;
    LevelSet& set = chooser_->sets[static_cast<std::size_t>(index)];
    set = readAgain(set);
    chooser_->shown = index;
    chooser_->levels = readChooserLevels(set);
    const auto at = std::find_if(chooser_->levels.begin(), chooser_->levels.end(),
                                 [&](const ChooserLevel& level) { return level.number == focus_number; });
    const int focus = at == chooser_->levels.end() ? 0 : static_cast<int>(at - chooser_->levels.begin());
    page_.showChooserSet(index, worded(chooserSetName(set, chooser_->sets)), worded(chooserSetInfo(set)),
                         chooserTiles(true), focus);
}

void WebDialogs::chooserSet(int index) { showSet(index, 0); }

std::vector<ChooserTile> WebDialogs::chooserTiles(bool with_pictures) const
{
    std::vector<ChooserTile> tiles;
    for (const ChooserLevel& entry : chooser_->levels) {
        const LevelFigures figures = entry.level ? chooser_->figures(*entry.level) : LevelFigures{};
        ChooserTile tile{entry.number, worded(chooserLevelLines(entry, figures)), figures.solved, entry.level.has_value(),
                         entry.error ? worded(entry.error->message()) : entry.file.filename().string(), {}};
        if (with_pictures && entry.level)
            tile.thumbnail = levelThumbnail(*entry.level, images_, chooser_thumbnail_width, chooser_thumbnail_height);
        tiles.push_back(std::move(tile));
    }
    return tiles;
}

void WebDialogs::updateChooser()
{
    if (chooser_ && chooser_->shown >= 0)
        page_.showChooserFigures(chooserTiles(false));
}

// The file is read again when chosen: it may have been damaged or removed since the set was shown.
void WebDialogs::chooserPlay(int number)
{
    if (!chooser_ || chooser_->shown < 0)
        return;
    const LevelSet& set = chooser_->sets[static_cast<std::size_t>(chooser_->shown)];
    const auto entry = std::find_if(chooser_->levels.begin(), chooser_->levels.end(),
                                    [&](const ChooserLevel& level) { return level.number == number; });
    if (entry == chooser_->levels.end())
        return;
    Result<GameLevel> now = loadGameLevel(entry->file);
    const std::optional<LevelError> error = now ? std::nullopt : std::optional(now.error());
    if (const std::optional<Message> fault = unplayableLevel(set, {entry->number, entry->file}, error)) {
        message(*fault, [] {});
        return;
    }
    chooser_->choice = LevelChoice{set, number};
    const int id = chooser_->id;
    page_.closeBox(id);
    answer(id, true, "");
}

} // namespace kelvaro

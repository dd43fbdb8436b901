// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's level sets: the chooser, the folders the player opens, and which set is in play.
#include "game/play/game_window_model.h"

#include "level/level_digest.h"

#include <algorithm>
#include <system_error>

namespace kelvaro {
namespace {

// Two spellings of one folder ("levels/../levels", a trailing slash) are the same set.
std::filesystem::path folderKey(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::path key = std::filesystem::weakly_canonical(folder, ec);
    if (ec)
        key = folder.lexically_normal();
    std::string text = key.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::optional<std::size_t> indexOf(const std::vector<LevelSet>& sets, const std::filesystem::path& folder)
{
    const std::filesystem::path key = folderKey(folder);
    for (std::size_t i = 0; i < sets.size(); ++i)
        if (folderKey(sets[i].folder) == key)
            return i;
    return std::nullopt;
}

} // namespace

void GameWindowModel::addOpenedFolder(const std::filesystem::path& folder)
{
    const std::filesystem::path key = folderKey(folder);
    const bool known = std::any_of(opened_folders_.begin(), opened_folders_.end(),
                                   [&key](const std::filesystem::path& f) { return folderKey(f) == key; });
    if (!known)
        opened_folders_.push_back(folder);
}

std::vector<LevelSet> GameWindowModel::chooserSets() const
{
    std::vector<LevelSet> sets = ports_.installed_sets();
    for (const std::filesystem::path& folder : opened_folders_)
        if (!indexOf(sets, folder))
            sets.push_back(readLevelSet(folder));
    if (!indexOf(sets, played_.set().folder))
        sets.push_back(ports_.reread_set ? ports_.reread_set(played_.set()) : played_.set());
    return sets;
}

void GameWindowModel::onChooseLevel()
{
    if (engine.playing())
        enterPause();
    withRecords([this] { openChooser(std::nullopt); });
}

void GameWindowModel::onOpenLevelFolder()
{
    if (engine.playing())
        enterPause();
    modal([this](auto closed) {
        ports_.dialogs.pickFolder([this, closed](std::optional<std::filesystem::path> folder) {
            closed();
            if (!folder)
                return;
            addOpenedFolder(*folder);
            withRecords([this, folder] { openChooser(folder); });
        });
    });
}

void GameWindowModel::openChooser(std::optional<std::filesystem::path> select)
{
    ChooserRequest request;
    request.sets = chooserSets();
    request.current = indexOf(request.sets, select ? *select : played_.set().folder).value_or(0);
    request.level = select ? 0 : engine.level();
    request.figures = [this](const GameLevel& level) { return levelFigures(level); };
    par_asked_.clear();  // searches cancelled since the last look are asked again
    modal([this, &request](auto closed) {
        chooser_open_ = true;
        ports_.dialogs.chooseLevel(request, [this, closed](std::optional<LevelChoice> choice) {
            chooser_open_ = false;
            closed();
            if (choice)
                choose(*choice);
        });
    });
}

void GameWindowModel::choose(const LevelChoice& choice)
{
    played_ = PlayedSet(choice.set);
    ports_.set_chosen(played_.set());
    playLevel(choice.number);
}

// A level's record and par, found by its content. Its par is solved in the background the
// first time the chooser shows the level; the chooser is told when the answer comes.
LevelFigures GameWindowModel::levelFigures(const GameLevel& level)
{
    const std::string digest = levelDigest(level);
    const auto found = par_.find(digest);
    const bool known = found != par_.end() && (found->second.actions || found->second.unknown);
    if (!known && par_asked_.insert(digest).second)
        solver().solve(level, [this, digest](const Solution& solution) {
            const bool solved = solution.verdict == Verdict::solvable && solution.shortest;
            par_[digest] = Par{solved ? std::optional<int>(solution.actions()) : std::nullopt, !solved};
            if (chooser_open_)
                ports_.dialogs.updateChooser();
        });
    LevelFigures figures;
    if (records_) {
        const PlayerRecord& record = records_->at(digest);
        figures.solved = record.solved;
        figures.best_time_left = record.best_time_left;
        figures.fewest_actions = record.fewest_actions;
    }
    if (const auto par = par_.find(digest); par != par_.end()) {
        figures.par = par->second.actions;
        figures.par_unknown = par->second.unknown;
    }
    return figures;
}

} // namespace kelvaro

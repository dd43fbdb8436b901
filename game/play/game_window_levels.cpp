// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's levels: New game's question, a level started, the chooser, the folders the player opens, and which set is in play.
#include "game/play/game_window_model.h"
#include "game/play/window_phrases.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <locale>
#include <sstream>

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

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// An optional minus, then digits with at most one point among them, and a digit at least.
bool fixedDecimal(const std::string& text)
{
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::string body = text.substr(start);
    const auto digits = std::count_if(body.begin(), body.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    return digits > 0 && body.size() - static_cast<std::size_t>(digits) <= 1 &&
           body.find_first_not_of("0123456789.") == std::string::npos;
}

} // namespace

std::optional<double> numericAnswer(const std::string& answer)
{
    std::string text = trimmed(answer);
    if (!text.empty() && text[0] == '+')
        text.erase(0, 1);
    if (!fixedDecimal(text))
        return std::nullopt;
    // Read in the classic locale, whatever the program's: the point is always the decimal point.
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    double value = 0;
    if (!(in >> value) || in.peek() != std::char_traits<char>::eof() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void GameWindowModel::playLevel(int number)
{
    controls.bannerTimer.disable();
    puzzles_.leave();
    clipboard_.leave();
    startlevel(number);
}

void GameWindowModel::playPuzzle()
{
    clipboard_.leave();
    controls.bannerTimer.disable();
    resetReadouts();
    startlevel(engine.level());
}

// While a generated puzzle is in play every level number is its level.
Result<GameLevel> GameWindowModel::loadLevel(int number)
{
    if (const GameLevel* puzzle = puzzles_.level())
        return *puzzle;
    if (const GameLevel* pasted = clipboard_.level())
        return *pasted;
    return shelf_.loader(number);
}

// A pasted level is played as a puzzle is, under the number in play, and Restart plays it again.
void GameWindowModel::playPasted()
{
    puzzles_.leave();
    controls.bannerTimer.disable();
    controls.countdownTimer.disable();
    resetReadouts();
    startlevel(engine.level());
}

void GameWindowModel::startlevel(int number, bool restart)
{
    const std::optional<LevelError> error = restart ? engine.restartlevel() : engine.startlevel(number);
    if (!error && (puzzles_.inPlay() || clipboard_.level()))
        controls.levelLabel.caption = levelCaption();  // its code is in the title: the read-out has no room for it
    if (!error)
        return;
    Message text = gameMessage(words::file_not_found);
    if (error->kind != LevelError::Kind::not_found)
        text = gameMessage(words::cannot_play, {number, levelFault(shelf_.file_name(number), *error)});
    boxes_.say(text, [this] {
        stopMusic();
        engine.stopgame();
    });
}

void GameWindowModel::refreshSet()
{
    if (shelf_.reread_set)
        played_ = played_.withSet(shelf_.reread_set(played_.set()));
}

void GameWindowModel::askLevel()
{
    refreshSet();
    const LevelSet& set = played_.set();
    if (played_.highest() == 0) {
        // Every answer would be out of range: say why instead of asking for ever.
        boxes_.say(set.problem ? gameMessage(words::set_unreadable, {set.title, *set.problem})
                                : gameMessage(words::set_empty, {set.title}));
        return;
    }
    boxes_.modal([this](auto closed) {
        shell_.dialogs.inputBox(played_.prompt(), gameMessage(words::level_selection), [this, closed](const std::string& answer) {
            closed();
            if (answer.empty())
                return;
            const std::optional<double> value = numericAnswer(answer);
            if (!value || *value <= 0 || *value >= played_.highest() + 1) {
                askLevel();
                return;
            }
            playLevel(static_cast<int>(std::floor(*value)));
        });
    });
}

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
    std::vector<LevelSet> sets = shelf_.installed_sets();
    for (const std::filesystem::path& folder : opened_folders_)
        if (!indexOf(sets, folder))
            sets.push_back(readLevelSet(folder));
    if (!indexOf(sets, played_.set().folder))
        sets.push_back(shelf_.reread_set ? shelf_.reread_set(played_.set()) : played_.set());
    return sets;
}

void GameWindowModel::onChooseLevel()
{
    clock_.pauseForBox();
    records_.withRecords([this] { openChooser(std::nullopt); });
}

void GameWindowModel::onOpenLevelFolder()
{
    clock_.pauseForBox();
    boxes_.modal([this](auto closed) {
        shell_.dialogs.pickFolder([this, closed](std::optional<std::filesystem::path> folder) {
            closed();
            if (!folder)
                return;
            addOpenedFolder(*folder);
            records_.withRecords([this, folder] { openChooser(folder); });
        });
    });
}

void GameWindowModel::openChooser(std::optional<std::filesystem::path> select)
{
    ChooserRequest request;
    request.sets = chooserSets();
    request.current = indexOf(request.sets, select ? *select : played_.set().folder).value_or(0);
    request.level = select ? 0 : engine.level();
    request.figures = [this](const GameLevel& level) { return records_.figures(level); };
    boxes_.modal([this, &request](auto closed) {
        records_.chooserOpen(true);
        shell_.dialogs.chooseLevel(request, [this, closed](std::optional<LevelChoice> choice) {
            records_.chooserOpen(false);
            closed();
            if (choice)
                choose(*choice);
        });
    });
}

void GameWindowModel::choose(const LevelChoice& choice)
{
    played_ = PlayedSet(choice.set);
    shelf_.set_chosen(played_.set());
    playLevel(choice.number);
    if (choice.replay && engine.playing())
        onReplay();
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's records: kept at every win, shown with each level's par in the Records window.
#include "game/play/game_window_model.h"

#include "level/level_digest.h"

namespace kelvaro {

// The records are read again at every use, since another copy of the game may have added
// wins; a problem with the file is said in a box first, and what needed the records follows
// its closing.
void GameWindowModel::withRecords(std::function<void()> then)
{
    if (!records_)
        records_.emplace(ports_.records_file, ports_.shipped_keys);
    if (const std::optional<std::string> problem = records_->load()) {
        say(*problem, std::move(then));
        return;
    }
    then();
}

// The actions of a win are the moves that led to it: those taken back do not count. The win
// is kept under the level's content, whatever its number or file.
void GameWindowModel::keepWin(std::optional<std::chrono::year_month_day> daily)
{
    const int time_left = engine.timeleft(), actions = static_cast<int>(engine.movesMade());
    withRecords([this, digest = engine.startedDigest(), time_left, actions, daily] {
        bool improved = records_->recordWin(digest, time_left, actions);
        if (daily)
            improved = records_->recordDay(*daily, time_left, actions) || improved;
        if (!improved)
            return;
        const std::optional<std::string> failure = records_->save();
        if (failure && !records_failure_said_) {
            records_failure_said_ = true;
            say(*failure);
        }
    });
}

std::vector<RecordRow> GameWindowModel::recordRows() const
{
    std::vector<RecordRow> rows;
    for (int level = 1; level <= listedLevels(); ++level) {
        const PlayerRecord none;
        const auto digest = listed_digests_.find(level);
        const bool known = digest != listed_digests_.end() && digest->second;
        const PlayerRecord& r = known && records_ ? records_->at(*digest->second) : none;
        const auto par = known ? par_.find(*digest->second) : par_.end();
        const Par& p = par != par_.end() ? par->second : Par{std::nullopt, digest != listed_digests_.end() && !known};
        rows.push_back({level, r.solved, r.best_time_left, r.fewest_actions, p.actions, p.unknown});
    }
    return rows;
}

RecordsShown GameWindowModel::recordsShown() const
{
    RecordsShown shown{recordRows(), {}, {}};
    if (records_) {
        shown.daily = records_->dailyTally(ports_.today());
        shown.days = records_->days();
    }
    return shown;
}

// The levels the Records window lists, read from the set in play each time it opens: the set
// may be another since, or its files changed.
void GameWindowModel::listLevels()
{
    listed_digests_.clear();
    for (int level = 1; level <= listedLevels(); ++level) {
        const Result<GameLevel> file = ports_.loader(level);
        listed_digests_[level] = file ? std::optional<std::string>(levelDigest(file.value())) : std::nullopt;
    }
}

// Each level's par is solved from its file in the background while the window is open;
// it fills in as the answers come. A search cancelled when play went on is asked again
// the next time the window opens.
void GameWindowModel::askPar()
{
    for (const auto& [level, digest] : listed_digests_) {
        if (!digest)
            continue;  // its file could not be read: no par will come
        const Par& par = par_[*digest];
        if (par.actions || par.unknown)
            continue;
        Result<GameLevel> file = ports_.loader(level);
        if (!file)
            continue;
        solver().solve(std::move(file.value()), [this, answered_digest = *digest](const Solution& solution) {
            Par& answered = par_[answered_digest];
            if (solution.verdict == Verdict::solvable && solution.shortest)
                answered.actions = solution.actions();
            else
                answered.unknown = true;
            if (records_open_)
                ports_.dialogs.updateRecords(recordsShown());
        });
    }
}

} // namespace kelvaro

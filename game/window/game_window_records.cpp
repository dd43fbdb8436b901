// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's records: kept at every win, shown with each level's par in the Records window.
#include "game/window/game_window_model.h"

namespace kelvaro {

// The records are read again at every use, since another copy of the game may have added
// wins; a problem with the file is said in a box first, and what needed the records follows
// its closing.
void GameWindowModel::withRecords(std::function<void()> then)
{
    if (!records_)
        records_.emplace(ports_.records_file);
    if (const std::optional<std::string> problem = records_->load()) {
        say(*problem, std::move(then));
        return;
    }
    then();
}

// The actions of a win are the moves that led to it: those taken back do not count.
void GameWindowModel::keepWin()
{
    const int level = engine.level, time_left = engine.timeleft, actions = static_cast<int>(engine.movesMade());
    withRecords([this, level, time_left, actions] {
        if (!records_->recordWin(level, time_left, actions))
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
    for (int level = 1; level <= Records::levels; ++level) {
        const PlayerRecord none;
        const PlayerRecord& r = records_ ? records_->at(level) : none;
        const Par& par = par_[static_cast<std::size_t>(level - 1)];
        rows.push_back({level, r.solved, r.best_time_left, r.fewest_actions, par.actions, par.unknown});
    }
    return rows;
}

// Each level's par is solved from its file in the background while the window is open;
// it fills in as the answers come. A search cancelled when play went on is asked again
// the next time the window opens.
void GameWindowModel::askPar()
{
    for (int level = 1; level <= Records::levels; ++level) {
        Par& par = par_[static_cast<std::size_t>(level - 1)];
        if (par.actions || par.unknown)
            continue;
        Result<GameLevel> file = ports_.loader(level);
        if (!file) {
            par.unknown = true;
            if (records_open_)
                ports_.dialogs.updateRecords(recordRows());
            continue;
        }
        solver().solve(std::move(file.value()), [this, level](const Solution& solution) {
            Par& answered = par_[static_cast<std::size_t>(level - 1)];
            if (solution.verdict == Verdict::solvable && solution.shortest)
                answered.actions = solution.actions();
            else
                answered.unknown = true;
            if (records_open_)
                ports_.dialogs.updateRecords(recordRows());
        });
    }
}

} // namespace kelvaro

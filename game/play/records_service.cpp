// SPDX-License-Identifier: GPL-3.0-or-later
// The player's records and each level's par.
#include "game/play/records_service.h"

#include "level/analysis/win_statistics.h"
#include "level/level_digest.h"

namespace kelvaro {

std::chrono::year_month_day todayUtc()
{
    return std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
}

void ParCache::ask(const std::string& digest, const GameLevel& level)
{
    const Par known = at(digest);
    if (known.actions || known.unknown || !asked_.insert(digest).second)
        return;
    solver_.solve(level, [this, digest](const Solution& solution) {
        const bool solved = solution.verdict == Verdict::solvable && solution.shortest;
        par_[digest] = Par{solved ? std::optional<int>(solution.actions()) : std::nullopt, !solved};
        answered_();
    });
}

ParCache::Par ParCache::at(const std::string& digest) const
{
    const auto found = par_.find(digest);
    return found != par_.end() ? found->second : Par{};
}

RecordsService::RecordsService(Setup setup, SolverPort& solver, Boxes& boxes)
    : setup_(std::move(setup)), boxes_(boxes), par_(solver, [this] { answered(); })
{
}

void RecordsService::openFiles()
{
    if (!records_)
        records_.emplace(setup_.records_file, setup_.shipped_keys);
    if (!solutions_)
        solutions_.emplace(solutionsFile(setup_.records_file), setup_.records_file);
}

// Each file's problem is said on its own, the records' first.
void RecordsService::withRecords(std::function<void()> then)
{
    openFiles();
    const std::optional<Message> records_problem = records_->load();
    const std::optional<Message> solutions_problem = solutions_->load();
    if (records_problem && solutions_problem) {
        boxes_.say(*records_problem, [this, solutions_problem, then = std::move(then)]() mutable {
            boxes_.say(*solutions_problem, std::move(then));
        });
        return;
    }
    if (records_problem || solutions_problem) {
        boxes_.say(records_problem ? *records_problem : *solutions_problem, std::move(then));
        return;
    }
    then();
}

// The actions of a win are the moves that led to it: those taken back do not count. The win
// is kept under the level's content, whatever its number or file.
void RecordsService::keepWin(const std::string& digest, int time_left, int actions,
                             std::optional<std::chrono::year_month_day> daily, const std::vector<Action>& moves)
{
    withRecords([this, digest, time_left, actions, daily, moves] {
        bool improved = records_->recordWin(digest, time_left, actions);
        if (daily)
            improved = records_->recordDay(*daily, time_left, actions) || improved;
        if (improved)
            sayOnce(records_->save());
        if (solutions_->recordWin(digest, moves, time_left))
            sayOnce(solutions_->save());
    });
}

// The records and the solutions share a folder, so what keeps one from being written most
// likely keeps the other too: the player is told once.
void RecordsService::sayOnce(const std::optional<Message>& failure)
{
    if (failure && !failure_said_) {
        failure_said_ = true;
        boxes_.say(*failure);
    }
}

std::optional<std::string> RecordsService::keptSolution(const std::string& digest)
{
    openFiles();
    if (const std::optional<Message> problem = solutions_->load())
        boxes_.say(*problem);
    const std::optional<KeptSolution>& fewest = solutions_->at(digest).fewest;
    return fewest ? std::optional<std::string>(fewest->moves) : std::nullopt;
}

void RecordsService::markSeen(const std::string& digest)
{
    withRecords([this, digest] {
        if (records_->markSeen(digest))
            sayOnce(records_->save());
    });
}

std::optional<WinStatistics> RecordsService::keptStatistics(const std::string& digest, const GameLevel& level) const
{
    const std::optional<KeptSolution>& fewest = solutions_ ? solutions_->at(digest).fewest : std::nullopt;
    const std::optional<std::vector<Action>> moves = fewest ? readMoves(fewest->moves) : std::nullopt;
    return moves ? std::optional<WinStatistics>(winStatistics(level, *moves)) : std::nullopt;
}

// The levels are read each time the window opens: the set may be another since, or its files
// changed. Each par is solved in the background while the window is open and fills in as the
// answers come; a search cancelled when play went on is asked again the next time.
void RecordsService::showRecords(int count, const LevelLoader& loader)
{
    withRecords([this, count, loader] {
        records_open_ = true;
        listed_.clear();
        std::vector<std::pair<std::string, GameLevel>> unsolved;
        for (int level = 1; level <= count; ++level) {
            Result<GameLevel> file = loader(level);
            listed_.push_back({level, file ? std::optional<std::string>(levelDigest(file.value())) : std::nullopt, {}});
            if (!file)
                continue;
            listed_.back().kept = keptStatistics(*listed_.back().digest, file.value());
            unsolved.emplace_back(*listed_.back().digest, std::move(file.value()));
        }
        boxes_.modal([this](auto closed) {
            boxes_.dialogs().showRecords(shown(), [this, closed] {
                records_open_ = false;
                closed();
            });
        });
        par_.newLook();
        for (const auto& [digest, level] : unsolved)
            par_.ask(digest, level);
    });
}

RecordsShown RecordsService::shown() const
{
    RecordsShown shown;
    for (const Listed& listed : listed_) {
        const PlayerRecord none;
        const PlayerRecord& r = listed.digest && records_ ? records_->at(*listed.digest) : none;
        const ParCache::Par p = listed.digest ? par_.at(*listed.digest) : ParCache::Par{std::nullopt, true};
        shown.rows.push_back(
            {listed.number, r.solved, r.best_time_left, r.fewest_actions, p.actions, p.unknown, r.seen, listed.kept});
    }
    if (records_) {
        shown.daily = records_->dailyTally(setup_.today());
        shown.days = records_->days();
    }
    return shown;
}

void RecordsService::chooserOpen(bool open)
{
    chooser_open_ = open;
    if (open)
        par_.newLook();
}

LevelFigures RecordsService::figures(const GameLevel& level)
{
    const std::string digest = levelDigest(level);
    par_.ask(digest, level);
    LevelFigures figures;
    if (records_) {
        const PlayerRecord& record = records_->at(digest);
        figures.solved = record.solved;
        figures.best_time_left = record.best_time_left;
        figures.fewest_actions = record.fewest_actions;
    }
    figures.solution_kept = solutions_ && solutions_->at(digest).fewest;
    const ParCache::Par par = par_.at(digest);
    figures.par = par.actions;
    figures.par_unknown = par.unknown;
    return figures;
}

void RecordsService::answered()
{
    if (records_open_)
        boxes_.dialogs().updateRecords(shown());
    if (chooser_open_)
        boxes_.dialogs().updateChooser();
}

} // namespace kelvaro

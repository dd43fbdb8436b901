// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's generated and daily puzzles: asked for, forged behind a progress bar, played, kept.
#include "game/play/game_window_model.h"
#include "game/play/keep_level.h"
#include "game/play/window_phrases.h"


namespace kelvaro {
namespace {

std::string codeFaultText(forge::CodeFault fault, const std::string& typed)
{
    switch (fault) {
    case forge::CodeFault::unknown_grade: return fill(words::code_unknown_grade, {typed});
    case forge::CodeFault::no_seed: return fill(words::code_no_seed, {typed});
    case forge::CodeFault::seed_too_large: return fill(words::code_too_large, {typed});
    case forge::CodeFault::empty:  // a blank code asks for a fresh seed and never comes here
    case forge::CodeFault::not_a_number: break;
    }
    return fill(words::code_not_a_number, {typed});
}

// The level as the game reads its file: what levelFileForCode gives is what is played, and a
// kept copy has the same content, so the same records.
std::optional<GameLevel> asFileReadsIt(const GameLevel& level)
{
    Result<GameLevel> read = gameLevelFrom(toRecord(level));
    return read ? std::optional<GameLevel>(std::move(read.value())) : std::nullopt;
}

} // namespace

std::chrono::year_month_day todayUtc()
{
    return std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
}

// While a generated puzzle is in play every level number is its level: Restart and Retry replay it.
Result<GameLevel> GameWindowModel::loadLevel(int number)
{
    if (puzzle_)
        return puzzle_->level;
    return ports_.loader(number);
}

std::optional<std::string> GameWindowModel::codeInPlay() const
{
    return puzzle_ ? std::optional<std::string>(forge::codeText(puzzle_->code)) : std::nullopt;
}

void GameWindowModel::onGeneratedPuzzle()
{
    if (engine.playing)
        enterPause();
    askPuzzle();
}

void GameWindowModel::askPuzzle()
{
    modal([this](auto closed) {
        ports_.dialogs.askPuzzle(puzzle_grade_, [this, closed](std::optional<PuzzleAsk> ask) {
            closed();
            if (!ask)
                return;
            puzzle_grade_ = ask->grade;
            const auto read = forge::readLevelCode(ask->code);
            if (const auto* code = std::get_if<forge::LevelCode>(&read)) {
                forgePuzzle(*code, words::generated_puzzle);
                return;
            }
            const forge::CodeFault fault = std::get<forge::CodeFault>(read);
            if (fault != forge::CodeFault::empty) {
                say(codeFaultText(fault, ask->code), [this] { askPuzzle(); });
                return;
            }
            const auto seed = std::uniform_int_distribution<std::uint32_t>(0, forge::max_code_seed)(seeds_);
            forgePuzzle(forge::LevelCode{ask->grade, seed}, words::generated_puzzle);
        });
    });
}

void GameWindowModel::onDailyPuzzle()
{
    if (engine.playing)
        enterPause();
    forgePuzzle(ports_.today(), words::daily_puzzle);
}

// The box stays open, and the run suspended, until the forge answers or the player cancels;
// a cancelled forge never answers, so whatever was on the playfield stays as it was.
void GameWindowModel::forgePuzzle(ForgeRequest request, const char* title)
{
    modal([&](auto closed) {
        ports_.dialogs.showProgress(title, [this, closed] {
            forger().cancel();
            closed();
        });
        forger().forge(
            request, [this](double share) { ports_.dialogs.setProgress(share); },
            [this, closed, request](const forge::ForgeOutcome& outcome) {
                ports_.dialogs.endProgress();
                closed();
                forged(request, outcome);
            });
    });
}

void GameWindowModel::forged(const ForgeRequest& request, const forge::ForgeOutcome& outcome)
{
    if (!outcome.ok()) {
        if (outcome.failure() == forge::ForgeFailure::no_level_found)
            say(words::no_level_found);
        return;
    }
    std::optional<GameLevel> level = asFileReadsIt(outcome.level().level);
    if (!level) {
        say(words::no_level_found);
        return;
    }
    const auto* day = std::get_if<std::chrono::year_month_day>(&request);
    puzzle_ = Puzzle{outcome.level().code, std::move(*level), day ? std::optional(*day) : std::nullopt};
    controls.bannerTimer.disable();
    resetReadouts();
    startlevel(engine.level);
}

// Next after a generated puzzle forges the code after it, of the same grade (after the
// daily puzzle, the code after the day's).
void GameWindowModel::nextPuzzle()
{
    forge::LevelCode next = puzzle_->code;
    next.seed = next.seed >= forge::max_code_seed ? 0 : next.seed + 1;
    forgePuzzle(next, words::generated_puzzle);
}

void GameWindowModel::puzzleWon()
{
    if (!puzzle_)
        return;
    won_puzzle_ = puzzle_;
}

void GameWindowModel::onKeepLevel()
{
    if (!won_puzzle_)
        return;
    const std::string code = forge::codeText(won_puzzle_->code);
    if (ports_.level_home.empty()) {
        say(fill(words::keep_no_home, {code}));
        return;
    }
    const KeepOutcome kept = keepGeneratedLevel(ports_.level_home, code, forge::levelFileBytes(won_puzzle_->level));
    const std::string file = kept.file.string();
    switch (kept.kind) {
    case KeepOutcome::Kind::kept: say(fill(words::kept, {code, file})); break;
    case KeepOutcome::Kind::already_kept: say(fill(words::already_kept, {code, file})); break;
    case KeepOutcome::Kind::set_info_damaged: say(fill(words::keep_set_damaged, {code, file})); break;
    case KeepOutcome::Kind::set_full: say(fill(words::keep_set_full, {code, file})); break;
    case KeepOutcome::Kind::failed: say(fill(words::keep_failed, {code, file, kept.reason})); break;
    }
}

} // namespace kelvaro

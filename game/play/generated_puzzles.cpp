// SPDX-License-Identifier: GPL-3.0-or-later
// Generated and daily puzzles: asked for, forged behind a progress bar, played, kept.
#include "game/play/generated_puzzles.h"
#include "game/play/keep_level.h"
#include "game/play/window_phrases.h"

namespace kelvaro {
namespace {

Message codeFault(forge::CodeFault fault, const std::string& typed)
{
    switch (fault) {
    case forge::CodeFault::unknown_grade: return gameMessage(words::code_unknown_grade, {typed});
    case forge::CodeFault::no_seed: return gameMessage(words::code_no_seed, {typed});
    case forge::CodeFault::seed_too_large: return gameMessage(words::code_too_large, {typed});
    case forge::CodeFault::empty:  // a blank code asks for a fresh seed and never comes here
    case forge::CodeFault::not_a_number: break;
    }
    return gameMessage(words::code_not_a_number, {typed});
}

// The level as the game reads its file: what levelFileForCode gives is what is played, and a
// kept copy has the same content, so the same records.
std::optional<GameLevel> asFileReadsIt(const GameLevel& level)
{
    Result<GameLevel> read = gameLevelFrom(toRecord(level));
    return read ? std::optional<GameLevel>(std::move(read.value())) : std::nullopt;
}

const char* keptText(KeepOutcome::Kind kind)
{
    switch (kind) {
    case KeepOutcome::Kind::kept: return words::kept;
    case KeepOutcome::Kind::already_kept: return words::already_kept;
    case KeepOutcome::Kind::set_info_damaged: return words::keep_set_damaged;
    case KeepOutcome::Kind::set_full: return words::keep_set_full;
    case KeepOutcome::Kind::failed: break;
    }
    return words::keep_failed;
}

} // namespace

GeneratedPuzzles::GeneratedPuzzles(Setup setup, Boxes& boxes, std::function<void()> play)
    : setup_(std::move(setup)), boxes_(boxes), play_(std::move(play))
{
}

std::optional<std::string> GeneratedPuzzles::code() const
{
    return puzzle_ ? std::optional<std::string>(forge::codeText(puzzle_->code)) : std::nullopt;
}

void GeneratedPuzzles::ask()
{
    boxes_.modal([this](auto closed) {
        boxes_.dialogs().askPuzzle(grade_, [this, closed](std::optional<PuzzleAsk> answer) {
            closed();
            if (!answer)
                return;
            grade_ = answer->grade;
            asked(*answer, [this] { ask(); });
        });
    });
}

void GeneratedPuzzles::forgeCode(const std::string& typed) { asked({grade_, typed}, [] {}); }

// A faulty code is said, then `again` runs; a blank one gives a fresh seed of the grade.
void GeneratedPuzzles::asked(const PuzzleAsk& answer, const std::function<void()>& again)
{
    const auto read = forge::readLevelCode(answer.code);
    if (const auto* code = std::get_if<forge::LevelCode>(&read)) {
        forge(*code, words::generated_puzzle);
        return;
    }
    const forge::CodeFault fault = std::get<forge::CodeFault>(read);
    if (fault != forge::CodeFault::empty) {
        boxes_.say(codeFault(fault, answer.code), again);
        return;
    }
    const auto seed = std::uniform_int_distribution<std::uint32_t>(0, forge::max_code_seed)(seeds_);
    forge(forge::LevelCode{answer.grade, seed}, words::generated_puzzle);
}

void GeneratedPuzzles::daily() { forge(setup_.today(), words::daily_puzzle); }

// Next after the daily puzzle forges the code after the day's.
void GeneratedPuzzles::next()
{
    forge::LevelCode next = puzzle_->code;
    next.seed = next.seed >= forge::max_code_seed ? 0 : next.seed + 1;
    forge(next, words::generated_puzzle);
}

// The box stays open, and the run suspended, until the forge answers or the player cancels;
// a cancelled forge never answers, so whatever was on the playfield stays as it was.
void GeneratedPuzzles::forge(ForgeRequest request, const char* title)
{
    boxes_.modal([&](auto closed) {
        boxes_.dialogs().showProgress(gameMessage(title), [this, closed] {
            forger().cancel();
            closed();
        });
        forger().forge(
            request, [this](double share) { boxes_.dialogs().setProgress(share); },
            [this, closed, request](const forge::ForgeOutcome& outcome) {
                boxes_.dialogs().endProgress();
                closed();
                forged(request, outcome);
            });
    });
}

void GeneratedPuzzles::forged(const ForgeRequest& request, const forge::ForgeOutcome& outcome)
{
    if (!outcome.ok()) {
        if (outcome.failure() == forge::ForgeFailure::no_level_found)
            boxes_.say(gameMessage(words::no_level_found));
        return;
    }
    std::optional<GameLevel> level = asFileReadsIt(outcome.level().level);
    if (!level) {
        boxes_.say(gameMessage(words::no_level_found));
        return;
    }
    const auto* day = std::get_if<std::chrono::year_month_day>(&request);
    const Solution& solution = outcome.level().solution;
    const std::optional<int> par =
        solution.shortest && !solution.moves.empty() ? std::optional(static_cast<int>(solution.moves.size())) : std::nullopt;
    puzzle_ = Puzzle{outcome.level().code, std::move(*level), day ? std::optional(*day) : std::nullopt, par};
    play_();
}

void GeneratedPuzzles::keep()
{
    if (!won_)
        return;
    const std::string code = forge::codeText(won_->code);
    if (setup_.level_home.empty()) {
        boxes_.say(gameMessage(words::keep_no_home, {code}));
        return;
    }
    const KeepOutcome kept = keepGeneratedLevel(setup_.level_home, code, forge::levelFileBytes(won_->level));
    boxes_.say(gameMessage(keptText(kept.kind), {code, kept.file.string(), kept.reason}));
}

} // namespace kelvaro

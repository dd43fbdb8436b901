// SPDX-License-Identifier: GPL-3.0-or-later
// Hints and the lost-position warning, judged by the solver off the window's thread.
#include "game/aid/player_aid.h"

#include "level/cell_rules.h"

#include <algorithm>

namespace kelvaro {

std::optional<HintOutline> firstPush(const std::vector<Action>& moves, int playerx, int playery)
{
    for (const Action& action : moves) {
        const Direction d = directions[action.dir];
        if (action.push)
            return HintOutline{true, playerx + d.dx, playery + d.dy, playerx, playery};
        playerx += d.dx;
        playery += d.dy;
    }
    return std::nullopt;
}

PlayerAid::PlayerAid(Engine& engine, Controls& controls, SolverPort& solver, TickSource ticks)
    : engine_(engine), controls_(controls), solver_(solver), ticks_(std::move(ticks))
{
}

bool PlayerAid::inPlay() const { return engine_.inPlay(); }

Verdict PlayerAid::verdict() const
{
    const std::size_t n = engine_.movesMade();
    return n < known_.size() ? known_[n] : Verdict::unknown;
}

// Walks since the crates last moved leave the verdict as it was: it holds for all of them.
void PlayerAid::setVerdict(Verdict verdict)
{
    const std::size_t n = engine_.movesMade();
    known_.resize(std::max(known_.size(), n + 1), Verdict::unknown);
    for (std::size_t i = std::min(layout_since_, n); i <= n; ++i)
        known_[i] = verdict;
    mirror();
}

void PlayerAid::forget()
{
    solver_.cancelAll();
    ++generation_;
    pending_ = false;
    solution_.reset();
    hint_wanted_ = false;
    layout_since_ = engine_.movesMade();
    hideHint();
}

void PlayerAid::onChange(Engine::Change change)
{
    const std::size_t n = engine_.movesMade();
    switch (change) {
    case Engine::Change::walked:
        // A walk keeps the player in the same area: the verdict stays.
        known_.resize(n + 1, Verdict::unknown);
        known_[n] = known_[n - 1];
        break;
    case Engine::Change::pushed: {
        const Verdict before = n >= 1 && n - 1 < known_.size() ? known_[n - 1] : Verdict::unknown;
        forget();
        known_.resize(n + 1, Verdict::unknown);
        // Nothing pushed from a lost position can win again.
        known_[n] = before == Verdict::unsolvable ? before : Verdict::unknown;
        if (known_[n] == Verdict::unknown)
            check();
        break;
    }
    case Engine::Change::taken_back:
        known_.resize(n + 1, Verdict::unknown);
        if (n < layout_since_) {  // the crates or the jewel came back: a new search
            forget();
            if (known_[n] == Verdict::unknown)
                check();
        }
        break;
    case Engine::Change::started:
    case Engine::Change::restored:
    case Engine::Change::won:
    case Engine::Change::lost:
    case Engine::Change::stopped:
        forget();
        known_.clear();
        break;
    }
    mirror();
}

// One search at a time: asked again while one is under way, the answer to that one serves.
void PlayerAid::check()
{
    if (pending_)
        return;
    const int fromx = engine_.playerx(), fromy = engine_.playery();
    pending_ = true;
    const std::uint64_t generation = generation_;
    solver_.solve(engine_.position(), [this, generation, fromx, fromy](const Solution& solution) {
        answered(generation, fromx, fromy, solution);
    });
}

void PlayerAid::answered(std::uint64_t generation, int fromx, int fromy, const Solution& solution)
{
    if (generation != generation_)
        return;  // the crates or the jewel moved since it was asked: stale
    pending_ = false;
    if (solution.verdict != Verdict::unknown)
        setVerdict(solution.verdict);  // only a proof ever says lost
    if (solution.verdict == Verdict::solvable) {
        solution_ = solution;
        solution_fromx_ = fromx;
        solution_fromy_ = fromy;
    }
    if (!hint_wanted_)
        return;
    if (solution.verdict == Verdict::solvable && (fromx != engine_.playerx() || fromy != engine_.playery())) {
        check();  // the player walked on meanwhile: the shortest way from here may differ
        return;
    }
    hint_wanted_ = false;
    if (!inPlay())
        return;  // paused, boxed or over meanwhile: H again shows what was found
    if (solution.verdict == Verdict::solvable)
        showHint(solution, fromx, fromy);
    else if (say)
        say(gameMessage(solution.verdict == Verdict::unsolvable ? kLostText : kNoHintText));
}

void PlayerAid::askHint()
{
    if (!inPlay())
        return;
    if (lost()) {
        if (say)
            say(gameMessage(kLostText));
        return;
    }
    if (solution_ && solution_fromx_ == engine_.playerx() && solution_fromy_ == engine_.playery()) {
        showHint(*solution_, solution_fromx_, solution_fromy_);
        return;
    }
    hint_wanted_ = true;
    check();
}

void PlayerAid::showHint(const Solution& solution, int fromx, int fromy)
{
    if (const std::optional<HintOutline> outline = firstPush(solution.moves, fromx, fromy)) {
        controls_.hintOutline = *outline;
        hint_shown_at_ = ticks_();
    }
}

void PlayerAid::hideHint() { controls_.hintOutline.visible = false; }

void PlayerAid::advance()
{
    if (controls_.hintOutline.visible && (!inPlay() || elapsed(ticks_(), hint_shown_at_) >= hint_shown_ms))
        hideHint();
    mirror();
}

std::optional<std::uint32_t> PlayerAid::nextDue() const
{
    if (!controls_.hintOutline.visible)
        return std::nullopt;
    return hint_shown_at_ + hint_shown_ms;
}

void PlayerAid::mirror() { controls_.lostMarkLabel.visible = engine_.playing() && lost(); }

} // namespace kelvaro

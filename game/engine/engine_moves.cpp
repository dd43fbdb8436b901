// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's moves besides the keys: planned and replayed moves, take-back, redo and a restart taken back.
#include "game/engine/engine.h"

#include <algorithm>

namespace kelvaro {

// ---------------------------------------------------------------- planned moves

void Engine::plan(std::vector<Action> moves)
{
    if (replaying_)
        takeOver();  // a plan of the player's own ends a replay
    plan_.assign(moves.begin(), moves.end());
}

void Engine::cancelPlan()
{
    plan_.clear();
    if (replaying_)
        takeOver();
}

void Engine::replay(std::vector<Action> moves)
{
    plan_.assign(moves.begin(), moves.end());
    replaying_ = true;
    controls_.countdownTimer.disable();
}

// The countdown starts where the replay left the player, unless the level is paused or not
// yet past its start effect: those start it themselves when play goes on.
void Engine::takeOver()
{
    replaying_ = false;
    const bool between_steps = phase_ == Phase::playing || phase_ == Phase::animating;
    if (playing_ && !timeup_ && paused_ == 0 && !suspended() && between_steps)
        controls_.countdownTimer.enable(now());
}

std::optional<Action> Engine::takePlanned(Held& held)
{
    if (std::find(held.begin(), held.end(), true) != held.end())
        cancelPlan();  // the keyboard takes over
    if (plan_.empty())
        return std::nullopt;
    const Action planned = plan_.front();
    plan_.pop_front();
    held[static_cast<std::size_t>(arrowFor[planned.dir])] = true;
    held[static_cast<std::size_t>(Key::ctrl)] = planned.push;
    return planned;
}

// ---------------------------------------------------------------- take-back and redo

void Engine::requestTakeBack()
{
    if (phase_ == Phase::playing && playing_ && paused_ == 0 && !timeup_ && !suspended()) {
        takeback_wanted_ = true;
        redo_wanted_ = false;
        cancelPlan();
    }
}

void Engine::requestRedo()
{
    if (phase_ == Phase::playing && playing_ && paused_ == 0 && !timeup_ && !suspended() && position_.canRedo()) {
        redo_wanted_ = true;
        takeback_wanted_ = false;
        cancelPlan();
    }
}

void Engine::takeBackOrRedo()
{
    const bool back = takeback_wanted_;
    takeback_wanted_ = redo_wanted_ = false;
    if (timeup_)
        return;
    if (back) {
        if (position_.takeBack())
            notify(Change::taken_back);
        else if (takeBackRestart())
            notify(Change::restored);
    } else if (const std::optional<bool> pushed = position_.redo()) {
        notify(*pushed ? Change::pushed : Change::walked);
    }
    drawing_.redraw(position_);
}

// ---------------------------------------------------------------- restart

std::optional<LevelError> Engine::restartlevel()
{
    std::optional<Restarted> before;
    if (playing_ && !timeup_ && started_level_)
        before = Restarted{position_, *started_level_, started_digest_, 0};
    if (std::optional<LevelError> failure = startlevel(level_))
        return failure;
    if (before) {
        before->restarted_with = timeleft();
        before_restart_ = std::move(before);
    }
    return std::nullopt;
}

// The seconds that ran since the restart are taken off the time the restart left: taking it
// back gives no time back. With none left, there is nothing to go back to.
bool Engine::takeBackRestart()
{
    if (!before_restart_ || position_.movesMade() != 0)
        return false;
    const int ran = before_restart_->restarted_with - timeleft();
    const int left = before_restart_->position.level().timeleft - ran;
    if (left < 1)
        return false;
    Restarted before = std::move(*before_restart_);
    before_restart_.reset();
    position_.restore(std::move(before.position), static_cast<std::int16_t>(left));
    started_level_ = std::move(before.level);
    started_digest_ = std::move(before.digest);
    controls_.timeLabel.caption = timeCaption(left);
    return true;
}

} // namespace kelvaro

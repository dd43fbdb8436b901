// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks on the playfield turned into planned moves, and the pick of an object to push.
#include "game/play/pointer_play.h"

namespace kelvaro {

PointerPlay::PointerPlay(Engine& engine, Controls& controls) : engine_(engine), controls_(controls) {}

const PointerPlan& PointerPlay::plan()
{
    if (!plan_ || planned_position_ != position_) {
        plan_.emplace(engine_.position());
        planned_position_ = position_;
    }
    return *plan_;
}

void PointerPlay::click(int x, int y)
{
    if (!engine_.inPlay())
        return;
    engine_.cancelPlan();  // a click takes over from the one before
    if (engine_.phase() == Engine::Phase::animating) {
        waiting_ = {x, y};  // planned from where the move under way ends
        return;
    }
    act(x, y);
}

void PointerPlay::act(int x, int y)
{
    if (targets_) {
        const PushTargets targets = std::move(*targets_);
        const bool picked = x == controls_.pushMarks.objectx && y == controls_.pushMarks.objecty;
        dropPick();
        if (targets.contains(x, y))
            return engine_.plan(targets.movesTo(x, y));
        if (picked)
            return;  // a second click on the picked object lets it go
    }
    const PointerPlan& here = plan();
    if (here.reaches(x, y))
        return engine_.plan(here.walkTo(x, y));
    if (const std::optional<Action> push = here.pushBeside(x, y))
        return engine_.plan({*push});
    if (std::optional<PushTargets> targets = here.pushTargets(x, y); targets && !targets->cells().empty())
        pick(x, y, std::move(*targets));
}

void PointerPlay::cancel()
{
    engine_.cancelPlan();
    waiting_.reset();
    dropPick();
}

bool PointerPlay::acts(int x, int y)
{
    if (!engine_.inPlay())
        return false;
    if (targets_ && (targets_->contains(x, y) || (x == controls_.pushMarks.objectx && y == controls_.pushMarks.objecty)))
        return true;
    const PointerPlan& here = plan();
    return here.reaches(x, y) || here.pushable(x, y);
}

void PointerPlay::onChange(Engine::Change)
{
    ++position_;
    dropPick();  // the marks were for the position before
}

void PointerPlay::advance()
{
    if (!engine_.playing() || engine_.timeup())
        waiting_.reset();
    if (waiting_ && engine_.inPlay() && engine_.phase() == Engine::Phase::playing) {
        const auto [x, y] = *waiting_;
        waiting_.reset();
        act(x, y);
    }
    if (targets_ && !engine_.inPlay())
        dropPick();
}

void PointerPlay::pick(int x, int y, PushTargets targets)
{
    targets_ = std::move(targets);
    controls_.pushMarks = PushMarks{true, x, y, targets_->cells()};
}

void PointerPlay::dropPick()
{
    targets_.reset();
    controls_.pushMarks = PushMarks{};
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's run: level start, start effect, play loop, animations and outcomes.
#include "game/engine/engine.h"

#include "level/cell_rules.h"
#include "level/level_digest.h"

#include <algorithm>
#include <string>

namespace kelvaro {

Engine::Engine(Controls& controls, const Images& images, SoundPort& sound, const KeyState& keys, TickSource ticks,
               LevelLoader loader)
    : controls_(controls), sound_(sound), keys_(keys), ticks_(std::move(ticks)), loader_(std::move(loader)),
      drawing_(controls, images)
{
}

void Engine::playOnce(Sound sound)
{
    if (controls_.soundItem.checked)
        sound_.playOnce(sound);
}

void Engine::startMusic()
{
    if (controls_.soundItem.checked)
        sound_.playMusicLooping();
}

void Engine::stopMusicAndRewind()
{
    if (controls_.soundItem.checked) {
        sound_.stopMusic();
        sound_.rewindMusic();
    }
}

// ---------------------------------------------------------------- level start

std::optional<LevelError> Engine::startlevel(int number)
{
    ++runs_;
    level_ = number;
    phase_ = Phase::idle;  // whatever ran before is over for good
    timeup_ = false;
    drawing_.clear();
    before_restart_.reset();

    auto read = loader_(number);
    if (!read)
        return read.error();
    started_digest_ = levelDigest(read.value());
    started_level_ = read.value();
    position_.start(std::move(read.value()));
    drawing_.beginLevel(position_.maxx(), position_.maxy());

    controls_.endGameItem.enabled = true;
    controls_.restartLevelItem.enabled = true;
    paused_ = 0;
    for (LabelControl* label : {&controls_.pausedLabel, &controls_.winnerLabel, &controls_.bannerLabel})
        label->visible = false;
    for (ButtonControl* button : {&controls_.nextButton, &controls_.abortButton, &controls_.retryButton})
        button->visible = false;
    controls_.sadPicture.visible = false;
    controls_.gameOverLabel.visible = false;
    controls_.levelLabel.caption = levelCaption(number);
    controls_.timeLabel.caption = timeCaption(timeleft());
    playing_ = true;
    takeback_wanted_ = false;
    redo_wanted_ = false;
    replaying_ = false;
    plan_.clear();
    drawspiral();
    notify(Change::started);
    return std::nullopt;
}

void Engine::drawspiral()
{
    playOnce(Sound::ready);
    drawing_.clear();
    timeline_.beginSpiral(maxx(), maxy(), now());
    phase_ = Phase::spiral_ring;
}

void Engine::spiralRing()
{
    if (const std::optional<CellPos> tile = timeline_.takeTile(now())) {
        drawing_.putTile(*tile);
        return;
    }
    if (timeline_.ringsLeft())
        phase_ = Phase::spiral_gap;
    else
        finishSpiral();
}

void Engine::finishSpiral()
{
    playOnce(Sound::sfyrixtra);
    timeline_.wait(now(), 700);
    phase_ = Phase::spiral_wait;
}

// ---------------------------------------------------------------- driving

bool Engine::inPlay() const
{
    return playing_ && !timeup_ && paused_ == 0 && !suspended() &&
           (phase_ == Phase::playing || phase_ == Phase::animating);
}

bool Engine::acceptsEvents() const { return phase_ != Phase::spiral_ring && phase_ != Phase::spiral_wait; }

std::optional<std::uint32_t> Engine::nextDue() const
{
    if (suspended())
        return std::nullopt;
    switch (phase_) {
    case Phase::idle: return std::nullopt;
    case Phase::spiral_ring:
    case Phase::spiral_wait: return timeline_.waitEnds();
    case Phase::spiral_gap: return now();
    case Phase::playing:
        if (paused_ != 0)
            return std::nullopt;
        return lasttick_ + 25;
    case Phase::animating: return lasttick_ + 25;
    }
    return std::nullopt;
}

void Engine::advance()
{
    if (suspended())
        return;
    const std::uint32_t t = now();
    switch (phase_) {
    case Phase::idle: return;
    case Phase::spiral_ring:
        if (!timeline_.waiting(t))
            spiralRing();
        return;
    case Phase::spiral_gap:
        timeline_.nextRing(t);
        phase_ = Phase::spiral_ring;
        advance();
        return;
    case Phase::spiral_wait:
        if (timeline_.waiting(t))
            return;
        startMusic();
        // A countdown a key started early may have run out between rings: it stays stopped.
        // A replay holds it until the player takes over.
        if (!timeup_ && !replaying_)
            controls_.countdownTimer.enable(now());
        playloop();
        return;
    case Phase::playing: pass(); return;
    case Phase::animating:
        if (elapsed(t, lasttick_) >= 25)
            frame();
        return;
    }
}

// ---------------------------------------------------------------- pause and countdown

void Engine::pauseKey()
{
    if (++paused_ == 2)
        paused_ = 0;
}

void Engine::pause() { paused_ = 1; }

int Engine::tickCountdown()
{
    const int left = position_.countDown();
    if (left == 10)
        playOnce(Sound::hurryup);
    if (left < 1)
        timeup_ = true;
    return left;
}

// ---------------------------------------------------------------- play loop

void Engine::playloop()
{
    phase_ = Phase::playing;
    lasttick_ = now();
    outcomeChecks();
}

void Engine::pass()
{
    if (paused_ != 0)
        takeback_wanted_ = false;  // asked for before the pause: not carried over it
    if (paused_ == 0 && elapsed(now(), lasttick_) >= 25) {
        step();
        if (phase_ == Phase::animating)
            return;  // the outcome checks follow the animation's last frame
    }
    outcomeChecks();
}

void Engine::outcomeChecks()
{
    const bool won = position_.won();
    if (won || timeup_)
        plan_.clear();
    if (won) {
        playing_ = false;
        controls_.countdownTimer.disable();
        phase_ = Phase::idle;
        levelwon();
    } else if (timeup_) {
        playing_ = false;
        phase_ = Phase::idle;
        levellost();
    }
}

Engine::Held Engine::heldKeys() const
{
    Held held{};
    for (Key key : {Key::left, Key::right, Key::up, Key::down, Key::ctrl})
        held[static_cast<std::size_t>(key)] = keys_.down(key);
    return held;
}

void Engine::step()
{
    lasttick_ = now();
    if (trace)
        trace(lasttick_, false);
    if (takeback_wanted_ || redo_wanted_) {
        takeBackOrRedo();
        return;
    }
    if (replaying_ && plan_.empty())
        takeOver();  // the replay ran out without a win
    Held held = heldKeys();
    const std::optional<Action> planned = takePlanned(held);
    if (moveplayer(held) || push(held)) {
        if (planned && planned->push != (timeline_.animation() != Animation::walk))
            plan_.clear();  // the position is not what the plan was made for
        return;
    }
    plan_.clear();
    drawing_.redraw(position_);
}

bool Engine::moveplayer(const Held& held)
{
    // The arrows in the order the game tries them.
    static constexpr std::uint8_t tried[] = {1, 0, 2, 3};
    for (const std::uint8_t dir : tried) {
        if (!held[static_cast<std::size_t>(arrowFor[dir])])
            continue;
        position_.face(dir);
        if (position_.beginWalk()) {
            startAnimation(Animation::walk, playerx(), playery());
            return true;
        }
    }
    return false;
}

bool Engine::push(const Held& held)
{
    if (!held[static_cast<std::size_t>(Key::ctrl)])
        return false;
    const std::optional<std::uint8_t> moving = position_.beginPush();
    if (!moving)
        return false;
    const Position::Move& move = position_.underWay();
    if (*moving == jewel)
        pushjewel(move.fx, move.fy);
    else
        pushobstacle(move.fx, move.fy);
    return true;
}

void Engine::pushobstacle(int fx, int fy) { startAnimation(Animation::push_obstacle, fx, fy); }

void Engine::pushjewel(int fx, int fy) { startAnimation(Animation::push_jewel, fx, fy); }

void Engine::notify(Change change)
{
    if (changed)
        changed(change);
}

// ---------------------------------------------------------------- animations

void Engine::startAnimation(Animation kind, int fx, int fy)
{
    if (kind != Animation::walk)
        playOnce(Sound::moving);
    timeline_.beginAnimation(kind, fx, fy);
    lasttick_ = now();
    phase_ = Phase::animating;
}

void Engine::frame()
{
    lasttick_ = now();
    if (trace)
        trace(lasttick_, true);
    timeline_.nextFrame();
    drawing_.frame(position_, timeline_);
    if (timeline_.lastFrame())
        finishAnimation();
}

void Engine::finishAnimation()
{
    position_.complete();
    phase_ = Phase::playing;
    lasttick_ = now();
    notify(position_.underWay().push ? Change::pushed : Change::walked);
    if (phase_ == Phase::playing)  // a watcher may have opened a box or started anew
        outcomeChecks();
}

// ---------------------------------------------------------------- outcomes

void Engine::levelwon()
{
    ++runs_;
    playOnce(Sound::win);
    controls_.endGameItem.enabled = false;
    controls_.restartLevelItem.enabled = false;
    drawing_.placeWinner();
    controls_.focus = Focus::nextButton;
    notify(Change::won);
}

void Engine::levellost()
{
    ++runs_;
    stopMusicAndRewind();
    playOnce(Sound::lose);
    controls_.endGameItem.enabled = false;
    controls_.restartLevelItem.enabled = false;
    drawing_.placeGameOver();
    controls_.focus = Focus::retryButton;
    notify(Change::lost);
}

void Engine::stopgame()
{
    ++runs_;
    controls_.restartLevelItem.enabled = false;
    controls_.endGameItem.enabled = false;
    controls_.pausedLabel.visible = false;
    playing_ = false;
    plan_.clear();
    replaying_ = false;
    before_restart_.reset();
    started_level_.reset();
    controls_.clearWindowSurface();
    controls_.bannerTimer.enable(now());
    phase_ = Phase::idle;
    notify(Change::stopped);
}

} // namespace kelvaro

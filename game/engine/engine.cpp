// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's run: level start, start effect, play loop, animations and outcomes.
#include "game/engine/engine.h"

#include "level/cell_rules.h"
#include "level/level_digest.h"

#include <algorithm>
#include <string>

namespace kelvaro {

std::vector<CellPos> spiralRing(int maxx, int maxy, int k)
{
    const int left = k, top = k, right = maxx - k, bottom = maxy - k;
    std::vector<CellPos> tiles;
    for (int x = left; x <= right; ++x)
        tiles.push_back({x, top});
    for (int y = top + 1; y <= bottom; ++y)
        tiles.push_back({right, y});
    for (int x = right - 1; x >= left; --x)
        tiles.push_back({x, bottom});
    for (int y = bottom - 1; y >= top + 1; --y)
        tiles.push_back({left, y});
    return tiles;
}

Engine::Engine(Controls& controls, const Images& images, SoundPort& sound, const KeyState& keys, TickSource ticks,
               LevelLoader loader)
    : controls_(controls), images_(images), sound_(sound), keys_(keys), ticks_(std::move(ticks)),
      loader_(std::move(loader))
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
    phase_ = Phase::idle;  // whatever ran before is over for good
    timeup = false;
    backBuffer.fill(black);
    controls_.clearWindowSurface();

    auto read = loader_(number);
    if (!read)
        return read.error();
    GameLevel& next = read.value();
    started_digest_ = levelDigest(next);
    maze = std::move(next.maze);
    ++maze_changes_;
    maxx = static_cast<std::uint8_t>(maze.maxx());
    maxy = static_cast<std::uint8_t>(maze.maxy());
    jewelx = next.jewelx;
    jewely = next.jewely;
    goalx = next.goalx;
    goaly = next.goaly;
    playerx = next.playerx;
    playery = next.playery;
    timeleft = next.timeleft;

    // The back buffer only ever needs what the window can show.
    backBufferWidth = (maxx + 1) * cell_size;
    backBufferHeight = (maxy + 1) * cell_size;
    backBuffer.reset(std::min(backBufferWidth, Controls::client_width),
                   std::min(backBufferHeight, Controls::client_height));

    playerdir = 0;
    controls_.endGameItem.enabled = true;
    controls_.restartLevelItem.enabled = true;
    paused = 0;
    for (LabelControl* label : {&controls_.pausedLabel, &controls_.winnerLabel, &controls_.bannerLabel})
        label->visible = false;
    for (ButtonControl* button : {&controls_.nextButton, &controls_.abortButton, &controls_.retryButton})
        button->visible = false;
    controls_.sadPicture.visible = false;
    controls_.gameOverLabel.visible = false;
    controls_.levelLabel.caption = fill(engine_words::level_n, {std::to_string(number)});
    controls_.timeLabel.caption = fill(engine_words::time_n, {std::to_string(timeleft)});
    playing = true;
    history_.clear();
    takeback_wanted_ = false;
    plan_.clear();
    drawspiral();
    notify(Change::started);
    return std::nullopt;
}

void Engine::drawspiral()
{
    playOnce(Sound::ready);
    backBuffer.fill(black);
    controls_.clearWindowSurface();
    tiles_drawn_ = 0;
    ring_ = 1;
    ring_tiles_ = spiralRing(maxx, maxy, ring_);
    next_tile_ = 0;
    wait_start_ = now();
    wait_ms_ = 0;
    phase_ = Phase::spiral_ring;
}

void Engine::putTile(CellPos at)
{
    controls_.windowSurface.copy(images_.readyTile, 0, 0, cell_size, cell_size, at.x * cell_size, at.y * cell_size);
    ++controls_.windowSurfaceVersion;
    ++tiles_drawn_;
}

void Engine::finishSpiral()
{
    playOnce(Sound::sfyrixtra);
    wait_start_ = now();
    wait_ms_ = 700;
    phase_ = Phase::spiral_wait;
}

// ---------------------------------------------------------------- driving

bool Engine::inPlay() const
{
    return playing && !timeup && paused == 0 && !suspended() &&
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
    case Phase::spiral_wait: return wait_start_ + wait_ms_;
    case Phase::spiral_gap: return now();
    case Phase::playing:
        if (paused != 0)
            return std::nullopt;
        return lasttick + 25;
    case Phase::animating: return lasttick + 25;
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
    case Phase::spiral_ring: {
        if (elapsed(t, wait_start_) < wait_ms_)
            return;
        if (next_tile_ < ring_tiles_.size()) {
            putTile(ring_tiles_[next_tile_++]);
            wait_start_ = now();
            wait_ms_ = 10;
            return;
        }
        const int inner = (maxx - 1) * (maxy - 1);
        // A ring without tiles could never bring the count up: stop rather than spin forever.
        if (tiles_drawn_ < inner && !ring_tiles_.empty())
            phase_ = Phase::spiral_gap;
        else
            finishSpiral();
        return;
    }
    case Phase::spiral_gap:
        ring_tiles_ = spiralRing(maxx, maxy, ++ring_);
        next_tile_ = 0;
        wait_start_ = t;
        wait_ms_ = 0;
        phase_ = Phase::spiral_ring;
        advance();
        return;
    case Phase::spiral_wait:
        if (elapsed(t, wait_start_) < wait_ms_)
            return;
        startMusic();
        // A countdown a key started early may have run out between rings: it stays stopped.
        if (!timeup)
            controls_.countdownTimer.enable(now());
        beginPlayloop();
        return;
    case Phase::playing: pass(); return;
    case Phase::animating:
        if (elapsed(t, lasttick) >= 25)
            frame();
        return;
    }
}

// ---------------------------------------------------------------- play loop

void Engine::beginPlayloop()
{
    phase_ = Phase::playing;
    lasttick = now();
    outcomeChecks();
}

void Engine::pass()
{
    if (paused != 0)
        takeback_wanted_ = false;  // asked for before the pause: not carried over it
    if (paused == 0 && elapsed(now(), lasttick) >= 25) {
        step();
        if (phase_ == Phase::animating)
            return;  // the outcome checks follow the animation's last frame
    }
    outcomeChecks();
}

void Engine::outcomeChecks()
{
    if ((jewelx == goalx && jewely == goaly) || timeup)
        plan_.clear();
    if (jewelx == goalx && jewely == goaly) {
        playing = false;
        controls_.countdownTimer.disable();
        phase_ = Phase::idle;
        levelwon();
    } else if (timeup) {
        playing = false;
        phase_ = Phase::idle;
        levellost();
    }
}

std::uint8_t Engine::cellAt(int x, int y) const
{
    return maze.contains(x, y) ? maze.at(x, y) : outside_code;
}

Engine::Held Engine::heldKeys() const
{
    Held held{};
    for (Key key : {Key::left, Key::right, Key::up, Key::down, Key::ctrl})
        held[static_cast<std::size_t>(key)] = keys_.down(key);
    return held;
}

void Engine::plan(std::vector<Action> moves) { plan_.assign(moves.begin(), moves.end()); }

void Engine::step()
{
    lasttick = now();
    if (trace)
        trace(lasttick, false);
    if (takeback_wanted_) {
        takeback_wanted_ = false;
        takeBack();
        redraw();
        return;
    }
    Held held = heldKeys();
    const bool any_key = std::ranges::find(held, true) != held.end();
    if (any_key)
        plan_.clear();  // the keyboard takes over
    std::optional<Action> planned;
    if (!plan_.empty()) {
        // The keys the planned move would hold: its arrow, and Ctrl for a push.
        static constexpr Key arrow[] = {Key::right, Key::left, Key::up, Key::down};
        planned = plan_.front();
        plan_.pop_front();
        held[static_cast<std::size_t>(arrow[planned->dir])] = true;
        held[static_cast<std::size_t>(Key::ctrl)] = planned->push;
    }
    if (tryWalk(held) || tryPush(held)) {
        if (planned && planned->push != (animation_ != Animation::walk))
            plan_.clear();  // the position is not what the plan was made for
        return;
    }
    plan_.clear();
    redraw();
}

bool Engine::tryWalk(const Held& held)
{
    struct ArrowKey {
        Key key;
        std::uint8_t dir;
    };
    static constexpr ArrowKey order[] = {{Key::left, 1}, {Key::right, 0}, {Key::up, 2}, {Key::down, 3}};
    for (const ArrowKey& arrow : order) {
        if (!held[static_cast<std::size_t>(arrow.key)])
            continue;
        playerdir = arrow.dir;
        const Direction d = directions[playerdir];
        if (ruleFor(cellAt(playerx + d.dx, playery + d.dy)).walk_onto) {
            startAnimation(Animation::walk, playerx, playery, before());
            return true;
        }
    }
    return false;
}

bool Engine::tryPush(const Held& held)
{
    if (!held[static_cast<std::size_t>(Key::ctrl)])
        return false;
    const Direction d = directions[playerdir];
    const int fx = playerx + d.dx, fy = playery + d.dy;
    const int gx = fx + d.dx, gy = fy + d.dy;
    const std::uint8_t moving = cellAt(fx, fy);
    if (!ruleFor(moving).pushable || !mayPushOnto(moving, cellAt(gx, gy)))
        return false;
    Move move = before();
    move.push = true;
    move.fx = fx, move.fy = fy, move.gx = gx, move.gy = gy;
    move.f_code = moving;
    move.g_code = maze.at(gx, gy);
    maze.at(fx, fy) = blank;
    maze.at(gx, gy) = moving;
    ++maze_changes_;
    if (moving == jewel) {
        jewelx = static_cast<std::uint8_t>(gx);
        jewely = static_cast<std::uint8_t>(gy);
    }
    startAnimation(moving == jewel ? Animation::push_jewel : Animation::push_obstacle, fx, fy, move);
    return true;
}

// ---------------------------------------------------------------- take-back

void Engine::requestTakeBack()
{
    if (phase_ == Phase::playing && playing && paused == 0 && !timeup && !suspended()) {
        takeback_wanted_ = true;
        plan_.clear();
    }
}

GameLevel Engine::position() const
{
    return GameLevel{maze, jewelx, jewely, goalx, goaly, playerx, playery, timeleft};
}

void Engine::takeBack()
{
    if (history_.empty() || timeup)
        return;
    const Move move = history_.back();
    history_.pop_back();
    playerx = move.playerx;
    playery = move.playery;
    playerdir = move.playerdir;
    jewelx = move.jewelx;
    jewely = move.jewely;
    if (move.push) {
        maze.at(move.fx, move.fy) = move.f_code;
        maze.at(move.gx, move.gy) = move.g_code;
        ++maze_changes_;
    }
    notify(Change::taken_back);
}

void Engine::notify(Change change)
{
    if (changed)
        changed(change);
}

// ---------------------------------------------------------------- animations

void Engine::startAnimation(Animation kind, int fx, int fy, Move move)
{
    moving_ = move;
    if (kind != Animation::walk)
        playOnce(Sound::moving);
    animation_ = kind;
    fx_ = fx;
    fy_ = fy;
    lasttick = now();
    counter_ = 0;
    phase_ = Phase::animating;
}

void Engine::frame()
{
    lasttick = now();
    if (trace)
        trace(lasttick, true);
    counter_ += 2;
    const Direction d = directions[playerdir];
    const int shift = 2 * counter_;
    switch (animation_) {
    case Animation::walk:
        composeBackground(-1);
        drawFrameOfStrip(counter_ / 2, playerx * cell_size + shift * d.dx, playery * cell_size + shift * d.dy);
        break;
    case Animation::push_obstacle:
    case Animation::push_jewel: {
        const bool jewel_moves = animation_ == Animation::push_jewel;
        composeBackground(jewel_moves ? jewel : obstacle);
        drawFrameOfStrip(0, playerx * cell_size, playery * cell_size);
        const Surface& moving = jewel_moves ? images_.jewel : images_.crate;
        backBuffer.copy(moving, 0, 0, cell_size, cell_size, fx_ * cell_size + shift * d.dx,
                      fy_ * cell_size + shift * d.dy);
        break;
    }
    }
    copyToWindow();
    if (counter_ == 16)
        finishAnimation();
}

void Engine::finishAnimation()
{
    if (animation_ == Animation::walk) {
        const Direction d = directions[playerdir];
        playerx = static_cast<std::uint8_t>(playerx + d.dx);
        playery = static_cast<std::uint8_t>(playery + d.dy);
    }
    phase_ = Phase::playing;
    lasttick = now();
    history_.push_back(moving_);
    notify(moving_.push ? Change::pushed : Change::walked);
    if (phase_ == Phase::playing)  // a watcher may have opened a box or started anew
        outcomeChecks();
}

// ---------------------------------------------------------------- drawing

void Engine::composeBackground(int skip_code)
{
    // Only the cells the back buffer holds: a level wider than the window costs no more.
    const int last_x = std::min<int>(maxx - 1, (backBuffer.width() - 1) / cell_size);
    const int last_y = std::min<int>(maxy - 1, (backBuffer.height() - 1) / cell_size);
    for (int x = 1; x <= last_x; ++x) {
        for (int y = 1; y <= last_y; ++y) {
            const std::uint8_t code = maze.at(x, y);
            if (code == skip_code)
                continue;
            if (const Surface* image = images_.cell(code))
                backBuffer.copy(*image, 0, 0, cell_size, cell_size, x * cell_size, y * cell_size);
        }
    }
}

void Engine::drawFrameOfStrip(int frame, int px, int py)
{
    backBuffer.copy(images_.strip(playerdir), frame * cell_size, 0, cell_size, cell_size, px, py);
}

void Engine::redraw()
{
    const Shown now_showing{controls_.windowSurfaceVersion, maze_changes_, playerx, playery, playerdir};
    if (now_showing == shown_)
        return;
    composeBackground(-1);
    drawFrameOfStrip(0, playerx * cell_size, playery * cell_size);
    copyToWindow();
    shown_ = {controls_.windowSurfaceVersion, maze_changes_, playerx, playery, playerdir};
}

void Engine::copyToWindow()
{
    controls_.windowSurface.copy(backBuffer, 0, 0, backBufferWidth, backBufferHeight, 0, 0);
    ++controls_.windowSurfaceVersion;
}

// ---------------------------------------------------------------- outcomes

void Engine::levelwon()
{
    playOnce(Sound::win);
    controls_.endGameItem.enabled = false;
    controls_.restartLevelItem.enabled = false;
    LabelControl& winnerLabel = controls_.winnerLabel;
    winnerLabel.place.left = backBufferWidth / 2 - 75;
    winnerLabel.place.top = backBufferHeight / 2 - 20;
    winnerLabel.visible = true;
    const double middle = winnerLabel.place.left + winnerLabel.place.width / 2.0;
    controls_.nextButton.place.left = middle - 105;
    controls_.abortButton.place.left = middle + 8;
    controls_.nextButton.place.top = winnerLabel.place.top + 56;
    controls_.abortButton.place.top = controls_.nextButton.place.top;
    controls_.nextButton.visible = true;
    controls_.abortButton.visible = true;
    controls_.focus = Focus::nextButton;
    notify(Change::won);
}

void Engine::levellost()
{
    stopMusicAndRewind();
    playOnce(Sound::lose);
    controls_.endGameItem.enabled = false;
    controls_.restartLevelItem.enabled = false;
    LabelControl& gameOverLabel = controls_.gameOverLabel;
    PictureControl& sadPicture = controls_.sadPicture;
    gameOverLabel.place.left = backBufferWidth / 2 - gameOverLabel.place.width / 2;
    gameOverLabel.place.top = backBufferHeight / 2 - gameOverLabel.place.height / 2;
    const double middle = gameOverLabel.place.left + gameOverLabel.place.width / 2.0;
    controls_.abortButton.place.left = middle - 105;
    controls_.retryButton.place.left = middle + 8;
    controls_.abortButton.place.top = gameOverLabel.place.top + 56;
    controls_.retryButton.place.top = controls_.abortButton.place.top;
    sadPicture.place.left = gameOverLabel.place.left + gameOverLabel.place.width / 2 - sadPicture.place.width / 2;
    sadPicture.place.top = controls_.abortButton.place.top + 48;
    gameOverLabel.visible = true;
    controls_.abortButton.visible = true;
    controls_.retryButton.visible = true;
    sadPicture.visible = true;
    controls_.focus = Focus::retryButton;
    notify(Change::lost);
}

void Engine::stopgame()
{
    controls_.restartLevelItem.enabled = false;
    controls_.endGameItem.enabled = false;
    controls_.pausedLabel.visible = false;
    playing = false;
    plan_.clear();
    controls_.clearWindowSurface();
    controls_.bannerTimer.enable(now());
    phase_ = Phase::idle;
    notify(Change::stopped);
}

} // namespace kelvaro

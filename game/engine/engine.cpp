// The engine's run: level start, start effect, play loop, animations and outcomes.
#include "engine.h"

#include "level/cell_rules.h"

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
    if (controls_.m_sound.checked)
        sound_.playOnce(sound);
}

void Engine::startMusic()
{
    if (controls_.m_sound.checked)
        sound_.playMusicLooping();
}

void Engine::stopMusicAndRewind()
{
    if (controls_.m_sound.checked) {
        sound_.stopMusic();
        sound_.rewindMusic();
    }
}

// ---------------------------------------------------------------- level start

std::optional<LevelError> Engine::startlevel(int number)
{
    phase_ = Phase::idle;  // whatever ran before is over for good
    timeup = false;
    picture8.fill(black);
    controls_.clearForm1();

    auto read = loader_(number);
    if (!read)
        return read.error();
    GameLevel& next = read.value();
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
    picture8_width = (maxx + 1) * cell_size;
    picture8_height = (maxy + 1) * cell_size;
    picture8.reset(std::min(picture8_width, Controls::client_width),
                   std::min(picture8_height, Controls::client_height));

    playerdir = 0;
    controls_.m_endgame.enabled = true;
    controls_.m_rlevel.enabled = true;
    paused = 0;
    for (LabelControl* label : {&controls_.label4, &controls_.label5, &controls_.label6})
        label->visible = false;
    for (ButtonControl* button : {&controls_.command1, &controls_.command2, &controls_.command3})
        button->visible = false;
    controls_.picture12.visible = false;
    controls_.label3.visible = false;
    controls_.label1.caption = "LEVEL : " + std::to_string(number);
    controls_.label2.caption = "TIME : " + std::to_string(timeleft);
    playing = true;
    drawspiral();
    return std::nullopt;
}

void Engine::drawspiral()
{
    playOnce(Sound::ready);
    picture8.fill(black);
    controls_.clearForm1();
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
    controls_.form1.copy(images_.picture13, 0, 0, cell_size, cell_size, at.x * cell_size, at.y * cell_size);
    ++controls_.form1_version;
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
            controls_.timer2.enable(now());
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
    if (paused == 0 && elapsed(now(), lasttick) >= 25) {
        step();
        if (phase_ == Phase::animating)
            return;  // the outcome checks follow the animation's last frame
    }
    outcomeChecks();
}

void Engine::outcomeChecks()
{
    if (jewelx == goalx && jewely == goaly) {
        playing = false;
        controls_.timer2.disable();
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

void Engine::step()
{
    lasttick = now();
    if (trace)
        trace(lasttick, false);
    if (tryWalk() || tryPush())
        return;
    redraw();
}

bool Engine::tryWalk()
{
    struct ArrowKey {
        Key key;
        std::uint8_t dir;
    };
    static constexpr ArrowKey order[] = {{Key::left, 1}, {Key::right, 0}, {Key::up, 2}, {Key::down, 3}};
    for (const ArrowKey& arrow : order) {
        if (!keys_.down(arrow.key))
            continue;
        playerdir = arrow.dir;
        const Direction d = directions[playerdir];
        if (ruleFor(cellAt(playerx + d.dx, playery + d.dy)).walk_onto) {
            startAnimation(Animation::walk, playerx, playery);
            return true;
        }
    }
    return false;
}

bool Engine::tryPush()
{
    if (!keys_.down(Key::ctrl))
        return false;
    const Direction d = directions[playerdir];
    const int fx = playerx + d.dx, fy = playery + d.dy;
    const int gx = fx + d.dx, gy = fy + d.dy;
    const std::uint8_t moving = cellAt(fx, fy);
    if (!ruleFor(moving).pushable || !mayPushOnto(moving, cellAt(gx, gy)))
        return false;
    maze.at(fx, fy) = blank;
    maze.at(gx, gy) = moving;
    ++maze_changes_;
    if (moving == jewel) {
        jewelx = static_cast<std::uint8_t>(gx);
        jewely = static_cast<std::uint8_t>(gy);
    }
    startAnimation(moving == jewel ? Animation::push_jewel : Animation::push_obstacle, fx, fy);
    return true;
}

// ---------------------------------------------------------------- animations

void Engine::startAnimation(Animation kind, int fx, int fy)
{
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
        const Surface& moving = jewel_moves ? images_.picture2 : images_.picture10;
        picture8.copy(moving, 0, 0, cell_size, cell_size, fx_ * cell_size + shift * d.dx,
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
    outcomeChecks();
}

// ---------------------------------------------------------------- drawing

void Engine::composeBackground(int skip_code)
{
    // Only the cells the back buffer holds: a level wider than the window costs no more.
    const int last_x = std::min<int>(maxx - 1, (picture8.width() - 1) / cell_size);
    const int last_y = std::min<int>(maxy - 1, (picture8.height() - 1) / cell_size);
    for (int x = 1; x <= last_x; ++x) {
        for (int y = 1; y <= last_y; ++y) {
            const std::uint8_t code = maze.at(x, y);
            if (code == skip_code)
                continue;
            if (const Surface* image = images_.cell(code))
                picture8.copy(*image, 0, 0, cell_size, cell_size, x * cell_size, y * cell_size);
        }
    }
}

void Engine::drawFrameOfStrip(int frame, int px, int py)
{
    picture8.copy(images_.strip(playerdir), frame * cell_size, 0, cell_size, cell_size, px, py);
}

void Engine::redraw()
{
    const Shown now_showing{controls_.form1_version, maze_changes_, playerx, playery, playerdir};
    if (now_showing == shown_)
        return;
    composeBackground(-1);
    drawFrameOfStrip(0, playerx * cell_size, playery * cell_size);
    copyToWindow();
    shown_ = {controls_.form1_version, maze_changes_, playerx, playery, playerdir};
}

void Engine::copyToWindow()
{
    controls_.form1.copy(picture8, 0, 0, picture8_width, picture8_height, 0, 0);
    ++controls_.form1_version;
}

// ---------------------------------------------------------------- outcomes

void Engine::levelwon()
{
    playOnce(Sound::win);
    controls_.m_endgame.enabled = false;
    controls_.m_rlevel.enabled = false;
    LabelControl& label5 = controls_.label5;
    label5.place.left = picture8_width / 2 - 75;
    label5.place.top = picture8_height / 2 - 20;
    label5.visible = true;
    const double middle = label5.place.left + label5.place.width / 2.0;
    controls_.command1.place.left = middle - 105;
    controls_.command2.place.left = middle + 8;
    controls_.command1.place.top = label5.place.top + 56;
    controls_.command2.place.top = controls_.command1.place.top;
    controls_.command1.visible = true;
    controls_.command2.visible = true;
    controls_.focus = Focus::command1;
}

void Engine::levellost()
{
    stopMusicAndRewind();
    playOnce(Sound::lose);
    controls_.m_endgame.enabled = false;
    controls_.m_rlevel.enabled = false;
    LabelControl& label3 = controls_.label3;
    PictureControl& picture12 = controls_.picture12;
    label3.place.left = picture8_width / 2 - label3.place.width / 2;
    label3.place.top = picture8_height / 2 - label3.place.height / 2;
    const double middle = label3.place.left + label3.place.width / 2.0;
    controls_.command2.place.left = middle - 105;
    controls_.command3.place.left = middle + 8;
    controls_.command2.place.top = label3.place.top + 56;
    controls_.command3.place.top = controls_.command2.place.top;
    picture12.place.left = label3.place.left + label3.place.width / 2 - picture12.place.width / 2;
    picture12.place.top = controls_.command2.place.top + 48;
    label3.visible = true;
    controls_.command2.visible = true;
    controls_.command3.visible = true;
    picture12.visible = true;
    controls_.focus = Focus::command3;
}

void Engine::stopgame()
{
    controls_.m_rlevel.enabled = false;
    controls_.m_endgame.enabled = false;
    controls_.label4.visible = false;
    playing = false;
    controls_.clearForm1();
    controls_.timer1.enable(now());
    phase_ = Phase::idle;
}

} // namespace kelvaro

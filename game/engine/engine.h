// SPDX-License-Identifier: GPL-3.0-or-later
// The game engine: the level start, the play loop, the animations and the outcomes.
#pragma once

#include "game/engine/controls.h"
#include "game/engine/images.h"
#include "game/ports/engine_ports.h"
#include "game/engine/surface.h"

#include "level/grid.h"
#include "level/level_error.h"
#include "level/solver/solver.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

struct CellPos {
    int x;
    int y;
    bool operator==(const CellPos&) const = default;
};

// The tiles of spiral ring k (1 for the outermost inner ring), in drawing order.
std::vector<CellPos> spiralRing(int maxx, int maxy, int k);

// A state machine driven by the window's event loop: each phase does what is due and
// returns to the event loop, so the window stays responsive and no loop is ever nested.
// A level start or a stop replaces the run, so a replaced run can do nothing more.
class Engine {
public:
    enum class Phase {
        idle,         // no run: idle, won or lost
        spiral_ring,  // drawing a ring of READY! tiles; window events wait
        spiral_gap,   // between two rings: window events are handled
        spiral_wait,  // the 700 ms after the last tile; window events wait
        playing,      // the play loop between steps
        animating,    // a walk or a push between frames
    };
    enum class Animation { walk, push_obstacle, push_jewel };

    Engine(Controls& controls, const Images& images, SoundPort& sound, const KeyState& keys, TickSource ticks,
           LevelLoader loader);

    // --- the game's module-level state, under its own names ---
    Grid<std::uint8_t> maze;
    std::uint8_t maxx = 0, maxy = 0;
    std::uint8_t jewelx = 0, jewely = 0;
    std::uint8_t goalx = 0, goaly = 0;
    std::uint8_t playerx = 0, playery = 0;
    std::int16_t timeleft = 0;
    std::uint8_t playerdir = 0;
    std::uint8_t paused = 0;
    int level = 0;  // a set may number its levels up to 999
    bool playing = false;
    bool timeup = false;
    std::uint32_t lasttick = 0;
    Surface backBuffer;  // the back buffer, holding only the part of the playfield the window shows
    int backBufferWidth = 0;
    int backBufferHeight = 0;

    // Reads the level and starts its run; a failure is returned for the window to report.
    std::optional<LevelError> startlevel(int number);
    void stopgame();
    void levelwon();
    void levellost();

    // Gives the engine the processor: draws what is due, takes a step of the play loop,
    // checks the outcome. Cheap when nothing is due.
    void advance();
    // When the engine next has something due, or nothing while it only waits for events.
    std::optional<std::uint32_t> nextDue() const;
    // False inside a ring of the start effect and during its last wait: input must not
    // take effect there, so the window holds events back until the ring is done.
    bool acceptsEvents() const;
    // A modal box or window is open: the run is suspended in its handler until it closes.
    void suspend() { ++suspended_; }
    void resume() { --suspended_; }
    bool suspended() const { return suspended_ > 0; }

    Phase phase() const { return phase_; }
    // A level being played: past its start effect, not paused, no box open, not yet ended.
    bool inPlay() const;
    int spiralTiles() const { return tiles_drawn_; }
    // Where the moving image of the current animation was last drawn (tests and benchmarks).
    int animationCounter() const { return counter_; }

    // Take-back: the last completed walk or push is undone at the play loop's next step,
    // without animation. Asked for while the level is not being played between steps (an
    // animation, a pause, the start effect, a box, after the outcome) it is dropped.
    void requestTakeBack();
    // The walks and pushes made since the level started, less those taken back.
    std::size_t movesMade() const { return history_.size(); }
    // The digest of the level as its file gave it, before any move: what its records are kept under.
    const std::string& startedDigest() const { return started_digest_; }
    // The position as it stands, as a level: for the solver and for planning clicks.
    GameLevel position() const;

    // Moves planned by a click, taken by the play loop one a step as if their keys were held:
    // a walk as its arrow key, a push as Ctrl with its arrow, by the same rules and at the same
    // pace. A key held at a step, a level start or stop, a take-back or the level's end drops
    // what is left, as does a move that turns out not to walk or push as planned.
    void plan(std::vector<Action> moves);
    void cancelPlan() { plan_.clear(); }
    bool planned() const { return !plan_.empty(); }

    // What changed the position, for whoever watches it (hints, records).
    enum class Change { started, walked, pushed, taken_back, won, lost, stopped };
    std::function<void(Change)> changed;

    void playOnce(Sound sound);
    void startMusic();
    void stopMusicAndRewind();

private:
    void drawspiral();
    void putTile(CellPos at);
    void finishSpiral();
    void beginPlayloop();
    void pass();
    void step();
    // Which of the keys (indexed by Key) count as held for a step.
    using Held = std::array<bool, 5>;
    Held heldKeys() const;
    bool tryWalk(const Held& held);
    bool tryPush(const Held& held);
    // Everything a walk or push changed, so that taking it back restores exactly what was.
    struct Move {
        std::uint8_t playerx, playery, playerdir, jewelx, jewely;
        bool push = false;
        int fx = 0, fy = 0, gx = 0, gy = 0;
        std::uint8_t f_code = 0, g_code = 0;
    };
    Move before() const { return {playerx, playery, playerdir, jewelx, jewely}; }
    void takeBack();
    void notify(Change change);
    void startAnimation(Animation kind, int fx, int fy, Move move);
    void frame();
    void finishAnimation();
    void outcomeChecks();

    std::uint8_t cellAt(int x, int y) const;
    void redraw();
    void composeBackground(int skip_code);
    void drawFrameOfStrip(int frame, int px, int py);
    void copyToWindow();
    std::uint32_t now() const { return ticks_(); }

    Controls& controls_;
    const Images& images_;
    SoundPort& sound_;
    const KeyState& keys_;
    TickSource ticks_;
    LevelLoader loader_;

    Phase phase_ = Phase::idle;
    int suspended_ = 0;
    std::string started_digest_;
    // spiral
    int ring_ = 0;
    std::vector<CellPos> ring_tiles_;
    std::size_t next_tile_ = 0;
    int tiles_drawn_ = 0;
    std::uint32_t wait_start_ = 0;
    std::uint32_t wait_ms_ = 0;
    // animation
    Animation animation_ = Animation::walk;
    int counter_ = 0;
    int fx_ = 0, fy_ = 0;
    // What the window showed after the last redraw: a redraw that would put the same
    // pixels on an untouched window is skipped, so an idle step costs next to nothing.
    struct Shown {
        std::uint64_t windowSurfaceVersion = ~0ull;
        std::uint64_t maze_changes = 0;
        int playerx = -1, playery = -1, playerdir = -1;
        bool operator==(const Shown&) const = default;
    };
    Shown shown_;
    std::uint64_t maze_changes_ = 0;
    // take-back
    std::vector<Move> history_;
    Move moving_{};  // the move under animation, recorded when it completes
    bool takeback_wanted_ = false;
    std::deque<Action> plan_;

public:
    // Called with the tick count at every step and every animation frame (benchmarks).
    std::function<void(std::uint32_t tick, bool frame)> trace;
};

} // namespace kelvaro

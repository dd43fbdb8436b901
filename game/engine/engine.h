// SPDX-License-Identifier: GPL-3.0-or-later
// The game engine: the state machine the window drives through level start, play loop, animations and outcomes.
#pragma once

#include "game/engine/controls.h"
#include "game/engine/drawing.h"
#include "game/engine/images.h"
#include "game/engine/position.h"
#include "game/engine/surface.h"
#include "game/engine/timeline.h"
#include "game/ports/engine_ports.h"

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

// A state machine driven by the window's event loop: each phase does what is due and
// returns to the event loop, so the window stays responsive and no loop is ever nested.
// A level start or a stop replaces the run, so a replaced run can do nothing more.
// Its jobs are split: the Position keeps the rules, the moves and their take-back, the
// Timeline what is due when, the Drawing the pictures; the engine keeps the game's own
// state (paused, playing, timeup, lasttick) and answers for it. Nothing outside writes it.
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
    using Animation = Timeline::Animation;

    Engine(Controls& controls, const Images& images, SoundPort& sound, const KeyState& keys, TickSource ticks,
           LevelLoader loader);

    // --- the game's state, under its own names, to read ---
    const Grid<std::uint8_t>& maze() const { return position_.maze(); }
    std::uint8_t maxx() const { return position_.maxx(); }
    std::uint8_t maxy() const { return position_.maxy(); }
    std::uint8_t jewelx() const { return position_.level().jewelx; }
    std::uint8_t jewely() const { return position_.level().jewely; }
    std::uint8_t goalx() const { return position_.level().goalx; }
    std::uint8_t goaly() const { return position_.level().goaly; }
    std::uint8_t playerx() const { return position_.level().playerx; }
    std::uint8_t playery() const { return position_.level().playery; }
    std::int16_t timeleft() const { return position_.level().timeleft; }
    std::uint8_t playerdir() const { return position_.playerdir(); }
    std::uint8_t paused() const { return paused_; }
    int level() const { return level_; }
    bool playing() const { return playing_; }
    bool timeup() const { return timeup_; }
    std::uint32_t lasttick() const { return lasttick_; }
    const Surface& backBuffer() const { return drawing_.backBuffer(); }
    int backBufferWidth() const { return drawing_.backBufferWidth(); }
    int backBufferHeight() const { return drawing_.backBufferHeight(); }

    // Reads the level and starts its run; a failure is returned for the window to report.
    // The number is kept as the level in play either way: Retry and Next go on from it.
    std::optional<LevelError> startlevel(int number);
    void stopgame();

    // The pause key: pauses a level in play, or lets it go on.
    void pauseKey();
    // Pauses a level in play, as the menus do before they open a box.
    void pause();
    // Lets a paused level go on.
    void goOn() { paused_ = 0; }
    // A second of the countdown: the count that follows, as shown; under 1 the time is up.
    int tickCountdown();

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
    // Raised at every level start, stop and outcome: what the window shows of the run as a
    // whole (its title, Keep this level) can only change with it.
    std::uint32_t runs() const { return runs_; }
    // A level being played: past its start effect, not paused, no box open, not yet ended.
    bool inPlay() const;
    int spiralTiles() const { return timeline_.tilesLaid(); }
    // Where the moving image of the current animation was last drawn (tests and benchmarks).
    int animationCounter() const { return timeline_.counter(); }

    // Take-back: the last completed walk or push is undone at the play loop's next step,
    // without animation. Asked for while the level is not being played between steps (an
    // animation, a pause, the start effect, a box, after the outcome) it is dropped.
    void requestTakeBack();
    // Redo: the move last taken back is made again at the play loop's next step, as a
    // take-back is undone, as long as no new move was made since. Dropped as a take-back is.
    void requestRedo();
    bool canRedo() const { return position_.canRedo(); }
    // Restart level: the level from its start, as startlevel() plays it. Until another level
    // starts, the position it left can be taken back once, with no moves made since the
    // restart; the clock keeps the seconds that ran since.
    std::optional<LevelError> restartlevel();
    // The walks and pushes made since the level started, less those taken back.
    std::size_t movesMade() const { return position_.movesMade(); }
    // Those moves themselves, walks and pushes by their way: what a win's solution is kept as.
    std::vector<Action> moves() const { return position_.moves(); }
    // The digest of the level as its file gave it, before any move: what its records are kept under.
    const std::string& startedDigest() const { return started_digest_; }
    // That level itself, as its file gave it; nothing before the first start and after a stop.
    const GameLevel* startedLevel() const { return started_level_ ? &*started_level_ : nullptr; }
    // The position as it stands, as a level: for the solver and for planning clicks.
    const GameLevel& position() const { return position_.level(); }

    // Moves planned by a click, taken by the play loop one a step as if their keys were held:
    // a walk as its arrow key, a push as Ctrl with its arrow, by the same rules and at the same
    // pace. A key held at a step, a level start or stop, a take-back or the level's end drops
    // what is left, as does a move that turns out not to walk or push as planned.
    void plan(std::vector<Action> moves);
    void cancelPlan();
    bool planned() const { return !plan_.empty(); }
    // Plays `moves` on the level just started, as a plan, with the countdown held until the
    // player takes over: by a key held, a cancel or a plan of their own, or when the moves
    // run out without a win. The countdown then starts.
    void replay(std::vector<Action> moves);
    // The countdown waits for the end of a replay.
    bool replaying() const { return replaying_; }

    // What changed the position, for whoever watches it (hints, records).
    // `restored`: a restart was taken back, and the position is the one it left.
    enum class Change { started, walked, pushed, taken_back, won, lost, stopped, restored };
    std::function<void(Change)> changed;

    void playOnce(Sound sound);
    void startMusic();
    void stopMusicAndRewind();

    // Called with the tick count at every step and every animation frame (benchmarks).
    std::function<void(std::uint32_t tick, bool frame)> trace;

private:
    void drawspiral();
    void spiralRing();
    void finishSpiral();
    void playloop();
    void pass();
    void step();
    // Which of the keys (indexed by Key) count as held for a step.
    using Held = std::array<bool, 5>;
    Held heldKeys() const;
    // The keys a planned move would hold, if one is due; a key held drops the plan.
    std::optional<Action> takePlanned(Held& held);
    // A walk by the first arrow held whose way is free; the figure turns to each arrow tried.
    bool moveplayer(const Held& held);
    // With Ctrl, a push of what stands ahead, if it may move on.
    bool push(const Held& held);
    void pushobstacle(int fx, int fy);
    void pushjewel(int fx, int fy);
    void notify(Change change);
    void takeBackOrRedo();
    bool takeBackRestart();
    void takeOver();
    void startAnimation(Animation kind, int fx, int fy);
    void frame();
    void finishAnimation();
    void outcomeChecks();
    void levelwon();
    void levellost();
    std::uint32_t now() const { return ticks_(); }

    Controls& controls_;
    SoundPort& sound_;
    const KeyState& keys_;
    TickSource ticks_;
    LevelLoader loader_;

    Position position_;
    Timeline timeline_;
    Drawing drawing_;

    std::uint8_t paused_ = 0;
    int level_ = 0;  // a set may number its levels up to 999
    bool playing_ = false;
    bool timeup_ = false;
    std::uint32_t lasttick_ = 0;

    Phase phase_ = Phase::idle;
    std::uint32_t runs_ = 0;
    int suspended_ = 0;
    std::string started_digest_;
    std::optional<GameLevel> started_level_;
    bool takeback_wanted_ = false;
    bool redo_wanted_ = false;
    bool replaying_ = false;
    std::deque<Action> plan_;
    // What a restart left, until it is taken back or another level starts.
    struct Restarted {
        Position position;
        GameLevel level;
        std::string digest;
        std::int16_t restarted_with = 0;  // the time left when the level started again
    };
    std::optional<Restarted> before_restart_;
};

} // namespace kelvaro

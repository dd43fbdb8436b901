// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's handlers, pause key and timers.
#include "game/play/game_window_model.h"
#include "game/play/window_phrases.h"

#include <charconv>
#include <cmath>

namespace kelvaro {
namespace {

const std::string kSure = words::sure;

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<double> numericAnswer(const std::string& answer)
{
    std::string text = trimmed(answer);
    if (!text.empty() && text[0] == '+')
        text.erase(0, 1);
    if (text.empty() || text.find_first_not_of("-0123456789.") != std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

GameWindowModel::GameWindowModel(const Images& images, Ports ports)
    : engine(controls, images, ports.sound, ports.keys, ports.ticks, [this](int number) { return loadLevel(number); }),
      ports_(std::move(ports)),
      aid_(engine, controls, ports_.solver ? *ports_.solver : inline_solver_, ports_.ticks), pointer_(engine, controls)
{
    engine.changed = [this](Engine::Change change) { onEngineChange(change); };
    aid_.say = [this](const std::string& text) { say(text); };
}

void GameWindowModel::onEngineChange(Engine::Change change)
{
    aid_.onChange(change);
    pointer_.onChange(change);
    if (change == Engine::Change::started)
        won_puzzle_.reset();
    if (change == Engine::Change::won) {
        keepWin(puzzle_ ? puzzle_->day : std::nullopt);
        puzzleWon();
    }
}

void GameWindowModel::say(const std::string& text, std::function<void()> then)
{
    modal([&](auto closed) {
        ports_.dialogs.message(text, [closed, then = std::move(then)] {
            closed();
            then();
        });
    });
}

// ---------------------------------------------------------------- driving

// Held back while the start effect draws a ring, or while a modal box is open.
bool GameWindowModel::holding() const { return !engine.acceptsEvents() || engine.suspended(); }

void GameWindowModel::post(Command command)
{
    if (holding()) {
        held_.push_back({command, 0});
        return;
    }
    dispatch({command, 0});
}

void GameWindowModel::onCharacterKey(char key)
{
    if (holding()) {
        held_.push_back({std::nullopt, key});
        return;
    }
    dispatch({std::nullopt, key});
}

void GameWindowModel::onCellClick(int x, int y)
{
    if (holding())
        return;  // not held back: a click aimed at a position that is gone by then would mislead
    rested_ = false;
    pointer_.click(x, y);
    pass();
}

void GameWindowModel::cancelPointer() { pointer_.cancel(); }

bool GameWindowModel::pointerActs(int x, int y) { return !holding() && pointer_.acts(x, y); }

void GameWindowModel::dispatch(const Held& event)
{
    handle(event);
    pass();  // the loop's pass after its yield
}

void GameWindowModel::handle(const Held& event)
{
    rested_ = false;  // whatever the event changed, the next step must see it
    using Handler = void (GameWindowModel::*)();
    static constexpr Handler handlers[] = {
        &GameWindowModel::onNewGame, &GameWindowModel::onEndGame, &GameWindowModel::onRestartLevel, &GameWindowModel::onExit,
        &GameWindowModel::onSound, &GameWindowModel::onHelp,   &GameWindowModel::onAbout,  &GameWindowModel::onNext,
        &GameWindowModel::onAbort, &GameWindowModel::onRetry,  &GameWindowModel::onHint,   &GameWindowModel::onRecords,
        &GameWindowModel::onChooseLevel, &GameWindowModel::onOpenLevelFolder, &GameWindowModel::onGeneratedPuzzle,
        &GameWindowModel::onDailyPuzzle, &GameWindowModel::onKeepLevel,
    };
    if (event.command) {
        // A command whose menu item is disabled never reaches its handler, as with the real menu.
        const MenuItem* item = nullptr;
        if (*event.command == Command::endGameItem)
            item = &controls.endGameItem;
        if (*event.command == Command::restartLevelItem)
            item = &controls.restartLevelItem;
        const bool keep_off = *event.command == Command::keepLevelItem && !canKeep();
        if ((!item || item->enabled) && !keep_off)
            (this->*handlers[static_cast<int>(*event.command)])();
    } else {
        // The pause key, applied for every character key.
        if (engine.playing() && !engine.timeup()) {
            if (event.key == 'P' || event.key == 'p')
                engine.pauseKey();
            if (engine.paused() == 1) {
                controls.pausedLabel.visible = true;
                controls.clearWindowSurface();
                controls.countdownTimer.disable();
            } else {
                controls.pausedLabel.visible = false;
                controls.countdownTimer.enable(ports_.ticks());
            }
        }
        // Keys beside the game's own: take back a move, ask for a hint.
        if (event.key == '\b' || event.key == 'u' || event.key == 'U')
            engine.requestTakeBack();
        if (event.key == 'h' || event.key == 'H')
            aid_.askHint();
        if (event.key == '\x1b')
            pointer_.cancel();
    }
    aid_.advance();  // a pause or a box hides the hint
}

// Every event that waited is handled in this one yield before the run goes on: a pass per
// event would start the start effect's next ring after the first and hold the rest back.
void GameWindowModel::flushHeld()
{
    bool handled = false;
    while (!held_.empty() && !holding()) {
        Held event = held_.front();
        held_.pop_front();
        handle(event);
        handled = true;
    }
    if (handled)
        pass();  // the loop's pass after its yield
}

void GameWindowModel::fireTimers()
{
    const std::uint32_t now = ports_.ticks();
    struct Entry {
        TimerControl& timer;
        void (GameWindowModel::*tick)();
    };
    for (Entry entry : {Entry{controls.bannerTimer, &GameWindowModel::onBannerTick}, Entry{controls.countdownTimer, &GameWindowModel::onCountdownTick}}) {
        if (!entry.timer.enabled || elapsed(now, entry.timer.due) >= 0x80000000u)
            continue;
        entry.timer.due += entry.timer.interval;
        if (elapsed(now, entry.timer.due) < 0x80000000u)  // fell behind: no burst of ticks
            entry.timer.due = now + entry.timer.interval;
        (this->*entry.tick)();
        pass();
    }
}

void GameWindowModel::advance()
{
    if (engine.acceptsEvents()) {
        fireTimers();
        flushHeld();
    }
    pass();
    if (engine.acceptsEvents())
        flushHeld();
    aid_.advance();
}

bool GameWindowModel::keysHeld() const
{
    for (Key key : {Key::left, Key::right, Key::up, Key::down, Key::ctrl})
        if (ports_.keys.down(key))
            return true;
    return false;
}

void GameWindowModel::pass()
{
    const bool was_playing = engine.phase() == Engine::Phase::playing;
    const std::uint32_t last_step = engine.lasttick();
    engine.advance();
    pointer_.advance();  // a click made during a move acts once the move is over
    // A step of the play loop that found no key held took no action, and its redraw put on
    // the window what was already there: until a key or an event comes, every further step
    // would do the same. (A step that took an action would have started an animation.)
    // A walk or push ends on its last frame, not on the figure at rest: the rest waits for
    // the step after it, which draws the figure at rest, even when its key was let go midway.
    if (engine.phase() != Engine::Phase::playing)
        rested_ = false;
    else if (was_playing && engine.lasttick() != last_step && !keysHeld() && !engine.planned())
        rested_ = true;
}

bool GameWindowModel::waitsForKeys() const
{
    return rested_ && engine.phase() == Engine::Phase::playing && engine.paused() == 0 && !keysHeld() &&
           !engine.planned();
}

std::optional<std::uint32_t> GameWindowModel::nextDue() const
{
    // Resting, the loop wakes only for the timers and events; a key press brings its step
    // at once, as soon as 25 ms have passed since the last one.
    std::optional<std::uint32_t> due = waitsForKeys() ? std::nullopt : engine.nextDue();
    if (!engine.acceptsEvents())
        return due;
    const std::uint32_t now = ports_.ticks();
    auto consider = [&](std::uint32_t when) {
        // Compare as distances from now, so the wrap-around of the count does not matter.
        if (!due || static_cast<std::int32_t>(when - now) < static_cast<std::int32_t>(*due - now))
            due = when;
    };
    for (const TimerControl* timer : {&controls.bannerTimer, &controls.countdownTimer})
        if (timer->enabled)
            consider(timer->due);
    if (!held_.empty() && !holding())
        consider(now);
    if (const auto hint_ends = aid_.nextDue())
        consider(*hint_ends);
    return due;
}

// ---------------------------------------------------------------- start-up and common steps

void GameWindowModel::start()
{
    controls.endGameItem.enabled = false;
    controls.restartLevelItem.enabled = false;
    if (const std::optional<std::string> failure = ports_.initsound()) {
        modal([&](auto closed) {
            ports_.dialogs.message(*failure, [this, closed] {
                closed();
                ports_.quit(1);  // a launcher or script must see that the game could not start
            });
        });
        return;
    }
    engine.stopgame();
}

void GameWindowModel::enterPause()
{
    engine.pause();
    controls.pausedLabel.visible = true;
    controls.clearWindowSurface();
    controls.countdownTimer.disable();
}

void GameWindowModel::resetReadouts()
{
    controls.timeLabel.caption = words::time;
    controls.levelLabel.caption = words::level;
}

void GameWindowModel::stopMusic() { engine.stopMusicAndRewind(); }

void GameWindowModel::startlevel(int number)
{
    const std::optional<LevelError> error = engine.startlevel(number);
    if (!error && puzzle_)
        controls.levelLabel.caption = words::level;  // its code is in the title: the read-out has no room for it
    if (!error)
        return;
    std::string text = words::file_not_found;
    if (error->kind != LevelError::Kind::not_found)
        text = fill(words::cannot_play, {std::to_string(number), levelFaultText(ports_.level_file_name(number), *error)});
    modal([&](auto closed) {
        ports_.dialogs.message(text, [this, closed] {
            closed();
            stopMusic();
            engine.stopgame();
        });
    });
}

// ---------------------------------------------------------------- the menus and buttons

void GameWindowModel::onNewGame()
{
    if (engine.playing())
        enterPause();
    askLevel();
}

void GameWindowModel::playLevel(int number)
{
    controls.bannerTimer.disable();
    puzzle_.reset();
    startlevel(number);
}

void GameWindowModel::refreshSet()
{
    if (ports_.reread_set)
        played_ = PlayedSet(ports_.reread_set(played_.set()));
}

void GameWindowModel::askLevel()
{
    refreshSet();
    const LevelSet& set = played_.set();
    if (played_.highest() == 0) {
        // Every answer would be out of range: say why instead of asking for ever.
        say(set.problem ? fill(words::set_unreadable, {set.title, *set.problem}) : fill(words::set_empty, {set.title}));
        return;
    }
    modal([this](auto closed) {
        ports_.dialogs.inputBox(played_.prompt(), words::level_selection,
                                [this, closed](const std::string& answer) {
                                    closed();
                                    if (answer.empty())
                                        return;
                                    const std::optional<double> value = numericAnswer(answer);
                                    if (!value || *value <= 0 || *value >= played_.highest() + 1) {
                                        askLevel();
                                        return;
                                    }
                                    playLevel(static_cast<int>(std::floor(*value)));
                                });
    });
}

void GameWindowModel::ifSure(const char* title, std::function<void()> then)
{
    modal([this, title, then = std::move(then)](auto closed) {
        ports_.dialogs.confirm(kSure, title, [closed, then](bool yes) {
            closed();
            if (yes)
                then();
        });
    });
}

void GameWindowModel::onEndGame()
{
    ifSure(words::exit_game, [this] {
        stopMusic();
        puzzle_.reset();
        controls.bannerLabel.visible = true;
        controls.countdownTimer.disable();
        resetReadouts();
        engine.stopgame();
    });
}

void GameWindowModel::onRestartLevel()
{
    ifSure(words::restart_level, [this] {
        controls.countdownTimer.disable();
        startlevel(engine.level());
    });
}

void GameWindowModel::onExit()
{
    ifSure(words::exit_kelvaro, [this] { ports_.quit(0); });
}

void GameWindowModel::onSound()
{
    if (controls.soundItem.checked) {
        controls.soundItem.checked = false;
        ports_.sound.stopMusic();
        ports_.sound.rewindMusic();
    } else {
        controls.soundItem.checked = true;
        ports_.sound.rewindMusic();
        ports_.sound.playMusicLooping();
    }
}

void GameWindowModel::onHelp()
{
    if (engine.playing())
        enterPause();
    modal([this](auto closed) { ports_.dialogs.showHelp([closed] { closed(); }); });
}

void GameWindowModel::onAbout()
{
    if (engine.playing())
        enterPause();
    modal([this](auto closed) { ports_.dialogs.showAbout([closed] { closed(); }); });
}

void GameWindowModel::onNext()
{
    if (puzzle_) {
        nextPuzzle();
        return;
    }
    refreshSet();
    const std::optional<int> next = played_.next(engine.level());
    if (!next)
        return;
    controls.nextButton.visible = false;
    controls.abortButton.visible = false;
    resetReadouts();
    startlevel(*next);
}

void GameWindowModel::onAbort()
{
    ifSure(words::exit_game, [this] {
        stopMusic();
        puzzle_.reset();
        controls.winnerLabel.visible = false;
        controls.nextButton.visible = false;
        controls.abortButton.visible = false;
        controls.retryButton.visible = false;
        resetReadouts();
        controls.bannerLabel.visible = true;
        controls.gameOverLabel.visible = false;
        controls.sadPicture.visible = false;
        engine.stopgame();
    });
}

void GameWindowModel::onRetry()
{
    controls.gameOverLabel.visible = false;
    controls.sadPicture.visible = false;
    controls.abortButton.visible = false;
    controls.retryButton.visible = false;
    startlevel(engine.level());
}

void GameWindowModel::onHint() { aid_.askHint(); }

void GameWindowModel::onRecords()
{
    if (engine.playing())
        enterPause();
    withRecords([this] {
        records_open_ = true;
        listLevels();
        modal([this](auto closed) {
            ports_.dialogs.showRecords(recordsShown(), [this, closed] {
                records_open_ = false;
                closed();
            });
        });
        askPar();
    });
}

// ---------------------------------------------------------------- timers

void GameWindowModel::onBannerTick()
{
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const int red_part = static_cast<int>(uniform(rng_) * 255);
    const int green_part = static_cast<int>(uniform(rng_) * 255);
    const int blue_part = static_cast<int>(uniform(rng_) * 255);
    controls.bannerLabel.colour = 0xff000000u | static_cast<Pixel>(red_part << 16 | green_part << 8 | blue_part);
}

void GameWindowModel::onCountdownTick()
{
    const int left = engine.tickCountdown();
    controls.timeLabel.caption = fill(words::time_n, {std::to_string(left)});
    if (left < 1)
        controls.countdownTimer.disable();
}

} // namespace kelvaro

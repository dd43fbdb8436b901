// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's driving: events held back while the start effect draws, each dispatched to its handler, and the engine's passes.
#include "game/play/game_window_model.h"

namespace kelvaro {

GameWindowModel::GameWindowModel(const Images& images, Shell shell, LevelShelf shelf, RecordsService::Setup records,
                                 GeneratedPuzzles::Setup puzzles)
    : engine(controls, images, shell.sound, shell.keys, shell.ticks, [this](int number) { return loadLevel(number); }),
      shell_(std::move(shell)), shelf_(std::move(shelf)), boxes_(engine, shell_.dialogs),
      clock_(engine, controls, shell_.ticks), aid_(engine, controls, solver(), shell_.ticks), pointer_(engine, controls),
      records_(std::move(records), solver(), boxes_), puzzles_(std::move(puzzles), boxes_, [this] { playPuzzle(); }),
      clipboard_(engine, boxes_,
                 {[this](const std::string& text) { shell_.copyText(text); }, [this] { return shell_.pasteText(); },
                  [this] { playPasted(); }, [this](std::vector<Action> moves) { replay(std::move(moves)); }})
{
    engine.changed = [this](Engine::Change change) { onEngineChange(change); };
    aid_.say = [this](const Message& text) { boxes_.say(text); };
}

void GameWindowModel::onEngineChange(Engine::Change change)
{
    aid_.onChange(change);
    pointer_.onChange(change);
    if (change == Engine::Change::started) {
        puzzles_.levelStarted();
        daily_win_.reset();
        helped_ = false;
    }
    if (change == Engine::Change::won && !helped_) {
        const int actions = static_cast<int>(engine.movesMade());
        records_.keepWin(engine.startedDigest(), engine.timeleft(), actions, puzzles_.day(), engine.moves());
        if (const auto day = puzzles_.day())
            daily_win_ = DailyWin{*day, *puzzles_.code(), engine.timeleft(), actions, puzzles_.par(), records_.dailyRun()};
        puzzles_.won();
    }
}

// Held back while the start effect draws a ring, or while a modal box is open.
bool GameWindowModel::holding() const { return !engine.acceptsEvents() || engine.suspended(); }

void GameWindowModel::queue(Held event)
{
    if (holding()) {
        held_.push_back(std::move(event));
        return;
    }
    dispatch(event);
}

void GameWindowModel::post(Command command) { queue({command, 0, std::nullopt}); }

void GameWindowModel::onCharacterKey(char key) { queue({std::nullopt, key, std::nullopt}); }

void GameWindowModel::pasteLevel(std::string text) { queue({Command::pasteLevelItem, 0, std::move(text)}); }

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
    if (event.pasted)
        clipboard_.paste(*event.pasted);
    else if (event.command)
        run(*event.command);
    else
        onKey(event.key);
    aid_.advance();  // a pause or a box hides the hint
}

// A switch without a default: the build stops on a command with no handler.
void GameWindowModel::run(Command command)
{
    switch (command) {
    // A command whose menu item is disabled never reaches its handler, as with the real menu.
    case Command::endGameItem: if (controls.endGameItem.enabled) onEndGame(); return;
    case Command::restartLevelItem: if (controls.restartLevelItem.enabled) onRestartLevel(); return;
    case Command::keepLevelItem: if (canKeep()) onKeepLevel(); return;
    case Command::newGameItem: onNewGame(); return;
    case Command::exitItem: onExit(); return;
    case Command::soundItem: onSound(); return;
    case Command::helpItem: onHelp(); return;
    case Command::aboutItem: onAbout(); return;
    case Command::nextButton: onNext(); return;
    case Command::abortButton: onAbort(); return;
    case Command::retryButton: onRetry(); return;
    case Command::hintItem: onHint(); return;
    case Command::recordsItem: onRecords(); return;
    case Command::chooseLevelItem: onChooseLevel(); return;
    case Command::openFolderItem: onOpenLevelFolder(); return;
    case Command::generatedItem: onGeneratedPuzzle(); return;
    case Command::dailyItem: onDailyPuzzle(); return;
    case Command::redoItem: onRedo(); return;
    case Command::replayItem: onReplay(); return;
    case Command::showSolutionItem: onShowSolution(); return;
    case Command::keysItem: onKeys(); return;
    case Command::copyLevelItem: onCopyLevel(); return;
    case Command::pasteLevelItem: onPasteLevel(); return;
    }
}

// The pause key applies for every character key; beside the game's own keys, take back a
// move, ask for a hint, drop a pick.
void GameWindowModel::onKey(char key)
{
    clock_.onCharacterKey(key);
    if (key == '\b' || key == 'u' || key == 'U')
        engine.requestTakeBack();
    if (key == 'h' || key == 'H')
        aid_.askHint();
    if (key == '\x1b')
        pointer_.cancel();
}

// Every event that waited is handled in this one yield before the run goes on: a pass per
// event would start the start effect's next ring after the first and hold the rest back.
void GameWindowModel::flushHeld()
{
    bool handled = false;
    while (!held_.empty() && !holding()) {
        Held event = std::move(held_.front());
        held_.pop_front();
        handle(event);
        handled = true;
    }
    if (handled)
        pass();  // the loop's pass after its yield
}

void GameWindowModel::advance()
{
    if (engine.acceptsEvents()) {
        clock_.fire([this] { pass(); });
        flushHeld();
    }
    pass();
    if (engine.acceptsEvents())
        flushHeld();
    aid_.advance();
}

unsigned GameWindowModel::keysHeld() const
{
    unsigned held = 0;
    for (Key key : {Key::left, Key::right, Key::up, Key::down, Key::ctrl})
        held = held << 1 | (shell_.keys.down(key) ? 1u : 0u);
    return held;
}

void GameWindowModel::pass()
{
    const bool was_playing = engine.phase() == Engine::Phase::playing;
    const std::uint32_t last_step = engine.lasttick();
    engine.advance();
    pointer_.advance();  // a click made during a move acts once the move is over
    // A step of the play loop that took no action (no key held, or the figure against a wall)
    // redrew what was already on the window: until the keys held change or an event comes,
    // every further step would do the same. (A step that took an action would have started an
    // animation.) A walk or push ends on its last frame, not on the figure at rest: the rest
    // waits for the step after it, which draws the figure at rest.
    if (engine.phase() != Engine::Phase::playing) {
        rested_ = false;
    } else if (was_playing && engine.lasttick() != last_step && !engine.planned()) {
        rested_ = true;
        rest_keys_ = keysHeld();
    }
}

bool GameWindowModel::waitsForKeys() const
{
    return rested_ && engine.phase() == Engine::Phase::playing && engine.paused() == 0 && keysHeld() == rest_keys_ &&
           !engine.planned();
}

std::optional<std::uint32_t> GameWindowModel::nextDue() const
{
    // Resting, the loop wakes only for the timers and events; a key press brings its step
    // at once, as soon as 25 ms have passed since the last one.
    std::optional<std::uint32_t> due = waitsForKeys() ? std::nullopt : engine.nextDue();
    if (!engine.acceptsEvents())
        return due;
    const std::uint32_t now = shell_.ticks();
    due = sooner(due, clock_.nextDue(), now);
    if (!held_.empty() && !holding())
        due = sooner(due, now, now);
    return sooner(due, aid_.nextDue(), now);
}

} // namespace kelvaro

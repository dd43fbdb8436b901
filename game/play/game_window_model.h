// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's behaviour on the controls model: events held and dispatched, the menus' handlers, and the parts they lean on.
#pragma once

#include "game/aid/player_aid.h"
#include "game/play/boxes.h"
#include "game/play/generated_puzzles.h"
#include "game/ports/key_bindings.h"
#include "game/play/level_clipboard.h"
#include "game/play/play_clock.h"
#include "game/play/played_set.h"
#include "game/play/pointer_play.h"
#include "game/play/records_service.h"
#include "game/play/share_line.h"
#include "game/ports/dialogs.h"
#include "game/ports/level_shelf.h"
#include "game/ports/solver_port.h"

#include "game/engine/engine.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

enum class Command {
    newGameItem,
    endGameItem,
    restartLevelItem,
    exitItem,
    soundItem,
    helpItem,
    aboutItem,
    nextButton,
    abortButton,
    retryButton,
    hintItem,     // added beside the menus' own items
    recordsItem,
    chooseLevelItem,
    openFolderItem,
    generatedItem,
    dailyItem,
    keepLevelItem,
    redoItem,          // the move taken back made again
    replayItem,        // the player's own kept solution, played on the level from its start
    showSolutionItem,  // a shortest solution from the solver, played likewise
    keysItem,          // the player's keys and controller buttons
    copyLevelItem,     // the level in play as text, with the moves after a win
    pasteLevelItem,    // a level pasted as text played, or moves pasted replayed
};

// Whether an answer to New game counts as a number, and its value: plain decimals,
// optionally signed, with a fraction and blanks around them.
std::optional<double> numericAnswer(const std::string& answer);

class GameWindowModel {
public:
    // What the shell lends the game for the whole run.
    struct Shell {
        SoundPort& sound;
        const KeyState& keys;
        Dialogs& dialogs;
        TickSource ticks;
        std::function<void(int status)> quit;  // ends the program at once with this exit status
        // Loads the sounds; says what went wrong when one cannot be loaded.
        std::function<std::optional<std::string>()> initsound = [] { return std::optional<std::string>(); };
        // Judges positions for hints, the lost-position warning and par; none: at once, inline.
        SolverPort* solver = nullptr;
        // Keeps the keys the player chose, for the next run.
        std::function<void(const PlayerKeys&)> keys_chosen = [](const PlayerKeys&) {};
        // The system clipboard's text, which Copy level sets and Paste level reads; none: nothing.
        std::function<void(const std::string&)> copyText = [](const std::string&) {};
        std::function<std::string()> pasteText = [] { return std::string(); };
    };

    GameWindowModel(const Images& images, Shell shell, LevelShelf shelf, RecordsService::Setup records = {},
                    GeneratedPuzzles::Setup puzzles = {});

    Controls controls;
    Engine engine;

    // Start-up, after the window is shown: the sounds, then idle. A sound that cannot
    // be loaded is reported and ends the program with a failure status.
    void start();

    // Starts level `number` as New game does once its number is typed.
    void playLevel(int number);

    // The set New game, Next, Restart and Retry play from; the built-in set at first.
    const PlayedSet& playedSet() const { return played_; }
    void setPlayedSet(PlayedSet played) { played_ = std::move(played); }
    void setLevelSet(LevelSet set) { played_ = PlayedSet(std::move(set)); }
    // A folder the player opened: the chooser lists it beside the installed sets.
    void addOpenedFolder(const std::filesystem::path& folder);
    // What the chooser lists: the installed sets, the opened folders and the set in play.
    std::vector<LevelSet> chooserSets() const;

    // The code of the generated or daily puzzle on the playfield, for the window's title.
    std::optional<std::string> codeInPlay() const { return puzzles_.code(); }
    // A generated or daily puzzle was won and can be kept: Keep this level is enabled.
    bool canKeep() const { return puzzles_.canKeep(); }
    // The generated or daily puzzle on the playfield, as its level file reads.
    const GameLevel* puzzleInPlay() const { return puzzles_.level(); }
    // The daily puzzle just won, for the line a player shares, until another level starts.
    const std::optional<DailyWin>& dailyWin() const { return daily_win_; }
    // Forges the puzzle of a code given from outside (a page's address), as if typed in its box.
    void playCode(const std::string& code);

    // The keys and buttons the player chose; the shell reads a key event through them.
    const PlayerKeys& playerKeys() const { return player_keys_; }
    void setPlayerKeys(PlayerKeys keys) { player_keys_ = std::move(keys); }

    // A menu item, button or character key from the window. While the start effect
    // draws a ring they wait, and take effect when the ring is complete.
    void post(Command command);
    void onCharacterKey(char key);
    // Paste level with its text handed over, where the shell's clipboard answers later than the
    // item's click (a browser's); it waits as the item would.
    void pasteLevel(std::string text);

    // Plays `moves` on the level in play from its start, at play pace, the countdown held
    // until the player takes over (see Engine::replay). The run counts as helped: a win in it
    // keeps no record.
    void replay(std::vector<Action> moves);

    // The mouse on the playfield, by cell. A left click walks, pushes or picks an object to
    // push (see PointerPlay); during the start effect or with a box open it does nothing.
    void onCellClick(int x, int y);
    // A right click, or an arrow key or Ctrl going down (Esc comes as a character key): a pick
    // is dropped and a walk stops at the next cell.
    void cancelPointer();
    // Whether a click on the cell would do anything: the pointer shows a hand there.
    bool pointerActs(int x, int y);

    // Runs whatever is due: timer ticks, held-back events, the engine.
    void advance();
    // When advance() next has something to do; nothing while only events can change anything.
    // While a level is in play with no key held, that is the next timer tick: the play loop's
    // steps would change nothing until a key goes down, and the window says so through sync.
    std::optional<std::uint32_t> nextDue() const;
    // In play, no key held, and the last step found nothing to do.
    bool waitsForKeys() const;

    // The handlers, under the window's own names.
    void onNewGame();
    void onEndGame();
    void onRestartLevel();
    void onExit();
    void onSound();
    void onHelp();
    void onAbout();
    void onNext();
    void onAbort();
    void onRetry();
    void onHint();
    void onRecords();
    void onChooseLevel();
    void onOpenLevelFolder();
    void onGeneratedPuzzle();
    void onDailyPuzzle();
    void onKeepLevel();
    void onRedo();
    void onReplay();
    void onShowSolution();
    void onKeys();
    void onCopyLevel();
    void onPasteLevel();

private:
    struct Held {
        std::optional<Command> command;
        char key = 0;
        std::optional<std::string> pasted;  // Paste level's text, when the shell handed it over
    };

    bool holding() const;
    // Dispatched at once, or held back while holding().
    void queue(Held event);
    void dispatch(const Held& event);
    void pass();  // one call of the engine, noting a step that found nothing to do
    // The arrows and Ctrl held, one bit each.
    unsigned keysHeld() const;
    void handle(const Held& event);
    // The command's handler, unless its menu item is disabled.
    void run(Command command);
    void onKey(char key);
    void flushHeld();
    void askLevel();
    void startlevel(int number, bool restart = false);
    void showSolution();
    void resetReadouts();
    void stopMusic();
    void onEngineChange(Engine::Change change);
    SolverPort& solver() { return shell_.solver ? *shell_.solver : inline_solver_; }
    Result<GameLevel> loadLevel(int number);
    void refreshSet();
    void openChooser(std::optional<std::filesystem::path> select);
    void choose(const LevelChoice& choice);
    void playPuzzle();
    void playPasted();

    Shell shell_;
    LevelShelf shelf_;
    InlineSolver inline_solver_;
    Boxes boxes_;
    PlayClock clock_;
    PlayerAid aid_;
    PointerPlay pointer_;
    RecordsService records_;
    GeneratedPuzzles puzzles_;
    LevelClipboard clipboard_;
    PlayedSet played_;
    std::vector<std::filesystem::path> opened_folders_;
    std::deque<Held> held_;
    std::optional<DailyWin> daily_win_;
    bool helped_ = false;      // the run in play was replayed or shown: a win in it is not the player's own
    PlayerKeys player_keys_;
    bool rested_ = false;      // the play loop's last step took no action and had nothing planned
    unsigned rest_keys_ = 0;  // the keys held at that step
};

} // namespace kelvaro

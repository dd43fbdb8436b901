// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's behaviour: its handlers, the pause key and the two timers, on the controls model.
#pragma once

#include "game/ports/dialogs.h"
#include "game/play/played_set.h"
#include "game/aid/player_aid.h"
#include "game/records/records.h"
#include "game/ports/solver_port.h"
#include "game/ports/forge_port.h"
#include "game/play/pointer_play.h"

#include "game/engine/engine.h"

#include <chrono>
#include <deque>
#include <map>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>

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
};

// Today's date in UTC: the daily puzzle's day.
std::chrono::year_month_day todayUtc();

// Whether an answer to New game counts as a number, and its value: plain decimals,
// optionally signed, with a fraction and blanks around them.
std::optional<double> numericAnswer(const std::string& answer);

class GameWindowModel {
public:
    struct Ports {
        SoundPort& sound;
        const KeyState& keys;
        Dialogs& dialogs;
        TickSource ticks;
        LevelLoader loader;
        std::function<std::string(int level)> level_file_name;  // for messages
        std::function<void(int status)> quit;                   // ends the program at once with this exit status
        // Loads the sounds; says what went wrong when one cannot be loaded.
        std::function<std::optional<std::string>()> initsound = [] { return std::optional<std::string>(); };
        // Judges positions for hints and the lost-position warning; none: at once, inline.
        SolverPort* solver = nullptr;
        // The player's records file; empty: records are not kept.
        std::filesystem::path records_file = {};
        // The shipped levels' digests, to carry over records kept by level number.
        ShippedLevelKey shipped_keys = {};
        // The sets the chooser always lists: the built-in set, then those in the level home.
        std::function<std::vector<LevelSet>()> installed_sets = [] { return std::vector<LevelSet>(); };
        // A set read again from its folder before New game and Next; none: as it was.
        std::function<LevelSet(const LevelSet&)> reread_set = {};
        // The player chose a level of `set` in the chooser: the set to remember for the next run.
        std::function<void(const LevelSet& set)> set_chosen = [](const LevelSet&) {};
        // Forges generated and daily puzzles; none: at once, inline.
        ForgePort* forge = nullptr;
        // Today: the daily puzzle's day, and how far the Records window's run of days reaches.
        std::function<std::chrono::year_month_day()> today = todayUtc;
        // The player's level home, where Keep this level writes; empty: there is none.
        std::filesystem::path level_home = {};
    };

    GameWindowModel(const Images& images, Ports ports);

    Controls controls;
    Engine engine;

    // Start-up, after the window is shown: the sounds, then idle. A sound that cannot
    // be loaded is reported and ends the program with a failure status.
    void start();

    // Starts level `number` as New game does once its number is typed.
    void playLevel(int number);

    // The set New game, Next, Restart and Retry play from; the built-in set at first.
    const PlayedSet& playedSet() const { return played_; }
    void setLevelSet(LevelSet set) { played_ = PlayedSet(std::move(set)); }
    // A folder the player opened: the chooser lists it beside the installed sets.
    void addOpenedFolder(const std::filesystem::path& folder);
    // What the chooser lists: the installed sets, the opened folders and the set in play.
    std::vector<LevelSet> chooserSets() const;

    // The code of the generated or daily puzzle on the playfield, for the window's title.
    std::optional<std::string> codeInPlay() const;
    // A generated or daily puzzle was won and can be kept: Keep this level is enabled.
    bool canKeep() const { return won_puzzle_.has_value(); }

    // A menu item, button or character key from the window. While the start effect
    // draws a ring they wait, and take effect when the ring is complete.
    void post(Command command);
    void onCharacterKey(char key);

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
    void onBannerTick();
    void onCountdownTick();

private:
    struct Held {
        std::optional<Command> command;
        char key = 0;
    };

    bool holding() const;
    void dispatch(const Held& event);
    void pass();  // one call of the engine, noting a step that found nothing to do
    bool keysHeld() const;
    void handle(const Held& event);
    void flushHeld();
    void fireTimers();
    void askLevel();
    void startlevel(int number);
    void enterPause();
    void resetReadouts();
    void stopMusic();
    // Asks "Are you sure?" under `title`; only Yes goes on.
    void ifSure(const char* title, std::function<void()> then);
    // Opens a modal box: the run waits in its handler until the box closes.
    template <typename Open>
    void modal(Open open);

    void onEngineChange(Engine::Change change);
    void say(const std::string& text, std::function<void()> then = [] {});
    SolverPort& solver() { return ports_.solver ? *ports_.solver : inline_solver_; }
    void withRecords(std::function<void()> then);
    // A win kept by its level's content, and by its date for a daily puzzle.
    void keepWin(std::optional<std::chrono::year_month_day> daily = std::nullopt);
    std::vector<RecordRow> recordRows() const;
    RecordsShown recordsShown() const;
    void listLevels();
    void askPar();
    void refreshSet();
    void openChooser(std::optional<std::filesystem::path> select);
    void choose(const LevelChoice& choice);
    LevelFigures levelFigures(const GameLevel& level);
    // Generated puzzles (game_window_puzzles.cpp).
    struct Puzzle {
        forge::LevelCode code;
        GameLevel level;  // as read back from its level file, so records match a kept copy
        std::optional<std::chrono::year_month_day> day;  // the daily puzzle's
    };
    Result<GameLevel> loadLevel(int number);
    void askPuzzle();
    void forgePuzzle(ForgeRequest request, const char* title);
    void forged(const ForgeRequest& request, const forge::ForgeOutcome& outcome);
    void nextPuzzle();
    void puzzleWon();
    ForgePort& forger() { return ports_.forge ? *ports_.forge : inline_forge_; }

    Ports ports_;
    InlineSolver inline_solver_;
    InlineForge inline_forge_;
    std::optional<Puzzle> puzzle_;      // the generated puzzle that Restart, Retry and Next play from
    std::optional<Puzzle> won_puzzle_;  // the generated puzzle last won, until another level starts
    forge::Grade puzzle_grade_ = forge::Grade::medium;  // the grade the box offers first
    std::mt19937 seeds_{std::random_device{}()};
    PlayerAid aid_;
    PointerPlay pointer_;
    std::optional<Records> records_;  // made at the first win or look, read again at each
    bool records_failure_said_ = false;
    bool records_open_ = false;
    bool chooser_open_ = false;
    struct Par {
        std::optional<int> actions;
        bool unknown = false;
    };
    // What the Records window lists: levels 1 to this.
    int listedLevels() const { return played_.highest(); }
    // Each listed level's digest, read from its file once; nothing where it cannot be read.
    std::map<int, std::optional<std::string>> listed_digests_;
    std::map<std::string, Par> par_;  // by digest, solved from the level files once a run
    std::set<std::string> par_asked_;  // digests whose par the chooser asked for since it opened
    PlayedSet played_;
    std::vector<std::filesystem::path> opened_folders_;
    std::deque<Held> held_;
    std::mt19937 rng_;
    bool rested_ = false;  // the play loop's last step found no key and nothing to do
};

template <typename Open>
void GameWindowModel::modal(Open open)
{
    engine.suspend();
    open([this] { engine.resume(); });
}

} // namespace kelvaro

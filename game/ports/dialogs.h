// SPDX-License-Identifier: GPL-3.0-or-later
// The modal boxes and windows the game's handlers open; each answers through its callback when it closes.
#pragma once

#include "game/ports/key_bindings.h"
#include "game/records/records.h"
#include "level/analysis/win_statistics.h"
#include "level/forge/level_code.h"
#include "level/game_level.h"
#include "level/message.h"
#include "level/sets/level_set.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// One line of the Records window.
struct RecordRow {
    int level;
    bool solved;
    int best_time_left;
    int fewest_actions;
    std::optional<int> par;  // the shortest solution's actions, once known
    bool par_unknown;        // the solver could not tell: no par will come
    bool seen = false;       // a solution was shown, the level not yet won without help
    std::optional<WinStatistics> kept = {};  // of the player's kept solution in the fewest actions
    bool operator==(const RecordRow&) const = default;
};

// What the Records window shows: the levels of the set in play, and the daily puzzles solved.
struct RecordsShown {
    std::vector<RecordRow> rows;
    DailyTally daily;
    std::vector<std::pair<std::chrono::year_month_day, PlayerRecord>> days;  // latest first
};

// What the chooser shows beside a level: the player's record of it and its par.
struct LevelFigures {
    bool solved = false;
    int best_time_left = 0;
    int fewest_actions = 0;
    std::optional<int> par;    // the shortest solution's actions, once known
    bool par_unknown = false;  // the solver could not tell: no par will come
    bool solution_kept = false;  // the player's own solution is kept, to be replayed
    bool operator==(const LevelFigures&) const = default;
};

// What the level chooser opens on.
struct ChooserRequest {
    std::vector<LevelSet> sets;
    std::size_t current = 0;  // the set shown first: the one in play, or the folder just opened
    int level = 0;            // the level shown first
    // A level's figures, found by its content; a par not yet known is asked for, and
    // updateChooser says when answers have come.
    std::function<LevelFigures(const GameLevel&)> figures = [](const GameLevel&) { return LevelFigures{}; };
};

// A level the player chose to play, and the set it belongs to.
struct LevelChoice {
    LevelSet set;
    int number = 0;
    bool replay = false;  // the player's kept solution is played on it
};

// What the generated puzzle box answers: a grade, and the code typed (blank: none).
struct PuzzleAsk {
    forge::Grade grade = forge::Grade::medium;
    std::string code;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The boxes show the core's messages, which a shell words in the player's language.
    // A Yes/No box without an icon.
    virtual void confirm(const Message& text, const Message& title, std::function<void(bool yes)> done) = 0;
    // An input box; Cancel answers with the empty string.
    virtual void inputBox(const Message& prompt, const Message& title, std::function<void(const std::string& answer)> done) = 0;
    // An OK box with the program's own title.
    virtual void message(const Message& text, std::function<void()> done) = 0;
    virtual void showHelp(std::function<void()> done) = 0;
    virtual void showAbout(std::function<void()> done) = 0;
    // The Records window, modal; `updateRecords` refreshes it while it is open.
    virtual void showRecords(const RecordsShown&, std::function<void()> done) { done(); }
    virtual void updateRecords(const RecordsShown&) {}
    // The level chooser, modal: answers with the level to play, or nothing when closed.
    virtual void chooseLevel(const ChooserRequest&, std::function<void(std::optional<LevelChoice>)> done)
    {
        done(std::nullopt);
    }
    // New figures have come while the chooser is open.
    virtual void updateChooser() {}
    // Asks for a folder of levels; nothing when cancelled.
    virtual void pickFolder(std::function<void(std::optional<std::filesystem::path>)> done) { done(std::nullopt); }
    // The generated puzzle box, on the grade last chosen: answers nothing when cancelled.
    virtual void askPuzzle(forge::Grade /*grade*/, std::function<void(std::optional<PuzzleAsk>)> done) { done(std::nullopt); }
    // A progress bar with Cancel under `title`, modal. `cancelled` runs only when the player
    // cancels; endProgress closes the box without it.
    virtual void showProgress(const Message& /*title*/, std::function<void()> /*cancelled*/) {}
    virtual void setProgress(double /*share*/) {}
    virtual void endProgress() {}
    // Options > Keys on the keys in use: answers the keys chosen, or nothing when cancelled.
    virtual void chooseKeys(const PlayerKeys& /*keys*/, std::function<void(std::optional<PlayerKeys>)> done)
    {
        done(std::nullopt);
    }
};

} // namespace kelvaro

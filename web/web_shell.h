// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the browser: the ports for the page, the model, and every event followed by advance and mirror.
#pragma once

#include "game/engine/images.h"
#include "game/play/game_window_model.h"
#include "game/play/key_table.h"
#include "web/controls_mirror.h"
#include "web/js_page.h"
#include "web/js_worker_link.h"
#include "web/player_files.h"
#include "web/puzzle_mirror.h"
#include "web/web_dialogs.h"
#include "web/web_forge.h"
#include "web/web_keys.h"
#include "web/web_solver.h"
#include "web/web_sound.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace kelvaro {

// The pictures from the folder of PNG files packed into the build.
Images loadImages(const std::filesystem::path& folder);

class WebShell {
public:
    // `data` holds Maps/ (the shipped levels) and images/; the player's records, solutions and
    // sets go under `save`, a folder the page keeps in the browser's storage after any change.
    WebShell(const std::filesystem::path& data, const std::filesystem::path& save);

    // Start-up, once the page is shown.
    void start();
    // The page's timer fired.
    void wake();
    // A menu item or button by its command's name (newGame, hint, next, ...); unknown names do nothing.
    void command(const std::string& name);
    void characterKey(char key);
    void key(Key key, bool down);
    // A key pressed or let go, read through the player's keys: whether it did something.
    KeyDeed::Kind pageKey(const PageKey& key);
    // The page lost the focus: no key release will come.
    void releaseKeys();
    void cellClick(int x, int y);
    void cancelPointer();
    bool pointerActs(int x, int y);
    void answer(int box, bool yes, const std::string& text) { dialogs_.answer(box, yes, text); }
    // The worker `name` ("solver", "forge") answered a job, or stopped.
    void workerAnswer(const std::string& name, const std::string& text);
    void workerFailed(const std::string& name);
    // The open level chooser: show set `index`, play level `number` of the set shown.
    void chooserSet(int index);
    void chooserPlay(int number);
    WebDialogs& dialogs() { return dialogs_; }

    // Level files from the device, one call a file, then openDone(): one loose file is played at
    // once, several or a folder become a set kept in the browser's storage and put in play.
    void openFile(std::string name, std::string bytes) { files_.add({std::move(name), std::move(bytes)}); }
    void openDone();

    // Paste level with the text the page read from the clipboard (its paste event, or the item's
    // read): a level plays, moves replay, a damaged text is said in a box.
    void pasteLevel(const std::string& text);
    // The puzzle of a code from the page's address: forged and played as if typed in its box.
    void playCode(const std::string& code);
    // The page's language changed: every control shown again in it.
    void showAgain()
    {
        mirror_.showAgain();
        sync();
    }

    // For the browser tests: time stands at `now` (page milliseconds) until the next call.
    void setTestClock(std::uint32_t now);
    // For the browser tests: the daily puzzle's day, and the records' today, from now on.
    static void setTestDay(std::chrono::year_month_day day);
    // The run's state as JSON: level, whether playing and past the start effect, the figure's and the jewel's cells, time left,
    // moves made, the play loop's steps taken and whether a move is under way (the page's touch play
    // waits for a step with its arrow held), the hint shown (visible, the object's cell, the player's)
    // the searches outstanding and dropped, and the engine's phase, pause and whether a box holds it.
    std::string probe() const;
    // For the browser tests: the level file of the puzzle in play, as level_forge writes it; empty: none.
    std::string puzzleFile() const;

private:
    // Runs what is due, mirrors the controls and asks for the next wake-up.
    void sync();
    void keptPuzzle();

    JsPage page_;
    Images images_;
    KeyTable keys_;
    KeyReader key_reader_;
    WebDialogs dialogs_{page_, images_};
    WebSound sound_;
    // Searches and forges run in Web Workers: the page never waits for one. A search may take
    // the desktop's 5 s.
    JsWorkerLink solver_link_{"solver"};
    WebSolver solver_{solver_link_, 5000};
    JsWorkerLink forge_link_{"forge"};
    WebForge forge_{forge_link_};
    std::unique_ptr<GameWindowModel> model_;
    ControlsMirror mirror_{page_};
    PuzzleMirror puzzle_mirror_{page_};
    std::filesystem::path sets_folder_;  // the player's level home: opened sets, and the puzzles kept
    PlayerFiles files_;
    unsigned steps_ = 0;
};

} // namespace kelvaro

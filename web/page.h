// SPDX-License-Identifier: GPL-3.0-or-later
// What the web shell asks of the page: boxes, the controls' state, the drawn areas, the next wake-up.
#pragma once

#include "game/engine/controls.h"

#include <string>
#include <vector>

namespace kelvaro {

// A table of words: its headings, and its rows of cells under them.
struct PageTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    bool operator==(const PageTable&) const = default;
};

// The Records window worded: a tab of the set's levels, one of the daily puzzles.
struct RecordsView {
    std::string title;
    std::string levels_tab;
    PageTable levels;
    std::string daily_tab;
    std::string tally;  // a line each
    PageTable days;
};

// What the level chooser opens with; each set's levels come with showChooserSet.
struct ChooserView {
    std::string title;
    std::string play;  // the Play button's caption
    std::vector<std::string> sets;
    int current = 0;
};

// A level of the set shown in the chooser: its picture, and the words under its number.
struct ChooserTile {
    int number = 0;
    std::vector<std::string> lines;
    bool solved = false;
    bool playable = true;  // false: a crossed box in place of the picture
    std::string tip;       // the file's name, or why it cannot be read
    Surface thumbnail;     // empty when it cannot be played, or when only the figures change
};

// The generated puzzle box: a grade of `grades` (the one at `grade` chosen first) and a code.
struct PuzzleBoxView {
    std::string title;
    std::string grade_label;
    std::string code_label;
    std::string code_hint;  // shown in the empty code field
    std::string note;
    std::vector<std::string> grades;
    int grade = 0;
};

// Options > Keys: each action's words and keys, and why OK was refused (empty: it was not).
struct KeysView {
    std::vector<std::string> actions;
    std::vector<std::vector<std::string>> keys;
    std::string refusal;
    bool operator==(const KeysView&) const = default;
};

class Page {
public:
    enum class BoxKind { ok, yesNo, input, help, about, records, chooser };

    virtual ~Page() = default;
    // A box with a title and its text; Help and About have a line of text each.
    virtual void openBox(int id, BoxKind kind, const std::string& title, const std::string& text) = 0;
    // Opens the Records window as box `id`, or shows the records anew when it is open.
    virtual void showRecords(int id, const RecordsView& view) = 0;
    // Opens the level chooser as box `id`, with no set shown yet.
    virtual void openChooser(int id, const ChooserView& view) = 0;
    // Shows set `set` of the open chooser (its name anew) and its levels, the level at `focus` in focus.
    virtual void showChooserSet(int set, const std::string& name, const std::string& info,
                                const std::vector<ChooserTile>& tiles, int focus) = 0;
    // New words under the levels shown; their pictures stay.
    virtual void showChooserFigures(const std::vector<ChooserTile>& tiles) = 0;
    // Closes box `id` without its answer: the game has it already.
    virtual void closeBox(int id) = 0;
    // Copies the area of the window's surface to the scene's canvas.
    virtual void blit(const Surface& surface, const Area& area) = 0;
    // Labels and buttons by their index in the window's order; pictures: 0 sad, 1 title.
    virtual void showLabel(int index, const LabelControl& label) = 0;
    virtual void showButton(int index, const ButtonControl& button, bool focused) = 0;
    virtual void showPicture(int index, const Surface& image, const PictureControl& picture) = 0;
    virtual void showMenuItem(const char* name, const MenuItem& item) = 0;
    virtual void showOverlay(const HintOutline& hint, const PushMarks& marks) = 0;
    // Calls back in `milliseconds`, replacing the wake-up asked for before; negative: none.
    virtual void wakeIn(int milliseconds) = 0;
    // The player's files changed: the page keeps them in the browser's storage.
    virtual void keepFiles() = 0;
    // Opens the generated puzzle box as box `id`; its answer's text is the grade's index, a
    // blank and the code typed.
    virtual void openPuzzleBox(int id, const PuzzleBoxView& view) = 0;
    // A progress bar with Cancel as box `id`, filled to `share` (0 to 1): opened by its first call.
    virtual void showProgress(int id, const std::string& title, const std::string& text, double share) = 0;
    // Opens the keys box as box `id`, or shows its keys anew when it is open.
    virtual void showKeys(int id, const KeysView& view) = 0;
    // The page's title, as the desktop's window title.
    virtual void showTitle(const std::string& title) = 0;
    // The Share button: `line` what it shares, empty to hide it; `caption` its words and
    // `copied` the word shown once the line is on the clipboard.
    virtual void showShare(const std::string& line, const std::string& caption, const std::string& copied) = 0;
    // Copy level's text for the system clipboard.
    virtual void copyText(const std::string& text) = 0;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The level editor's state and handlers, kept free of any window toolkit.
#pragma once

#include "editor/core/canvas_picture.h"
#include "editor/core/clipboard_port.h"
#include "editor/core/edit_history.h"
#include "editor/core/level_folders.h"
#include "editor/core/solution_playback.h"
#include "level/author_level.h"
#include "level/cell_kind.h"
#include "level/grid.h"
#include "level/message.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro {

// The texts of the four boxes, as the window last gave them.
struct EditorTexts {
    std::string nameBox = "maze1";  // level name, without folder or ".txt"
    std::string xBox = "15";        // X: highest column index for RESET
    std::string yBox = "15";        // Y: highest row index for RESET
    std::string timeBox = "75";     // time limit in seconds
};

// What a command leaves for the window to tell the author; empty when all went well.
struct CommandResult {
    Message message;

    bool ok() const { return message.source.empty(); }
};

class EditorState {
public:
    // The maps folder is looked for beside `app_dir` at every LOAD and SAVE.
    explicit EditorState(std::filesystem::path app_dir);
    // LOAD and SAVE where `folders` say.
    explicit EditorState(LevelFolders folders);

    // At start: the tool outline on the border tool, tool 1, a fresh grid from xBox and yBox.
    void formLoad();

    // The palette pictures' _Click handlers; codes outside 0..5 are ignored.
    void selectTool(int code);

    // A mouse press or move on the canvas, in canvas pixels.
    void mouseDown(int x, int y);
    void mouseMove(bool button_held, int x, int y);
    // The button let go: a stroke, press to release, ends and becomes one undo step.
    void mouseUp();

    // Ctrl+Z and Ctrl+Shift+Z / Ctrl+Y: false when there was nothing to take back or again.
    bool undo();
    bool redo();
    const EditHistory& history() const { return history_; }

    // Plays `moves` from `level` (the edited level as the game reads it) on the canvas.
    // The edited level is never touched; stopping puts the canvas back as it was. Every
    // edit and command stops it first.
    void showSolution(const GameLevel& level, const std::vector<Action>& moves);
    // The next action; false once the solution has been played to its end.
    bool stepSolution();
    void stopSolution();
    bool showingSolution() const { return playback_.has_value(); }

    CommandResult reset();  // "RESET"
    CommandResult load();   // "LOAD"
    CommandResult save();   // "SAVE"
    // Edit > Copy level: the level's picture, with the time box's time, onto the clipboard.
    void copyLevel(ClipboardPort& clipboard) const;
    // Edit > Paste level: a level file's text or a picture from the clipboard, as one undo step;
    // a damaged one is told by line and column and changes nothing.
    CommandResult pasteLevel(const ClipboardPort& clipboard);

    // Whether closing now would lose work: the level or the time differ from the last
    // SAVE or LOAD (or from start-up), and the question to ask then.
    bool hasUnsavedChanges() const;
    Message closingQuestion() const;

    // A bordered grid sized from xBox and yBox, or a message and no change.
    CommandResult newmaze();
    void sizecanvas();
    void rendermaze();

    // Where SAVE writes: nameBox and ".txt" in the maps folder beside the program, or in
    // the player's own set when the maps folder takes no new files. LOAD looks there first.
    std::filesystem::path levelFolder() const;
    std::filesystem::path levelFile() const;
    const LevelFolders& folders() const { return folders_; }

    const Grid<AuthorCell>& maze() const { return level.maze; }

    AuthorLevel level;  // maze, the jewel, goal and start positions, leveltime
    int tool = border;
    EditorTexts texts;
    Message cellReadout;  // the caption of the read-out under the palette
    int toolOutlineLeft = 0;
    // What each cell of the canvas shows: the canvas keeps its last picture until
    // sizecanvas empties it, so a cell whose code has no picture shows a stale one.
    Grid<CanvasPicture> canvas;

private:
    struct SavedWork {
        AuthorLevel level;
        std::string timeBox;
    };
    void markSaved();
    EditorDocument document() { return {level, canvas, texts.timeBox}; }
    EditorSnapshot snapshot() const { return {level, canvas, texts.timeBox}; }
    void beginStroke();
    void endStroke();
    // Runs a whole-level command as one undo step.
    CommandResult recorded(CommandResult (EditorState::*command)());
    CommandResult loadNow();
    CommandResult pasteNow();
    // A level read whole takes the place of the edited one: canvas, time box and all.
    void takeLevel(AuthorLevel read);
    bool onCanvasGrid(int x, int y) const;
    void applyTool(int cx, int cy);
    void placeItem(Coordinate& itemx, Coordinate& itemy, int cx, int cy);

    LevelFolders folders_;
    SavedWork saved_;  // what the level file holds as far as the editor knows
    EditHistory history_;
    std::optional<EditorSnapshot> stroke_;  // the document when the open stroke began
    std::optional<SolutionPlayback> playback_;
    Grid<CanvasPicture> canvas_before_playback_;
    std::string pasted_;  // the clipboard's text while Paste level reads it
};

} // namespace kelvaro

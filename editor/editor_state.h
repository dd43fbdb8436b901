// The level editor's state and handlers, kept free of any window toolkit.
#pragma once

#include "canvas_picture.h"
#include "level/author_level.h"
#include "level/cell_kind.h"
#include "level/grid.h"

#include <filesystem>
#include <string>

namespace kelvaro {

// The texts of the four boxes, as the window last gave them.
struct EditorTexts {
    std::string Text1 = "maze1";  // level name, without folder or ".txt"
    std::string Text2 = "15";     // X: highest column index for RESET
    std::string Text3 = "15";     // Y: highest row index for RESET
    std::string Text4 = "75";     // time limit in seconds
};

// What a command leaves for the window to tell the author; empty when all went well.
struct CommandResult {
    std::string message;

    bool ok() const { return message.empty(); }
};

class EditorState {
public:
    // The maps folder is looked for beside `program_dir` at every LOAD and SAVE.
    explicit EditorState(std::filesystem::path program_dir);

    // Form_Load: Shape1 on the border tool, tool 1, a fresh grid from Text2 and Text3.
    void formLoad();

    // The palette pictures' _Click handlers; codes outside 0..5 are ignored.
    void selectTool(int code);

    // Picture1_MouseDown and Picture1_MouseMove, in canvas pixels.
    void mouseDown(int x, int y);
    void mouseMove(bool button_held, int x, int y);

    CommandResult reset();  // Command1_Click, "RESET"
    CommandResult load();   // Command2_Click, "LOAD"
    CommandResult save();   // Command3_Click, "SAVE"

    // A bordered grid sized from Text2 and Text3, or a message and no change.
    CommandResult newmaze();
    void sizecanvas();
    void rendermaze();

    // Where LOAD and SAVE look: Text1 and ".txt" in the maps folder beside the program.
    std::filesystem::path levelFolder() const;
    std::filesystem::path levelFile() const;

    const Grid<AuthorCell>& maze() const { return level.maze; }

    AuthorLevel level;  // maze, the jewel, goal and start positions, leveltime
    int tool = border;
    EditorTexts texts;
    std::string counter;  // the caption of the read-out under the palette
    int shape1Left = 0;
    // What each cell of Picture1 shows: the canvas keeps its last picture until
    // sizecanvas empties it, so a cell whose code has no picture shows a stale one.
    Grid<CanvasPicture> canvas;

private:
    bool onCanvasGrid(int x, int y) const;
    void applyTool(int cx, int cy);
    void placeItem(Coordinate& itemx, Coordinate& itemy, int cx, int cy);

    std::filesystem::path program_dir_;
};

} // namespace kelvaro

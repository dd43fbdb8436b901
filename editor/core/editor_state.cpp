// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's grid, tools, painting and drawing onto the canvas model.
#include "editor/core/editor_state.h"
#include "editor/core/editor_phrases.h"

#include "editor/core/editor_input.h"
#include "editor/core/palette.h"

#include "level/level_files.h"

#include <optional>
#include <utility>

namespace kelvaro {
namespace {

// The base picture for a cell's code; codes without one leave the canvas as it was.
// An empty cell (an empty line in a loaded file) counts as 0, as it always has.
std::optional<CanvasPicture> basePicture(const AuthorCell& cell)
{
    switch (cell.value_or(blank)) {
    case blank: return CanvasPicture::blank;
    case border: return CanvasPicture::border;
    case obstacle: return CanvasPicture::obstacle;
    default: return std::nullopt;
    }
}

bool at(const Coordinate& itemx, const Coordinate& itemy, int x, int y)
{
    return itemx && itemy && *itemx == x && *itemy == y;
}

Message sizeProblem(const char* box, const std::string& text)
{
    return editorMessage(editor_words::size_problem, {std::string(box), text, max_index});
}

} // namespace

EditorState::EditorState(std::filesystem::path app_dir) : folders_{std::move(app_dir), std::nullopt} {}

EditorState::EditorState(LevelFolders folders) : folders_(std::move(folders)) {}

void EditorState::formLoad()
{
    toolOutlineLeft = toolPlace(border)->left - tool_outline_offset;
    tool = border;
    newmaze();
    markSaved();
    // Temporaries of a save that was killed half-way are ours to clear.
    removeStaleSaves(levelFolder());
}

void EditorState::selectTool(int code)
{
    const ToolPlace* place = toolPlace(code);
    if (!place)
        return;
    tool = code;
    toolOutlineLeft = place->left - tool_outline_offset;
}

CommandResult EditorState::newmaze()
{
    // Sizes below 1 would address column or row -1; above 255 no level file can hold them.
    const std::optional<int> u1 = wholeNumberIn(texts.xBox, 1, max_index);
    const std::optional<int> u2 = wholeNumberIn(texts.yBox, 1, max_index);
    if (!u1 || !u2)
        return {editorMessage(editor_words::no_new_grid, {u1 ? sizeProblem("Y", texts.yBox) : sizeProblem("X", texts.xBox)})};

    level.maze = Grid<AuthorCell>(*u1, *u2, AuthorCell(blank));
    sizecanvas();
    for (int x = 0; x <= *u1; ++x)
        for (int y : {0, 1, *u2 - 1, *u2})
            level.maze.at(x, y) = border;
    for (int y = 0; y <= *u2; ++y)
        for (int x : {0, 1, *u1 - 1, *u1})
            level.maze.at(x, y) = border;
    rendermaze();
    return {};
}

void EditorState::sizecanvas()
{
    canvas = Grid<CanvasPicture>(level.maze.maxx(), level.maze.maxy(), CanvasPicture::background);
}

void EditorState::rendermaze()
{
    // The outer ring is never drawn; later copies cover earlier ones.
    for (int x = 1; x <= level.maze.maxx() - 1; ++x) {
        for (int y = 1; y <= level.maze.maxy() - 1; ++y) {
            CanvasPicture& shown = canvas.at(x, y);
            if (const auto base = basePicture(level.maze.at(x, y)))
                shown = *base;
            if (at(level.jewelx, level.jewely, x, y))
                shown = CanvasPicture::jewel;
            if (at(level.goalx, level.goaly, x, y))
                shown = CanvasPicture::goal;
            if (at(level.startx, level.starty, x, y))
                shown = CanvasPicture::start;
        }
    }
}

bool EditorState::onCanvasGrid(int x, int y) const
{
    // The limit is the left or top pixel of the last column or row, not its far edge.
    return x >= 0 && y >= 0 && x <= cell_size * level.maze.maxx() && y <= cell_size * level.maze.maxy();
}

void EditorState::placeItem(Coordinate& itemx, Coordinate& itemy, int cx, int cy)
{
    itemx = static_cast<std::int16_t>(cx);
    itemy = static_cast<std::int16_t>(cy);
    level.maze.at(cx, cy) = blank;
}

void EditorState::applyTool(int cx, int cy)
{
    switch (tool) {
    case blank:
    case border:
    case obstacle: level.maze.at(cx, cy) = static_cast<std::int16_t>(tool); break;
    case jewel: placeItem(level.jewelx, level.jewely, cx, cy); break;
    case goal: placeItem(level.goalx, level.goaly, cx, cy); break;
    case start_tool: placeItem(level.startx, level.starty, cx, cy); break;
    default: break;
    }
}

void EditorState::beginStroke()
{
    if (!stroke_)
        stroke_ = snapshot();
}

void EditorState::endStroke()
{
    if (!stroke_)
        return;
    history_.record(*stroke_, document());
    stroke_.reset();
}

void EditorState::mouseUp() { endStroke(); }

void EditorState::showSolution(const GameLevel& start, const std::vector<Action>& moves)
{
    stopSolution();
    canvas_before_playback_ = canvas;
    playback_.emplace(start, moves);
    playback_->draw(canvas);
}

bool EditorState::stepSolution()
{
    if (!playback_ || playback_->finished())
        return false;
    playback_->step();
    playback_->draw(canvas);
    return true;
}

void EditorState::stopSolution()
{
    if (!playback_)
        return;
    playback_.reset();
    canvas = std::move(canvas_before_playback_);
}

bool EditorState::undo()
{
    stopSolution();
    endStroke();
    return history_.undo(document());
}

bool EditorState::redo()
{
    stopSolution();
    endStroke();
    return history_.redo(document());
}

void EditorState::mouseDown(int x, int y)
{
    stopSolution();
    endStroke();  // a release that never came: a new press begins a new stroke
    beginStroke();
    if (!onCanvasGrid(x, y))
        return;
    applyTool(x / cell_size, y / cell_size);
    rendermaze();
}

void EditorState::mouseMove(bool button_held, int x, int y)
{
    if (!onCanvasGrid(x, y))
        return;
    const int cx = x / cell_size;
    const int cy = y / cell_size;
    const AuthorCell& cell = level.maze.at(cx, cy);
    cellReadout = editorMessage(editor_words::current, {cell ? std::to_string(*cell) : std::string()});
    if (button_held) {
        stopSolution();
        beginStroke();  // a press outside the grid that is dragged onto it
        applyTool(cx, cy);
        rendermaze();
    }
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo for the editor: each step keeps only what it changed, within a memory budget.
#pragma once

#include "editor/core/canvas_picture.h"
#include "level/author_level.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// What undo and redo act on: the level, what the canvas shows, and the time box.
struct EditorDocument {
    AuthorLevel& level;
    Grid<CanvasPicture>& canvas;
    std::string& timeBox;
};

// A copy of the document taken when an edit begins.
struct EditorSnapshot {
    AuthorLevel level;
    Grid<CanvasPicture> canvas;
    std::string timeBox;
};

// How one grid changed: the changed cells when its size stayed, else both grids whole.
template <typename Cell>
struct GridChange {
    std::vector<std::size_t> at;
    std::vector<Cell> before, after;
    std::optional<Grid<Cell>> whole_before, whole_after;

    static GridChange between(const Grid<Cell>& before, const Grid<Cell>& after);
    void apply(Grid<Cell>& grid, bool forward) const;
    bool empty() const { return at.empty() && !whole_before; }
    std::size_t bytes() const;
};

// The positions and the time, which every step keeps whole: they are small.
struct LevelMarks {
    Coordinate jewelx, jewely, goalx, goaly, startx, starty;
    std::int16_t leveltime = 0;

    bool operator==(const LevelMarks&) const = default;
};

class EditHistory {
public:
    // The oldest steps are forgotten once the kept ones hold more than this. A stroke costs
    // about 10 bytes per cell it changed; RESET and LOAD keep both grids, about 10 bytes per
    // cell (1,000 of them fit for levels up to 80 x 80 cells, 100 for the largest, 256 x 256).
    static constexpr std::size_t default_budget = 64u << 20;

    explicit EditHistory(std::size_t budget = default_budget) : budget_(budget) {}

    // Records the edit from `before` to the document as it is now; nothing when nothing
    // changed. Forgets what could have been redone.
    void record(const EditorSnapshot& before, const EditorDocument& now);

    bool canUndo() const { return next_ > 0; }
    bool canRedo() const { return next_ < steps_.size(); }
    // Each returns false, changing nothing, when there is no step to take.
    bool undo(const EditorDocument& doc);
    bool redo(const EditorDocument& doc);

    std::size_t steps() const { return steps_.size(); }
    std::size_t bytes() const { return bytes_; }

private:
    struct Step {
        GridChange<AuthorCell> maze;
        GridChange<CanvasPicture> canvas;
        LevelMarks marks_before, marks_after;
        std::string time_before, time_after;
        std::size_t bytes() const;
    };
    void apply(const Step& step, const EditorDocument& doc, bool forward) const;

    std::size_t budget_;
    std::deque<Step> steps_;
    std::size_t next_ = 0;  // steps before it are done; from it on, undone
    std::size_t bytes_ = 0;
};

} // namespace kelvaro

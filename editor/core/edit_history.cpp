// SPDX-License-Identifier: GPL-3.0-or-later
// Recording edits as differences and taking them back or again.
#include "editor/core/edit_history.h"

namespace kelvaro {
namespace {

LevelMarks marksOf(const AuthorLevel& level)
{
    return {level.jewelx, level.jewely, level.goalx, level.goaly, level.startx, level.starty, level.leveltime};
}

// Only the marks the step changed are put back, so a time SAVE took from the box since stays.
void applyMarks(const LevelMarks& from, const LevelMarks& to, AuthorLevel& level)
{
    Coordinate AuthorLevel::*const coordinates[] = {&AuthorLevel::jewelx, &AuthorLevel::jewely, &AuthorLevel::goalx,
                                                    &AuthorLevel::goaly,  &AuthorLevel::startx, &AuthorLevel::starty};
    Coordinate LevelMarks::*const marks[] = {&LevelMarks::jewelx, &LevelMarks::jewely, &LevelMarks::goalx,
                                             &LevelMarks::goaly,  &LevelMarks::startx, &LevelMarks::starty};
    for (std::size_t i = 0; i < std::size(marks); ++i)
        if (from.*marks[i] != to.*marks[i])
            level.*coordinates[i] = to.*marks[i];
    if (from.leveltime != to.leveltime)
        level.leveltime = to.leveltime;
}

} // namespace

template <typename Cell>
GridChange<Cell> GridChange<Cell>::between(const Grid<Cell>& before, const Grid<Cell>& after)
{
    GridChange change;
    if (before.maxx() != after.maxx() || before.maxy() != after.maxy()) {
        change.whole_before = before;
        change.whole_after = after;
        return change;
    }
    for (std::size_t i = 0; i < before.cells().size(); ++i) {
        if (before.cells()[i] == after.cells()[i])
            continue;
        change.at.push_back(i);
        change.before.push_back(before.cells()[i]);
        change.after.push_back(after.cells()[i]);
    }
    return change;
}

template <typename Cell>
void GridChange<Cell>::apply(Grid<Cell>& grid, bool forward) const
{
    if (whole_before) {
        grid = forward ? *whole_after : *whole_before;
        return;
    }
    const std::vector<Cell>& values = forward ? after : before;
    for (std::size_t i = 0; i < at.size(); ++i)
        grid.cells()[at[i]] = values[i];
}

template <typename Cell>
std::size_t GridChange<Cell>::bytes() const
{
    const std::size_t whole = whole_before ? (whole_before->cells().size() + whole_after->cells().size()) * sizeof(Cell) : 0;
    return whole + at.size() * (sizeof(std::size_t) + 2 * sizeof(Cell));
}

std::size_t EditHistory::Step::bytes() const
{
    return sizeof(Step) + maze.bytes() + canvas.bytes() + time_before.size() + time_after.size();
}

void EditHistory::record(const EditorSnapshot& before, const EditorDocument& now)
{
    Step step{GridChange<AuthorCell>::between(before.level.maze, now.level.maze),
              GridChange<CanvasPicture>::between(before.canvas, now.canvas),
              marksOf(before.level),
              marksOf(now.level),
              before.timeBox,
              now.timeBox};
    if (step.maze.empty() && step.canvas.empty() && step.marks_before == step.marks_after &&
        step.time_before == step.time_after)
        return;
    while (steps_.size() > next_) {
        bytes_ -= steps_.back().bytes();
        steps_.pop_back();
    }
    bytes_ += step.bytes();
    steps_.push_back(std::move(step));
    ++next_;
    while (bytes_ > budget_ && steps_.size() > 1) {
        bytes_ -= steps_.front().bytes();
        steps_.pop_front();
        --next_;
    }
}

void EditHistory::apply(const Step& step, const EditorDocument& doc, bool forward) const
{
    step.maze.apply(doc.level.maze, forward);
    step.canvas.apply(doc.canvas, forward);
    applyMarks(forward ? step.marks_before : step.marks_after, forward ? step.marks_after : step.marks_before,
               doc.level);
    if (step.time_before != step.time_after)
        doc.timeBox = forward ? step.time_after : step.time_before;
}

bool EditHistory::undo(const EditorDocument& doc)
{
    if (!canUndo())
        return false;
    apply(steps_[--next_], doc, false);
    return true;
}

bool EditHistory::redo(const EditorDocument& doc)
{
    if (!canRedo())
        return false;
    apply(steps_[next_++], doc, true);
    return true;
}

template struct GridChange<AuthorCell>;
template struct GridChange<CanvasPicture>;

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's drawing: cells composed in the back buffer, copied to the window where they changed.
#include "game/engine/drawing.h"

#include "level/cell_kind.h"
#include "level/cell_rules.h"

#include <algorithm>

namespace kelvaro {

Drawing::Cells Drawing::Cells::joined(const Cells& other) const
{
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
}

void Drawing::beginLevel(int maxx, int maxy)
{
    maxx_ = maxx;
    maxy_ = maxy;
    backBufferWidth_ = (maxx + 1) * cell_size;
    backBufferHeight_ = (maxy + 1) * cell_size;
    backBuffer_.reset(std::min(backBufferWidth_, Controls::client_width),
                      std::min(backBufferHeight_, Controls::client_height));
    stale_ = false;
}

void Drawing::clear()
{
    backBuffer_.fill(black);
    controls_.clearWindowSurface();
}

void Drawing::putTile(CellPos at)
{
    const int x = at.x * cell_size, y = at.y * cell_size;
    controls_.windowSurface.copy(images_.readyTile, 0, 0, cell_size, cell_size, x, y);
    controls_.markDrawn({x, y, cell_size, cell_size});
}

Drawing::Cells Drawing::everyCell() const { return {0, 0, maxx_, maxy_}; }

void Drawing::frame(const Position& position, const Timeline& timeline)
{
    const GameLevel& level = position.level();
    const Direction d = directions[position.playerdir()];
    const int shift = 2 * timeline.counter();
    const bool walk = timeline.animation() == Timeline::Animation::walk;
    const bool jewel_moves = timeline.animation() == Timeline::Animation::push_jewel;
    const int skip_code = walk ? -1 : jewel_moves ? jewel : obstacle;
    // What the moving images pass over: the figure's cell and the next, or the object's two.
    const int fx = walk ? level.playerx : timeline.fx(), fy = walk ? level.playery : timeline.fy();
    const Cells passed = cell(level.playerx, level.playery).joined(cell(fx, fy)).joined(cell(fx + d.dx, fy + d.dy));
    // The whole playfield when the window lost what was copied or cells may be stale.
    const bool whole = !windowKept() || stale_;
    compose(position, whole ? everyCell() : passed, skip_code);
    stale_ = whole && skip_code >= 0;
    if (walk) {
        drawFrameOfStrip(position.playerdir(), timeline.counter() / 2, level.playerx * cell_size + shift * d.dx,
                         level.playery * cell_size + shift * d.dy);
    } else {
        drawFrameOfStrip(position.playerdir(), 0, level.playerx * cell_size, level.playery * cell_size);
        const Surface& moving = jewel_moves ? images_.jewel : images_.crate;
        backBuffer_.copy(moving, 0, 0, cell_size, cell_size, fx * cell_size + shift * d.dx, fy * cell_size + shift * d.dy);
    }
    figure_ = passed;
    copyToWindow(whole ? everyCell() : passed);
    moved_since_shown_ = true;
}

void Drawing::redraw(const Position& position)
{
    const GameLevel& level = position.level();
    const Shown now_showing{position.mazeChanges(), level.playerx, level.playery, position.playerdir()};
    const bool kept = windowKept();
    if (kept && !moved_since_shown_ && now_showing == shown_)
        return;
    const bool whole = !kept || stale_ || now_showing.maze_changes != shown_.maze_changes;
    const Cells player = cell(level.playerx, level.playery);
    const Cells cells = whole ? everyCell() : figure_.joined(player);
    compose(position, cells, -1);
    drawFrameOfStrip(position.playerdir(), 0, level.playerx * cell_size, level.playery * cell_size);
    copyToWindow(cells);
    figure_ = player;
    shown_ = now_showing;
    moved_since_shown_ = false;
    stale_ = false;
}

void Drawing::compose(const Position& position, Cells cells, int skip_code)
{
    // Only the cells the back buffer holds: a level wider than the window costs no more.
    const int last_x = std::min({maxx_ - 1, (backBuffer_.width() - 1) / cell_size, cells.right});
    const int last_y = std::min({maxy_ - 1, (backBuffer_.height() - 1) / cell_size, cells.bottom});
    const Grid<std::uint8_t>& maze = position.maze();
    for (int x = std::max(1, cells.left); x <= last_x; ++x) {
        for (int y = std::max(1, cells.top); y <= last_y; ++y) {
            const std::uint8_t code = maze.at(x, y);
            if (code == skip_code)
                continue;
            if (const Surface* image = images_.cell(code))
                backBuffer_.copy(*image, 0, 0, cell_size, cell_size, x * cell_size, y * cell_size);
        }
    }
}

void Drawing::drawFrameOfStrip(int playerdir, int frame, int px, int py)
{
    backBuffer_.copy(images_.strip(playerdir), frame * cell_size, 0, cell_size, cell_size, px, py);
}

void Drawing::copyToWindow(Cells cells)
{
    const int x = cells.left * cell_size, y = cells.top * cell_size;
    const int width = std::min((cells.right + 1) * cell_size, backBuffer_.width()) - x;
    const int height = std::min((cells.bottom + 1) * cell_size, backBuffer_.height()) - y;
    if (width > 0 && height > 0) {
        controls_.windowSurface.copy(backBuffer_, x, y, width, height, x, y);
        controls_.markDrawn({x, y, width, height});
    }
    copied_version_ = controls_.windowSurfaceVersion;
}

// ---------------------------------------------------------------- the outcome's controls

void Drawing::placeWinner()
{
    LabelControl& winnerLabel = controls_.winnerLabel;
    winnerLabel.place.left = backBufferWidth_ / 2 - 75;
    winnerLabel.place.top = backBufferHeight_ / 2 - 20;
    winnerLabel.visible = true;
    const double middle = winnerLabel.place.left + winnerLabel.place.width / 2.0;
    controls_.nextButton.place.left = middle - 105;
    controls_.abortButton.place.left = middle + 8;
    controls_.nextButton.place.top = winnerLabel.place.top + 56;
    controls_.abortButton.place.top = controls_.nextButton.place.top;
    controls_.nextButton.visible = true;
    controls_.abortButton.visible = true;
    for (std::uint32_t* placings : {&winnerLabel.placings, &controls_.nextButton.placings, &controls_.abortButton.placings})
        ++*placings;
}

void Drawing::placeGameOver()
{
    LabelControl& gameOverLabel = controls_.gameOverLabel;
    PictureControl& sadPicture = controls_.sadPicture;
    gameOverLabel.place.left = backBufferWidth_ / 2 - gameOverLabel.place.width / 2;
    gameOverLabel.place.top = backBufferHeight_ / 2 - gameOverLabel.place.height / 2;
    const double middle = gameOverLabel.place.left + gameOverLabel.place.width / 2.0;
    controls_.abortButton.place.left = middle - 105;
    controls_.retryButton.place.left = middle + 8;
    controls_.abortButton.place.top = gameOverLabel.place.top + 56;
    controls_.retryButton.place.top = controls_.abortButton.place.top;
    sadPicture.place.left = gameOverLabel.place.left + gameOverLabel.place.width / 2 - sadPicture.place.width / 2;
    sadPicture.place.top = controls_.abortButton.place.top + 48;
    gameOverLabel.visible = true;
    controls_.abortButton.visible = true;
    controls_.retryButton.visible = true;
    sadPicture.visible = true;
    for (std::uint32_t* placings : {&gameOverLabel.placings, &controls_.abortButton.placings,
                                    &controls_.retryButton.placings, &sadPicture.placings})
        ++*placings;
}

} // namespace kelvaro

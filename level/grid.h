// SPDX-License-Identifier: GPL-3.0-or-later
// A rectangular grid of cells indexed (column, row), both from 0.
#pragma once

#include <cstddef>
#include <vector>

namespace kelvaro {

// Cells are held column by column, the order in which level files list them.
template <typename Cell>
class Grid {
public:
    Grid() : Grid(0, 0) {}
    Grid(int maxx, int maxy, Cell fill = Cell{})
        : maxx_(maxx), maxy_(maxy),
          cells_(static_cast<std::size_t>(maxx + 1) * static_cast<std::size_t>(maxy + 1), fill) {}

    int maxx() const { return maxx_; }
    int maxy() const { return maxy_; }
    int columns() const { return maxx_ + 1; }
    int rows() const { return maxy_ + 1; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x <= maxx_ && y <= maxy_; }

    Cell& at(int x, int y) { return cells_[index(x, y)]; }
    const Cell& at(int x, int y) const { return cells_[index(x, y)]; }

    // All cells in file order: column 0 from row 0 down, then column 1, and so on.
    std::vector<Cell>& cells() { return cells_; }
    const std::vector<Cell>& cells() const { return cells_; }

    bool operator==(const Grid&) const = default;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(x) * static_cast<std::size_t>(maxy_ + 1) + static_cast<std::size_t>(y);
    }

    int maxx_;
    int maxy_;
    std::vector<Cell> cells_;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own solutions per level, kept as move letters beside the records: the one in the
// fewest actions and the one with the most time left.
#pragma once

#include "game/records/kept_file.h"
#include "level/message.h"
#include "level/solver/solver.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

struct KeptSolution {
    std::string moves;  // as movesText() writes them
    int time_left = 0;
    std::size_t actions() const { return moves.size(); }
    bool operator==(const KeptSolution&) const = default;
};

// A level's two kept solutions; one win can be both.
struct LevelSolutions {
    std::optional<KeptSolution> fewest;     // fewest actions, the more time left between equals
    std::optional<KeptSolution> most_time;  // most time left, the fewer actions between equals
    bool operator==(const LevelSolutions&) const = default;
};

// solutions.txt beside the records file; empty without one.
std::filesystem::path solutionsFile(const std::filesystem::path& records_file);

class Solutions {
public:
    // Kept in `file`, changed under the lock of the records file `records_file`.
    Solutions(std::filesystem::path file, const std::filesystem::path& records_file);

    // As Records::load and Records::save: another copy's solutions are taken in, a damaged
    // file is set aside and the answer says so.
    std::optional<Message> load();
    std::optional<Message> save();

    // A win in `moves` with `time_left`: kept where it is better. True when anything changed.
    // `digest` is levelDigest() of the level as it was started; anything else is refused.
    bool recordWin(const std::string& digest, const std::vector<Action>& moves, int time_left);

    // Nothing kept for a level never won.
    const LevelSolutions& at(const std::string& digest) const;

    std::string text() const;
    // The solutions in `text`, or the line that is wrong.
    static std::optional<Solutions> parse(const std::string& text, int& bad_line);

private:
    bool keep(const std::string& digest, const KeptSolution& won);
    int takeIn(const std::string& text);

    KeptFile kept_;
    std::map<std::string, LevelSolutions> table_;
};

} // namespace kelvaro

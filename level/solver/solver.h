// SPDX-License-Identifier: GPL-3.0-or-later
// Finds a shortest solution of a level under the game's rules, or proves there is none.
#pragma once

#include "level/game_level.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// Every walk and every push takes at least eight 25 ms frames and one 25 ms step.
inline constexpr int action_ms = 225;

// The least time limit, in seconds, that leaves a player enough: one and a half times the
// least playing time, plus 15 s to look at the level and to make a slip or two.
inline constexpr double minimumTimeLimit(int least_ms) { return 1.5 * least_ms / 1000.0 + 15.0; }

enum class Verdict {
    solvable,
    unsolvable,
    unknown,  // the state limit was reached first
};

// "solvable", "unsolvable" or "unknown (limit reached)".
const char* verdictText(Verdict verdict);

// One step of play: a walk, or a push with Ctrl, facing `dir` (0 right, 1 left, 2 up, 3 down).
// A push turns the player and pushes in one step; the player stays where it stands.
struct Action {
    bool push;
    std::uint8_t dir;

    bool operator==(const Action&) const = default;
};

// Walks as r l u d, pushes as R L U D.
std::string movesText(const std::vector<Action>& moves);
// The moves of such a text; nothing when a character is not one of those eight.
std::optional<std::vector<Action>> readMoves(std::string_view text);

class SolverTables;

struct SolverLimits {
    // States each search may hold; bounds both memory (about 100 bytes a state) and time.
    std::size_t max_states = 1'000'000;
    // Asked every few hundred states; answering true ends the search with an unknown
    // verdict. Lets a caller cancel a search from another thread, or bound it in time.
    std::function<bool()> should_stop{};
    // Where a caller solving many levels of one layout keeps the tables of the dead
    // positions between them (see SolverTables); they are built afresh without.
    SolverTables* tables = nullptr;
};

struct Solution {
    Verdict verdict = Verdict::unknown;
    // The moves are a shortest solution in actions. Only false when the level was shown
    // solvable but the search for the shortest reached the limit: `moves` is then the
    // solution the deciding search found, an upper bound on the shortest.
    bool shortest = false;
    std::vector<Action> moves;
    int walks = 0;
    int pushes = 0;
    std::size_t states = 0;  // states held by both searches together
    std::size_t expanded = 0;  // states the deciding search expanded: how hard the level was to decide
    bool stopped = false;      // should_stop ended a search before it was decided

    int actions() const { return walks + pushes; }
    int leastMilliseconds() const { return actions() * action_ms; }
};

// First decides the level with the player reduced to the area it can reach and dead
// jewel and obstacle positions cut off. That reduction loses how far the player walks,
// so for a solvable level a second, best-first search over exact player cells finds a
// shortest solution in actions.
Solution solve(const GameLevel& level, const SolverLimits& limits = {});

// Only the first of those searches: the verdict, with `moves` some solution (not
// necessarily shortest, `shortest` false) when there is one. Much cheaper than solve()
// when all that matters is whether a position can still be won.
Solution decide(const GameLevel& level, const SolverLimits& limits = {});

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's entry: decide, then search for the shortest, then spell the pushes out as moves.
#include "level/solver/solver.h"

#include "level/solver/solver_search.h"
#include "level/solver/solver_walk_map.h"

namespace kelvaro {
namespace {

// Replays the pushes from the start, putting a shortest walk before each.
std::vector<Action> spellOut(SolverModel& model, const std::vector<SolverPush>& pushes)
{
    std::vector<Action> moves;
    SolverWalkMap walks(model.cellCount());
    std::vector<std::uint32_t> state = model.startWords();
    std::vector<std::uint32_t> next;
    for (const SolverPush& push : pushes) {
        model.load(state);
        walks.fill(model, state[0]);
        for (std::uint8_t dir : walks.pathTo(model, push.player))
            moves.push_back({false, dir});
        moves.push_back({true, push.dir});
        model.pushed(state, push.player, push.dir, push.player, next);
        model.unload(state);
        state.swap(next);
    }
    return moves;
}

void fillMoves(Solution& solution, SolverModel& model, const std::vector<SolverPush>& pushes)
{
    solution.moves = spellOut(model, pushes);
    solution.pushes = static_cast<int>(pushes.size());
    solution.walks = static_cast<int>(solution.moves.size()) - solution.pushes;
}

Solution verdictOf(const SearchResult& decided)
{
    Solution solution;
    solution.verdict = decided.verdict;
    solution.states = decided.states;
    solution.expanded = decided.expanded;
    solution.stopped = decided.stopped;
    return solution;
}

} // namespace

const char* verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::solvable: return "solvable";
    case Verdict::unsolvable: return "unsolvable";
    case Verdict::unknown: break;
    }
    return "unknown (limit reached)";
}

std::string movesText(const std::vector<Action>& moves)
{
    static constexpr char walk[] = "rlud";
    static constexpr char push[] = "RLUD";
    std::string text;
    for (const Action& action : moves)
        text += (action.push ? push : walk)[action.dir & 3];
    return text;
}

std::optional<std::vector<Action>> readMoves(std::string_view text)
{
    static constexpr std::string_view walks = "rlud", pushes = "RLUD";
    std::vector<Action> moves;
    moves.reserve(text.size());
    for (const char c : text) {
        const std::size_t walk = walks.find(c), push = pushes.find(c);
        if (walk == std::string_view::npos && push == std::string_view::npos)
            return std::nullopt;
        const bool is_push = push != std::string_view::npos;
        moves.push_back({is_push, static_cast<std::uint8_t>(is_push ? push : walk)});
    }
    return moves;
}

Solution decide(const GameLevel& level, const SolverLimits& limits)
{
    SolverModel model(level, limits.tables);
    const SearchResult decided = decideLevel(model, limits);
    Solution solution = verdictOf(decided);
    if (decided.verdict == Verdict::solvable)
        fillMoves(solution, model, decided.pushes);
    return solution;
}

Solution solve(const GameLevel& level, const SolverLimits& limits)
{
    SolverModel model(level, limits.tables);
    const SearchResult decided = decideLevel(model, limits);
    Solution solution = verdictOf(decided);
    if (decided.verdict != Verdict::solvable)
        return solution;

    const SearchResult shortest = shortestSolution(model, limits);
    solution.states += shortest.states;
    solution.stopped = shortest.stopped;
    solution.shortest = shortest.verdict == Verdict::solvable;
    fillMoves(solution, model, solution.shortest ? shortest.pushes : decided.pushes);
    return solution;
}

} // namespace kelvaro

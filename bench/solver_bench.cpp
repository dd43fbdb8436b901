// SPDX-License-Identifier: GPL-3.0-or-later
// Solving the fifty shipped levels one by one and all together, and a crowded 17 x 16 level.
#include "level/game_level.h"
#include "level/solver/solver.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

constexpr int shipped_levels = 50;

GameLevel shipped(int number)
{
    auto level = loadGameLevel(std::string(KELVARO_MAPS_DIR) + "/maze" + std::to_string(number) + ".txt");
    return level ? level.value() : GameLevel{};
}

// The largest level the window holds, with a dozen crates in rooms and doorways.
GameLevel crowded()
{
    const std::vector<std::string> rows = {
        "#################", "#################", "##S....#.......##", "##.o...#..o....##",
        "##..o..#....o..##", "##.....o.......##", "##.#####..###..##", "##.....#..#....##",
        "##..o..#..#.o..##", "##.o.........*.##", "##...o.#####o..##", "##.....#....o..##",
        "##..o..#..G....##", "##.....#.......##", "#################", "#################",
    };
    std::ostringstream text;
    const int maxx = static_cast<int>(rows[0].size()) - 1, maxy = static_cast<int>(rows.size()) - 1;
    int marks[6] = {};
    std::string cells;
    for (int x = 0; x <= maxx; ++x)
        for (int y = 0; y <= maxy; ++y) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const auto mark = std::string("*GS").find(c);
            if (mark != std::string::npos) {
                marks[2 * mark] = x;
                marks[2 * mark + 1] = y;
            }
            cells += std::string(c == '#' ? "1" : c == 'o' ? "4" : "0") + "\r\n";
        }
    text << maxx << "\r\n" << maxy << "\r\n";
    for (int m : marks)
        text << m << "\r\n";
    text << "120\r\n" << cells;
    std::istringstream in(text.str());
    return readGameLevel(in).value();
}

void report(benchmark::State& state, const Solution& solution)
{
    state.counters["actions"] = solution.actions();
    state.counters["states"] = static_cast<double>(solution.states);
    if (solution.verdict != Verdict::solvable)
        state.SkipWithError("not solved");
}

void BM_SolveLevel(benchmark::State& state)
{
    const GameLevel level = shipped(static_cast<int>(state.range(0)));
    Solution solution;
    for (auto _ : state)
        benchmark::DoNotOptimize(solution = solve(level));
    report(state, solution);
}

void BM_SolveAllFifty(benchmark::State& state)
{
    std::vector<GameLevel> levels;
    for (int n = 1; n <= shipped_levels; ++n)
        levels.push_back(shipped(n));
    for (auto _ : state)
        for (const GameLevel& level : levels)
            benchmark::DoNotOptimize(solve(level));
}

void BM_SolveCrowded17x16(benchmark::State& state)
{
    const GameLevel level = crowded();
    Solution solution;
    for (auto _ : state)
        benchmark::DoNotOptimize(solution = solve(level));
    report(state, solution);
}

BENCHMARK(BM_SolveLevel)->DenseRange(1, shipped_levels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveAllFifty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveCrowded17x16)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelvaro

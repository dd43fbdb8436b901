// SPDX-License-Identifier: GPL-3.0-or-later
// The forge's drawings, judge and climb: framed as the level tools frame them, fair levels only, same seed same level.
#include "level/forge/forge.h"
#include "level/forge/pull_search.h"

#include "level/cell_kind.h"
#include "level/forge/forge_steps.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kelvaro::forge {
namespace {

TEST(Forge, FramesADrawingWithTwoRingsOfBorder)
{
    const GameLevel level = framedLevel({"S.*.G", "..o.."});
    EXPECT_EQ(level.maze.columns(), 9);
    EXPECT_EQ(level.maze.rows(), 6);
    EXPECT_EQ(level.maze.at(1, 1), border);
    EXPECT_EQ(level.maze.at(4, 2), jewel);
    EXPECT_EQ(level.maze.at(6, 2), goal);
    EXPECT_EQ(level.maze.at(4, 3), obstacle);
    EXPECT_EQ(std::pair(level.playerx, level.playery), std::pair(std::uint8_t{2}, std::uint8_t{2}));
    EXPECT_EQ(std::pair(level.jewelx, level.jewely), std::pair(std::uint8_t{4}, std::uint8_t{2}));
}

TEST(Forge, TidyingWallsOffWhatThePlayerNeverReaches)
{
    EXPECT_EQ(tidied({"S.*.G#..", "..o..#.o"}), (Drawing{"S.*.G###", "..o..###"}));
}

TEST(Forge, TrimmingTakesOffTheRowsAndColumnsOfBorderRoundTheLevel)
{
    EXPECT_EQ(trimmed({"#####", "##S.#", "#.*G#", "#####"}), (Drawing{"#S.", ".*G"}));
    EXPECT_EQ(trimmed({"S*G"}), (Drawing{"S*G"}));
    EXPECT_EQ(trimmed({"###", "###"}), Drawing{});
}

TEST(Forge, JudgesOnlyFairLevels)
{
    struct Case {
        const char* name;
        Drawing drawing;
        Settings settings;
        bool fair;
    };
    Settings long_runs;
    long_runs.max_run = 2;
    Settings simple;
    simple.max_changes = 0;
    const Case cases[] = {
        {"solvable", {"##..####", "S..o..*G", "###.####"}, {}, true},
        {"unsolvable", {"S.o*G"}, {}, false},
        {"two starts", {"S.*.GS"}, {}, false},
        {"a run of three pushes", {"S*...G"}, long_runs, false},
        {"too many changes", {"##..####", "S..o..*G", "###.####"}, simple, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto figures = judge(c.drawing, c.settings);
        EXPECT_EQ(figures.has_value(), c.fair);
        if (figures) {
            EXPECT_EQ(figures->depth.crates_must_move, 1);
            EXPECT_DOUBLE_EQ(figures->score, scoreOf(figures->depth, figures->solution));
        }
    }
}

TEST(Forge, SameSeedSameLevel)
{
    Settings settings;
    settings.width = 6;
    settings.height = 5;
    settings.crates_low = 1;
    settings.crates_high = 2;
    settings.rounds = 30;
    settings.restarts = 1;
    const auto first = forge(settings);
    const auto again = forge(settings);
    ASSERT_TRUE(first && again);
    EXPECT_EQ(first->drawing, again->drawing);
    const auto judged = judge(first->drawing, settings);
    ASSERT_TRUE(judged);
    EXPECT_EQ(judged->depth.object_changes, first->figures.depth.object_changes);
}

Drawing shippedDrawing(int number)
{
    std::ifstream in(std::string(KELVARO_DRAWINGS_DIR) + "/maze" + std::to_string(number) + ".txt");
    Drawing rows;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != ';')
            rows.push_back(line);
    return rows;
}

TEST(Forge, ThePlanStillMakesTheShippedLevels)
{
    // Lines 6 and 8 of tools/levels/plan.txt, as forge_all.py runs them: the shipped
    // levels must stay reproducible by their generator.
    for (const PlanLine& line : {PlanLine{6, 7, 5, 1, 1, 40, 2, 200, 2}, PlanLine{8, 8, 6, 2, 2, 60, 3, 300, 2}}) {
        const Settings settings = settingsOf(line);
        const auto forged = forge(settings);
        ASSERT_TRUE(forged) << "level " << line.level;
        EXPECT_EQ(trimmed(forged->drawing), shippedDrawing(line.level)) << "level " << line.level;
    }
}

TEST(Forge, SeedsPinnedByteForByte)
{
    Settings settings = settingsOf({1, 7, 6, 1, 3, 60, 1000, 60, 1});
    const std::pair<std::uint32_t, Drawing> pinned[] = {
        {3, {"#....##", "#.*o..#", "G....o#", ".#.##S#", ".#.####", ".######"}},
        {11, {"#..####", "#....##", "##...##", "##.o*..", "###S..#", "##.G..."}},
    };
    for (const auto& [seed, drawing] : pinned) {
        settings.seed = seed;
        const auto forged = forge(settings);
        ASSERT_TRUE(forged) << "seed " << seed;
        EXPECT_EQ(forged->drawing, drawing) << "seed " << seed;
    }
}

TEST(FarthestStarts, ACorridorsPositionsByTheirPushesToTheGoal)
{
    const Drawing corridor{"S.*..G"};
    const auto starts = farthestStarts(corridor, PositionSpace(framedLevel(corridor), 100), 5, {});
    ASSERT_EQ(starts.size(), 3u);
    // No object changes anywhere: the fewer pushes first, the player on the first cell it reaches.
    EXPECT_EQ(starts[0].drawing, Drawing{"S...*G"});
    EXPECT_EQ(starts[1].drawing, Drawing{"S..*.G"});
    EXPECT_EQ(starts[2].drawing, Drawing{"S.*..G"});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(starts[i].pushes, i + 1);
        EXPECT_EQ(starts[i].changes, 0);
    }
}

// The walls and the goal, with everything that moves lifted off.
Drawing fixedCells(Drawing drawing)
{
    for (std::string& row : drawing)
        for (char& c : row)
            c = c == '#' || c == 'G' ? c : '.';
    return drawing;
}

TEST(FarthestStarts, EveryStartCanBeWonAndNoSolutionPushesLess)
{
    for (int number : {20, 24}) {
        const Drawing room = shippedDrawing(number);
        const PositionSpace space(framedLevel(room), 10'000);
        ASSERT_TRUE(space.complete());
        int cells = 0;
        const auto starts = farthestStarts(room, space, 40, [&](int n) { return cells++ % n; });
        ASSERT_EQ(starts.size(), 40u) << number;
        for (std::size_t i = 0; i < starts.size(); ++i) {
            SCOPED_TRACE("level " + std::to_string(number) + ", start " + std::to_string(i));
            const Drawing& start = starts[i].drawing;
            for (char piece : std::string("o*S"))
                EXPECT_EQ(cellsOf(start, piece).size(), cellsOf(room, piece).size()) << piece;
            EXPECT_EQ(fixedCells(start), fixedCells(room));
            const Solution solution = solve(framedLevel(start));
            ASSERT_EQ(solution.verdict, Verdict::solvable);
            EXPECT_GE(solution.pushes, starts[i].pushes);
            if (i > 0) {
                EXPECT_LE(starts[i].changes, starts[i - 1].changes);
            }
        }
    }
}

} // namespace
} // namespace kelvaro::forge

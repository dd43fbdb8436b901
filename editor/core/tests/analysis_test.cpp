// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's live check: its read-out, and the worker that drops overtaken requests.
#include "editor/core/tests/editor_fixture.h"

#include "editor/core/analysis_text.h"
#include "editor/core/analysis_worker.h"
#include "level/work/tests/owner_loop.h"

#include <condition_variable>
#include <mutex>

namespace kelvaro::testing {
namespace {

class AnalysisTest : public EditorTest {
protected:
    std::string readOut()
    {
        const EditorLevelAnalysis analysis = analyseEditorLevel(state.level, {});
        return english(analysisText(&analysis, state.texts.timeBox));
    }
    // Start (3, 5), jewel (4, 5), goal (8, 5): one push, a walk, and three more pushes.
    void paintCorridor()
    {
        use(start_tool, 3, 5);
        use(jewel, 4, 5);
        use(goal, 8, 5);
    }
    void boxInTheGoal()
    {
        for (auto [x, y] : {std::pair{8, 4}, {8, 6}, {7, 5}, {9, 5}})
            use(border, x, y);
    }
};

TEST_F(AnalysisTest, TheReadOutFollowsThePainting)
{
    EXPECT_EQ(readOut(), "marks: missing start, jewel, goal");
    use(jewel, 4, 5);
    EXPECT_EQ(readOut(), "marks: missing start, goal");
    paintCorridor();
    EXPECT_EQ(readOut(), "marks: all placed\nframe: closed\n"
                         "solvable: 3 walks + 4 pushes, least time 1.575 s; time limit 75 s is enough (needs 17.4 s)");
    state.texts.timeBox = "17";
    EXPECT_NE(readOut().find("time limit 17 s is too short (needs 17.4 s)"), std::string::npos);
    state.texts.timeBox = "soon";
    EXPECT_NE(readOut().find("the time box holds no whole number"), std::string::npos);

    boxInTheGoal();
    EXPECT_EQ(readOut(), "marks: all placed\nframe: closed\nunsolvable");
    use(blank, 1, 7);
    use(blank, 0, 7);  // a gap in both rings of the frame
    use(blank, 2, 7);
    EXPECT_EQ(readOut(), "marks: all placed\nframe: open at (0, 7)\nnot checked until it can be played");
    use(goal, 4, 5);  // on the jewel: the game would see no jewel
    EXPECT_NE(readOut().find("cells: 0 jewel(s), 1 goal(s)"), std::string::npos);
    EXPECT_EQ(english(analysisText(nullptr, "75")), "checking...");
}

TEST_F(AnalysisTest, TheFittingTimeIsTheRuleRoundedUpToFiveSeconds)
{
    paintCorridor();
    const EditorLevelAnalysis analysis = analyseEditorLevel(state.level, {});
    EXPECT_EQ(fittingTime(analysis), std::optional<int>(20));  // needs 17.4 s
    boxInTheGoal();
    EXPECT_EQ(fittingTime(analyseEditorLevel(state.level, {})), std::nullopt);
}

TEST_F(AnalysisTest, TheSolutionPlaysOnTheCanvasAndStoppingRestoresItExactly)
{
    paintCorridor();
    use(obstacle, 6, 8);
    const AuthorLevel level = state.level;
    const Grid<CanvasPicture> canvas = state.canvas;
    const EditorLevelAnalysis analysis = analyseEditorLevel(state.level, {});
    ASSERT_EQ(analysis.search.outcome, Outcome::solvable);

    state.showSolution(analysis.level, analysis.search.solution.moves);
    EXPECT_EQ(state.canvas.at(3, 5), CanvasPicture::start);
    ASSERT_TRUE(state.stepSolution());  // the first push: the jewel moves, the player stays
    EXPECT_EQ(state.canvas.at(5, 5), CanvasPicture::jewel);
    EXPECT_EQ(state.canvas.at(4, 5), CanvasPicture::blank);
    EXPECT_EQ(state.canvas.at(3, 5), CanvasPicture::start);
    ASSERT_TRUE(state.stepSolution());  // a walk: the player follows
    EXPECT_EQ(state.canvas.at(4, 5), CanvasPicture::start);
    std::size_t steps = 2;
    while (state.stepSolution())
        ++steps;
    EXPECT_EQ(steps, analysis.search.solution.moves.size());
    EXPECT_EQ(state.canvas.at(8, 5), CanvasPicture::jewel);  // on the goal
    EXPECT_EQ(state.level, level);
    state.stopSolution();
    EXPECT_EQ(state.canvas, canvas);
    EXPECT_FALSE(state.showingSolution());

    // An edit stops it first, then applies to the level as edited.
    state.showSolution(analysis.level, analysis.search.solution.moves);
    state.stepSolution();
    use(obstacle, 10, 10);
    EXPECT_FALSE(state.showingSolution());
    EXPECT_EQ(state.canvas.at(4, 5), CanvasPicture::jewel);
    EXPECT_EQ(state.canvas.at(10, 10), CanvasPicture::obstacle);
    ASSERT_TRUE(state.undo());
    EXPECT_EQ(state.canvas, canvas);
}

// Collects what the worker reports on the window's thread, played by the test's thread.
struct Reports {
    OwnerLoop loop;
    std::vector<std::pair<std::uint64_t, Outcome>> got;

    AnalysisWorker::Report report()
    {
        return [this](std::uint64_t generation, const EditorLevelAnalysis& analysis) {
            got.emplace_back(generation, analysis.search.outcome);
        };
    }
    std::vector<std::pair<std::uint64_t, Outcome>> waitFor(std::uint64_t generation)
    {
        loop.runUntil([&] { return !got.empty() && got.back().first == generation; });
        return got;
    }
};

TEST_F(AnalysisTest, AnOvertakenCheckIsNeverReported)
{
    paintCorridor();
    Reports reports;
    // The clock holds the first check at its start until the second request is in.
    std::mutex gate_mutex;
    std::condition_variable gate;
    bool first_started = false, second_sent = false;
    auto clock = [&]() -> std::int64_t {
        std::unique_lock lock(gate_mutex);
        if (!first_started) {
            first_started = true;
            gate.notify_all();
            gate.wait(lock, [&] { return second_sent; });
        }
        return 0;
    };
    AnalysisWorker worker(reports.loop.post(), reports.report(), clock);
    const std::uint64_t first = worker.request(state.level);
    {
        std::unique_lock lock(gate_mutex);
        gate.wait(lock, [&] { return first_started; });
    }
    use(obstacle, 6, 6);
    const std::uint64_t second = worker.request(state.level);
    {
        std::lock_guard lock(gate_mutex);
        second_sent = true;
    }
    gate.notify_all();
    const auto got = reports.waitFor(second);
    EXPECT_GT(second, first);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], std::make_pair(second, Outcome::solvable));
}

TEST_F(AnalysisTest, ACheckOutOfTimeSaysSo)
{
    paintCorridor();
    Reports reports;
    std::atomic<std::int64_t> now{0};
    // Every look at the clock finds ten seconds gone.
    AnalysisWorker worker(reports.loop.post(), reports.report(), [&] { return now += 10'000; }, 5'000);
    const std::uint64_t generation = worker.request(state.level);
    const auto got = reports.waitFor(generation);
    EXPECT_EQ(got.back().second, Outcome::time_limit);
    EditorLevelAnalysis late;
    late.search.outcome = Outcome::time_limit;
    EXPECT_NE(english(analysisText(&late, "75")).find("undecided (time limit)"), std::string::npos);
}

TEST_F(AnalysisTest, AWorkerGoesAwayCleanlyWhileChecking)
{
    paintCorridor();
    Reports reports;
    auto worker = std::make_unique<AnalysisWorker>(reports.loop.post(), reports.report(), [] { return 0; });
    for (int i = 0; i < 20; ++i)
        worker->request(state.level);
    worker.reset();  // joins; a late report would reach a destroyed collector under ASan
    reports.loop.runPosted();  // what it posted before it went does nothing
    EXPECT_LE(reports.got.size(), 20u);
}

} // namespace
} // namespace kelvaro::testing

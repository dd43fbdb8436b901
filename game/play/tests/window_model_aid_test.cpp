// SPDX-License-Identifier: GPL-3.0-or-later
// Take-back keys, hints and the lost-position warning, with the solver's answers held until the test releases them.
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Rows = std::vector<std::string>;

// Keeps every search until the test answers it, as a worker thread would.
class HeldSolver : public SolverPort {
public:
    struct Job {
        GameLevel position;
        std::function<void(const Solution&)> done;
        bool cancelled = false;
    };
    std::vector<Job> jobs;

    void solve(GameLevel position, std::function<void(const Solution&)> done) override
    {
        jobs.push_back({std::move(position), std::move(done)});
    }
    void cancelAll() override
    {
        for (Job& job : jobs)
            job.cancelled = true;
    }
    std::size_t open() const
    {
        return std::count_if(jobs.begin(), jobs.end(), [](const Job& j) { return !j.cancelled && j.done; });
    }
    // Answers the oldest open search with the real solver's verdict, or with `given`.
    void finish(std::optional<Solution> given = std::nullopt)
    {
        for (Job& job : jobs) {
            if (job.cancelled || !job.done)
                continue;
            auto done = std::move(job.done);
            job.done = nullptr;
            done(given ? *given : kelvaro::solve(job.position));
            return;
        }
    }
    // A cancelled search whose answer still arrives, as one may from a thread.
    void finishCancelled()
    {
        for (Job& job : jobs)
            if (job.cancelled && job.done) {
                auto done = std::move(job.done);
                job.done = nullptr;
                done(kelvaro::solve(job.position));
            }
    }
};

struct AidRig : WindowModelRig {
    HeldSolver solver;
    GameWindowModel aided{images,
                          {sound, keys, dialogs, clock.source(), [](int) {}, [] { return std::optional<std::string>(); }, &solver},
                          {levels.loader(), [](int n) { return "maze" + std::to_string(n) + ".txt"; }}};
    Controls& k = aided.controls;
    Engine& e = aided.engine;

    AidRig() { aided.start(); }
    bool run(std::uint32_t ms) { return runFor(aided, clock, ms); }
    void press(char key)
    {
        aided.onCharacterKey(key);
        aided.advance();
    }
    bool play(const Rows& rows, std::int16_t time = 75)
    {
        levels.add(1, levelFrom(rows, time));
        aided.post(Command::newGameItem);
        dialogs.answer("1");
        for (int guard = 0; guard < 10000 && (!e.playing() || e.phase() != Engine::Phase::playing); ++guard)
            run(10);
        return e.phase() == Engine::Phase::playing;
    }
    void act(const std::vector<Key>& held)
    {
        keys.hold(held);
        run(25);
        keys.releaseAll();
        run(300);
    }
    void takeBack()
    {
        press('\b');
        run(30);
    }
};

// The jewel pushed up onto the top row can never come down to the goal.
const Rows pit = {"#######", "##...##", "##.*.##", "##.@.##", "##..G##", "#######"};
const Solution unknown_answer{};

TEST(LostWarning, IsShownOnlyWhenTheSolverProvedTheLevelLost)
{
    struct Case {
        const char* what;
        std::vector<Key> push;
        std::optional<Solution> answer;  // none: the real solver's
        bool lost;
    };
    const Case cases[] = {
        {"jewel pushed onto the top row", {U, C}, std::nullopt, true},
        {"a walk is never judged", {L}, std::nullopt, false},
        {"the search ran out of time", {U, C}, unknown_answer, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AidRig rig;
        ASSERT_TRUE(rig.play(pit));
        rig.act(c.push);
        rig.solver.finish(c.answer);
        EXPECT_EQ(rig.k.lostMarkLabel.visible, c.lost);
        EXPECT_TRUE(rig.e.playing()) << "the game plays on";
    }
}

TEST(LostWarning, ATakeBackClearsItAndASecondPushRestoresIt)
{
    AidRig rig;
    ASSERT_TRUE(rig.play(pit));
    rig.act({U, C});
    ASSERT_EQ(rig.solver.open(), 1u);
    rig.solver.finish();
    ASSERT_TRUE(rig.k.lostMarkLabel.visible);
    rig.takeBack();
    EXPECT_FALSE(rig.k.lostMarkLabel.visible);
    rig.solver.finish();  // the start position is judged again: winnable
    EXPECT_FALSE(rig.k.lostMarkLabel.visible);
    rig.act({U, C});
    rig.solver.finish();
    EXPECT_TRUE(rig.k.lostMarkLabel.visible);
    rig.act({L});  // walking does not save it
    EXPECT_TRUE(rig.k.lostMarkLabel.visible);
    rig.takeBack();  // back over the walk: still the same lost layout
    EXPECT_TRUE(rig.k.lostMarkLabel.visible);
}

TEST(LostWarning, AStaleAnswerNeverShows)
{
    AidRig rig;
    ASSERT_TRUE(rig.play(pit));
    rig.act({U, C});
    rig.takeBack();  // before the answer came
    rig.solver.finishCancelled();
    EXPECT_FALSE(rig.k.lostMarkLabel.visible);
}

TEST(LostWarning, GoesWhenTheLevelEndsOrRestarts)
{
    for (const char* how : {"restart", "time up"}) {
        SCOPED_TRACE(how);
        AidRig rig;
        ASSERT_TRUE(rig.play(pit, 3));
        rig.act({U, C});
        rig.solver.finish();
        ASSERT_TRUE(rig.k.lostMarkLabel.visible);
        if (std::string(how) == "restart") {
            rig.aided.post(Command::restartLevelItem);
            rig.dialogs.answer("yes");
        } else {
            rig.run(3000);
            ASSERT_TRUE(rig.k.gameOverLabel.visible);
        }
        EXPECT_FALSE(rig.k.lostMarkLabel.visible);
    }
}

TEST(Hint, OutlinesTheNextPushForTwoSecondsWhileTheGamePlaysOn)
{
    AidRig rig;
    ASSERT_TRUE(rig.play(pit));
    rig.press('h');
    ASSERT_EQ(rig.solver.open(), 1u);
    rig.act({L});  // play goes on while the solver thinks
    rig.solver.finish();
    ASSERT_EQ(rig.solver.open(), 1u) << "asked again from where the player now stands";
    EXPECT_FALSE(rig.k.hintOutline.visible);
    rig.solver.finish();
    // The only way on: from (2, 2) push the jewel right.
    EXPECT_EQ(rig.k.hintOutline, (HintOutline{true, 3, 2, 2, 2}));
    rig.run(1900);
    EXPECT_TRUE(rig.k.hintOutline.visible);
    rig.run(200);
    EXPECT_FALSE(rig.k.hintOutline.visible);
    EXPECT_TRUE(rig.dialogs.opened.size() == 1) << "only the level's input box";
}

TEST(Hint, SaysWhenTheLevelIsLostOrNoHintWasFound)
{
    struct Case {
        const char* what;
        std::vector<Key> before;
        std::optional<Solution> answer;
        const char* text;
    };
    const Case cases[] = {
        {"lost", {U, C}, std::nullopt, kLostText},
        {"undecided", {}, unknown_answer, kNoHintText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AidRig rig;
        ASSERT_TRUE(rig.play(pit));
        if (!c.before.empty())
            rig.act(c.before);
        rig.press('H');
        while (rig.solver.open() > 0)
            rig.solver.finish(c.answer);
        ASSERT_TRUE(rig.dialogs.isOpen());
        EXPECT_EQ(rig.dialogs.current().text, c.text);
        EXPECT_TRUE(rig.e.suspended()) << "the box suspends play";
        rig.dialogs.answer("");
        EXPECT_FALSE(rig.e.suspended());
    }
}

TEST(Hint, IsIgnoredWhilePausedAndHiddenByAPause)
{
    AidRig rig;
    ASSERT_TRUE(rig.play(pit));
    rig.press('p');
    rig.press('h');
    EXPECT_EQ(rig.solver.open(), 0u);
    rig.press('p');
    rig.aided.post(Command::hintItem);
    rig.solver.finish();
    ASSERT_TRUE(rig.k.hintOutline.visible);
    rig.press('p');
    EXPECT_FALSE(rig.k.hintOutline.visible);
}

TEST(TakeBackKeys, BackspaceAndUTakeBackButTheCountdownRunsOn)
{
    AidRig rig;
    ASSERT_TRUE(rig.play(pit, 60));
    rig.act({L});
    rig.act({U});
    rig.run(1000 - 650 + 25);
    const std::int16_t before = rig.e.timeleft();
    rig.takeBack();
    rig.press('u');
    rig.run(30);
    EXPECT_EQ(rig.e.playerx(), 3);
    EXPECT_EQ(rig.e.playery(), 3);
    EXPECT_EQ(rig.e.timeleft(), before) << "no time given back";
    rig.run(1000);
    EXPECT_EQ(rig.e.timeleft(), before - 1) << "and the countdown goes on";
}

} // namespace
} // namespace kelvaro

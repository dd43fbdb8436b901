// SPDX-License-Identifier: GPL-3.0-or-later
// Each level's par, searched once for the Records window and the chooser together, over the levels in play.
#include "game/play/tests/window_model_fakes.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// Answers at once, counting the searches; a held search never answers, as one cancelled.
class CountingSolver : public InlineSolver {
public:
    int searches = 0;
    bool hold = false;
    void solve(GameLevel position, std::function<void(const Solution&)> done) override
    {
        ++searches;
        if (!hold)
            InlineSolver::solve(std::move(position), std::move(done));
    }
};

struct ParRig : WindowModelRig {
    CountingSolver solver;
    GameWindowModel counted{images,
                            {sound, keys, dialogs, clock.source(), [](int) {}, [] { return std::optional<std::string>(); }, &solver},
                            shelf()};
    static GameLevel onePush() { return levelFrom({"#######", "##@*G##", "#######"}, 40); }

    ParRig() { counted.start(); }
    void look(Command command)
    {
        counted.post(command);
        counted.advance();
    }
};

TEST(Par, ALevelFilePlayedAtOnceIsTheOneLevelTheRecordsWindowLists)
{
    ParRig rig;
    for (int n = 1; n <= 50; ++n)
        rig.levels.add(n, ParRig::onePush());  // every number reads the one file
    rig.counted.setPlayedSet(PlayedSet(PlayedSet().set(), "/tmp/test-play.txt"));
    rig.look(Command::recordsItem);
    ASSERT_EQ(rig.dialogs.records.rows.size(), 1u);
    EXPECT_EQ(rig.dialogs.records.rows.at(0).level, 1);
    EXPECT_EQ(rig.solver.searches, 1);
    EXPECT_EQ(rig.counted.playedSet().highest(), PlayedSet::builtin_levels) << "New game keeps its numbers";
    EXPECT_EQ(rig.counted.playedSet().file(7), "/tmp/test-play.txt");
}

TEST(Par, TheRecordsWindowAndTheChooserShareOneSearchPerLevel)
{
    ParRig rig;
    for (int n = 1; n <= 50; ++n)
        rig.levels.add(n, ParRig::onePush());  // fifty files of one content
    rig.look(Command::recordsItem);
    ASSERT_EQ(rig.dialogs.records.rows.size(), 50u);
    EXPECT_EQ(rig.solver.searches, 1) << "one content, one search";
    rig.look(Command::chooseLevelItem);
    ASSERT_TRUE(rig.dialogs.chooser.has_value());
    EXPECT_EQ(rig.dialogs.chooser->figures(ParRig::onePush()).par, 1);
    EXPECT_EQ(rig.solver.searches, 1) << "the chooser finds the par the Records window asked for";
    rig.dialogs.answer("");
    rig.look(Command::recordsItem);
    EXPECT_EQ(rig.dialogs.records.rows.at(49).par, 1);
    EXPECT_EQ(rig.solver.searches, 1);
}

TEST(Par, ASearchThatNeverAnsweredIsAskedAgainAtTheNextLookOnly)
{
    ParRig rig;
    rig.solver.hold = true;
    rig.levels.add(1, ParRig::onePush());
    rig.look(Command::chooseLevelItem);
    ASSERT_TRUE(rig.dialogs.chooser.has_value());
    const auto figures = rig.dialogs.chooser->figures;
    EXPECT_FALSE(figures(ParRig::onePush()).par);
    EXPECT_FALSE(figures(ParRig::onePush()).par_unknown);
    EXPECT_EQ(rig.solver.searches, 1) << "shown twice, asked once";
    rig.dialogs.answer("");
    rig.solver.hold = false;
    rig.look(Command::recordsItem);
    EXPECT_EQ(rig.solver.searches, 2);
    rig.look(Command::chooseLevelItem);
    EXPECT_EQ(rig.dialogs.chooser->figures(ParRig::onePush()).par, 1);
    EXPECT_EQ(rig.solver.searches, 2) << "answered: never asked again";
}

} // namespace
} // namespace kelvaro

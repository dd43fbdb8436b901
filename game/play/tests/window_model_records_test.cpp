// SPDX-License-Identifier: GPL-3.0-or-later
// The records in play: written after a win, shown in their window, a damaged file said once.
#include "game/records/tests/records_files.h"
#include "game/play/tests/window_model_fakes.h"
#include "level/level_digest.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// The window model with a records file and a Records window that remembers what it showed.
class RecordingDialogs : public FakeDialogs {
public:
    std::vector<RecordRow> rows;
    int records_opened = 0;
    RecordsShown last;
    void showRecords(const RecordsShown& shown, std::function<void()> done) override
    {
        rows = shown.rows;
        last = shown;
        ++records_opened;
        close_records = std::move(done);  // stays open until the test closes it
    }
    std::function<void()> close_records;
    void updateRecords(const RecordsShown& shown) override
    {
        rows = shown.rows;
        last = shown;
    }
};

struct RecordsRig : WindowModelRig {
    TempDir dir;
    fs::path file = dir.path / "kelvaro" / "records.txt";
    RecordingDialogs boxes;
    GameWindowModel kept{images, {sound, keys, boxes, clock.source(), [](int) {}},
                         {levels.loader(), [](int n) { return "maze" + std::to_string(n) + ".txt"; }},
                         {file}};

    RecordsRig() { kept.start(); }
    // Level `number`: the jewel one push from the goal, and a time of its own, so that every
    // number is a level of its own content.
    static GameLevel numbered(int number)
    {
        return levelFrom({"#########", "##@..*G##", "#########"}, static_cast<std::int16_t>(80 + number));
    }
    static std::string digest(int number) { return levelDigest(numbered(number)); }
    bool run(std::uint32_t ms) { return runFor(kept, clock, ms); }
    // Plays level `number` (the jewel one push from the goal) and wins it after `walks` walks.
    void win(int number, int walks, std::uint32_t wait_ms)
    {
        levels.add(number, numbered(number));
        kept.post(Command::newGameItem);
        boxes.answer(std::to_string(number));
        for (int guard = 0; guard < 1000 && kept.engine.phase() != Engine::Phase::playing; ++guard)
            run(10);
        run(wait_ms);
        for (int i = 0; i < walks; ++i) {
            keys.hold({i % 2 ? Key::left : Key::right});
            run(25);
            keys.releaseAll();
            run(300);
        }
        while (kept.engine.playerx() < 4) {
            keys.hold({Key::right});
            run(25);
            keys.releaseAll();
            run(300);
        }
        keys.hold({Key::ctrl});
        run(25);
        keys.releaseAll();
        run(300);
    }
};

TEST(RecordsInPlay, AWinIsWrittenAndOnlyABetterOneImprovesIt)
{
    RecordsRig rig;
    rig.win(4, 0, 0);
    ASSERT_TRUE(rig.kept.controls.winnerLabel.visible);
    Records read(rig.file);
    ASSERT_FALSE(read.load());
    const PlayerRecord first = read.at(RecordsRig::digest(4));
    EXPECT_TRUE(first.solved);
    EXPECT_GE(first.best_time_left, 74);
    EXPECT_EQ(first.fewest_actions, 3);

    rig.win(4, 2, 3000);  // slower and longer: kept
    Records again(rig.file);
    ASSERT_FALSE(again.load());
    EXPECT_EQ(again.at(RecordsRig::digest(4)), first);
    EXPECT_TRUE(rig.boxes.opened.size() == 2) << "only the two input boxes";

    rig.kept.post(Command::recordsItem);
    ASSERT_EQ(rig.boxes.records_opened, 1);
    const RecordRow& row = rig.boxes.rows.at(3);
    EXPECT_EQ(row.level, 4);
    EXPECT_TRUE(row.solved);
    EXPECT_EQ(row.fewest_actions, 3);
    EXPECT_EQ(row.par, 3) << "walk, walk, push";
    EXPECT_TRUE(rig.boxes.rows.at(0).par_unknown) << "level 1 has no file here";
}

TEST(RecordsInPlay, TheRecordsWindowShowsWinsAnotherCopyAddedSince)
{
    RecordsRig rig;
    rig.win(4, 0, 0);
    Records other(rig.file);
    ASSERT_FALSE(other.load());
    rig.levels.add(9, RecordsRig::numbered(9));
    other.recordWin(RecordsRig::digest(9), 12, 34);
    ASSERT_FALSE(other.save());

    rig.kept.post(Command::recordsItem);
    ASSERT_EQ(rig.boxes.records_opened, 1);
    EXPECT_TRUE(rig.boxes.rows.at(3).solved);
    EXPECT_TRUE(rig.boxes.rows.at(8).solved);
    EXPECT_EQ(rig.boxes.rows.at(8).fewest_actions, 34);
}

// A record belongs to the level's content: the same level under another number (as in another
// set, or played from its file) shows the win; the level changed in any way starts afresh.
TEST(RecordsInPlay, TheSameLevelAnywhereShowsOneRecordAndAChangedOneStartsAfresh)
{
    RecordsRig rig;
    rig.win(4, 0, 0);
    rig.levels.add(12, RecordsRig::numbered(4));
    GameLevel changed = RecordsRig::numbered(4);
    changed.maze.at(3, 0) = 0;  // a cell of the outer frame: nobody sees it, yet the level is another
    rig.levels.add(13, changed);
    rig.kept.post(Command::recordsItem);
    ASSERT_EQ(rig.boxes.records_opened, 1);
    EXPECT_TRUE(rig.boxes.rows.at(11).solved);
    EXPECT_EQ(rig.boxes.rows.at(11).fewest_actions, rig.boxes.rows.at(3).fewest_actions);
    EXPECT_FALSE(rig.boxes.rows.at(12).solved);
}

// The chooser finds a level's figures by its content too, whatever set it comes from.
TEST(RecordsInPlay, TheChooserShowsEachLevelsRecordAndParByItsContent)
{
    RecordsRig rig;
    rig.win(4, 0, 0);
    rig.kept.post(Command::chooseLevelItem);
    ASSERT_TRUE(rig.boxes.chooser.has_value());
    const auto figures = rig.boxes.chooser->figures;
    const LevelFigures won = figures(RecordsRig::numbered(4));
    EXPECT_TRUE(won.solved);
    EXPECT_EQ(won.fewest_actions, 3);
    EXPECT_GE(won.best_time_left, 80);
    EXPECT_EQ(won.par, 3);
    EXPECT_EQ(figures(RecordsRig::numbered(4)), won);
    const LevelFigures other = figures(RecordsRig::numbered(5));
    EXPECT_FALSE(other.solved);
    EXPECT_EQ(other.par, 3);
    EXPECT_FALSE(figures(levelFrom({"########", "##@o*G##", "########"})).par) << "a crate in the way: no par";
    EXPECT_TRUE(figures(levelFrom({"########", "##@o*G##", "########"})).par_unknown);
}

// The Records window lists the set in play, read again each time it opens.
TEST(RecordsInPlay, TheRecordsWindowListsTheSetInPlay)
{
    RecordsRig rig;
    rig.win(2, 0, 0);  // level 2 of the shipped fifty
    LevelSet three;
    three.folder = "/sets/three";
    for (int n : {1, 2, 3})
        three.levels.push_back({n, three.folder / ("maze" + std::to_string(n) + ".txt")});
    rig.kept.setLevelSet(three);
    rig.levels.add(3, RecordsRig::numbered(2));  // the same level as number 3 of the set
    rig.kept.post(Command::recordsItem);
    ASSERT_EQ(rig.boxes.rows.size(), 3u);
    EXPECT_TRUE(rig.boxes.rows.at(1).solved);
    EXPECT_TRUE(rig.boxes.rows.at(2).solved);
    EXPECT_FALSE(rig.boxes.rows.at(0).solved);
}

TEST(RecordsInPlay, ADamagedFileIsSaidOnceAndPlayGoesOn)
{
    RecordsRig rig;
    fs::create_directories(rig.file.parent_path());
    spit(rig.file, "not records");
    rig.win(4, 0, 0);
    ASSERT_TRUE(rig.boxes.isOpen());
    EXPECT_NE(rig.boxes.current().text.find("set aside"), std::string::npos);
    rig.boxes.answer("");
    rig.win(5, 0, 0);
    EXPECT_FALSE(rig.boxes.isOpen());
    Records read(rig.file);
    ASSERT_FALSE(read.load());
    EXPECT_TRUE(read.at(RecordsRig::digest(4)).solved && read.at(RecordsRig::digest(5)).solved);
    EXPECT_EQ(slurp(rig.file.string() + ".damaged"), "not records");
}

// A damaged solutions file is set aside and said like the records', and the win is kept afresh.
TEST(RecordsInPlay, ADamagedSolutionsFileIsSetAsideAndSaid)
{
    RecordsRig rig;
    const fs::path file = solutionsFile(rig.file);
    fs::create_directories(file.parent_path());
    spit(file, "kelvaro solutions 1\n0000000000000001 9 rrQ\n");
    rig.win(4, 0, 0);
    ASSERT_TRUE(rig.boxes.isOpen());
    EXPECT_NE(rig.boxes.current().text.find("solutions file"), std::string::npos) << rig.boxes.current().text;
    EXPECT_NE(rig.boxes.current().text.find("line 2"), std::string::npos) << rig.boxes.current().text;
    rig.boxes.answer("");
    EXPECT_EQ(slurp(file.string() + ".damaged"), "kelvaro solutions 1\n0000000000000001 9 rrQ\n");
    Solutions read(file, rig.file);
    ASSERT_FALSE(read.load());
    EXPECT_EQ(read.at(RecordsRig::digest(4)).fewest, (KeptSolution{"rrR", rig.kept.engine.timeleft()}));
}

TEST(RecordsInPlay, WithoutAWritableFolderTheGameIsPlayableAndSaysSoOnce)
{
    RecordsRig rig;
    spit(rig.dir.path / "kelvaro", "a file where the folder should be");
    rig.win(4, 0, 0);
    ASSERT_TRUE(rig.boxes.isOpen());
    EXPECT_NE(rig.boxes.current().text.find("cannot be kept"), std::string::npos);
    rig.boxes.answer("");
    rig.win(5, 0, 0);
    EXPECT_FALSE(rig.boxes.isOpen()) << "said once";
    EXPECT_TRUE(rig.kept.controls.winnerLabel.visible);
}

// Every win keeps its moves beside the records, merged with what another copy kept since; the
// Records window counts the kept solution, and the chooser tells it is there.
TEST(RecordsInPlay, AWinsMovesAreKeptBesideAnotherCopysAndCounted)
{
    RecordsRig rig;
    const fs::path file = solutionsFile(rig.file);
    Solutions other(file, rig.file);
    ASSERT_TRUE(other.recordWin(RecordsRig::digest(4), *readMoves("rlrlrrR"), 500));
    ASSERT_FALSE(other.save());
    rig.win(4, 2, 0);  // walks right, left, then right to the jewel and the push
    rig.win(4, 0, 0);
    Solutions read(file, rig.file);
    ASSERT_FALSE(read.load());
    EXPECT_EQ(read.at(RecordsRig::digest(4)).fewest, (KeptSolution{"rrR", rig.kept.engine.timeleft()})) << slurp(file);
    EXPECT_EQ(read.at(RecordsRig::digest(4)).most_time, (KeptSolution{"rlrlrrR", 500})) << slurp(file);

    InlineSolver solver;
    Boxes boxes(rig.kept.engine, rig.boxes);
    RecordsService fresh({rig.file}, solver, boxes);
    EXPECT_EQ(fresh.keptSolution(RecordsRig::digest(4)), "rrR");
    EXPECT_FALSE(fresh.keptSolution(RecordsRig::digest(5)));

    rig.kept.post(Command::recordsItem);
    ASSERT_EQ(rig.boxes.records_opened, 1);
    EXPECT_EQ(rig.boxes.rows.at(3).kept, (WinStatistics{3, 1, 0, 1}));
    EXPECT_FALSE(rig.boxes.rows.at(4).kept);
    rig.boxes.close_records();
    rig.kept.post(Command::chooseLevelItem);
    ASSERT_TRUE(rig.boxes.chooser.has_value());
    EXPECT_TRUE(rig.boxes.chooser->figures(RecordsRig::numbered(4)).solution_kept);
    EXPECT_FALSE(rig.boxes.chooser->figures(RecordsRig::numbered(5)).solution_kept);
}

// A level whose solution was shown is seen, not solved, until the player wins it; a solved
// level stays solved whatever is shown of it.
TEST(RecordsInPlay, AShownLevelIsSeenUntilWon)
{
    RecordsRig rig;
    InlineSolver solver;
    Boxes boxes(rig.kept.engine, rig.boxes);
    RecordsService shown({rig.file}, solver, boxes);
    rig.levels.add(4, RecordsRig::numbered(4));
    shown.markSeen(RecordsRig::digest(4));
    rig.kept.post(Command::recordsItem);
    ASSERT_EQ(rig.boxes.records_opened, 1);
    EXPECT_TRUE(rig.boxes.rows.at(3).seen);
    EXPECT_FALSE(rig.boxes.rows.at(3).solved);
    rig.boxes.close_records();

    rig.win(4, 0, 0);
    shown.markSeen(RecordsRig::digest(4));
    Records read(rig.file);
    ASSERT_FALSE(read.load());
    EXPECT_TRUE(read.at(RecordsRig::digest(4)).solved);
    EXPECT_FALSE(read.at(RecordsRig::digest(4)).seen);
}

// Through the window: a solution shown plays to WINNER! and leaves the level seen, not solved;
// the player's own win then keeps its moves, and Replay plays them to WINNER! with no key
// pressed, changing no record.
TEST(RecordsInPlay, AShownSolutionIsNoWinAndAReplayPlaysTheKeptOne)
{
    RecordsRig rig;
    rig.levels.add(4, RecordsRig::numbered(4));
    rig.kept.post(Command::newGameItem);
    rig.boxes.answer("4");
    for (int guard = 0; guard < 1000 && rig.kept.engine.phase() != Engine::Phase::playing; ++guard)
        rig.run(10);
    rig.kept.post(Command::replayItem);
    ASSERT_TRUE(rig.boxes.isOpen());
    EXPECT_EQ(rig.boxes.current().text, "No solution of yours is kept for this level yet.");
    rig.boxes.answer("");
    rig.kept.post(Command::showSolutionItem);
    rig.boxes.answer("yes");
    rig.run(3000);
    ASSERT_TRUE(rig.kept.controls.winnerLabel.visible);
    Records read(rig.file);
    ASSERT_FALSE(read.load());
    EXPECT_TRUE(read.at(RecordsRig::digest(4)).seen);
    EXPECT_FALSE(read.at(RecordsRig::digest(4)).solved);

    rig.win(4, 2, 0);
    ASSERT_TRUE(rig.kept.controls.winnerLabel.visible);
    const std::size_t boxes_before = rig.boxes.opened.size();
    rig.kept.post(Command::replayItem);
    for (int guard = 0; guard < 1000 && rig.kept.engine.phase() != Engine::Phase::playing; ++guard)
        rig.run(10);
    EXPECT_FALSE(rig.kept.controls.winnerLabel.visible);
    rig.run(4000);
    EXPECT_TRUE(rig.kept.controls.winnerLabel.visible);
    EXPECT_EQ(rig.kept.engine.movesMade(), 5u) << "the kept win's own moves";
    EXPECT_EQ(rig.boxes.opened.size(), boxes_before) << "no box on the way";
    Records after(rig.file);
    ASSERT_FALSE(after.load());
    EXPECT_TRUE(after.at(RecordsRig::digest(4)).solved);
    EXPECT_EQ(after.at(RecordsRig::digest(4)).fewest_actions, 5);
}

} // namespace
} // namespace kelvaro

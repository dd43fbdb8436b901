// SPDX-License-Identifier: GPL-3.0-or-later
// The solutions kept beside the records, and the seen mark of a level whose solution was shown.
#include "game/records/records.h"
#include "game/records/solutions.h"
#include "game/records/tests/records_files.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

std::vector<Action> moves(const char* text) { return readMoves(text).value(); }

// Two games on one folder, each winning the same level its own way: what each wrote survives the
// other's write, and the fewest actions and the most time left are each chosen on their own.
TEST(Solutions, TwoCopiesKeepTheFewestActionsAndTheMostTimeLeft)
{
    TempDir dir;
    const fs::path records = dir.path / "records.txt";
    const fs::path file = solutionsFile(records);
    EXPECT_EQ(file, dir.path / "solutions.txt");
    Solutions a(file, records), b(file, records);
    ASSERT_FALSE(a.load());
    ASSERT_FALSE(b.load());
    ASSERT_TRUE(a.recordWin(key(1), moves("rrRuL"), 20));
    ASSERT_FALSE(a.save());
    ASSERT_TRUE(b.recordWin(key(1), moves("rrrrRRlUdL"), 45));  // slower in actions, quicker in time
    ASSERT_TRUE(b.recordWin(key(2), moves("dD"), 9));
    ASSERT_FALSE(b.save());
    EXPECT_FALSE(a.recordWin(key(1), moves("rrRuLrl"), 20)) << "worse in both";
    EXPECT_TRUE(a.recordWin(key(1), moves("rRuL"), 3)) << "fewer actions, though slow";
    ASSERT_FALSE(a.save());

    Solutions read(file, records);
    ASSERT_FALSE(read.load());
    const LevelSolutions one = read.at(key(1));
    EXPECT_EQ(one.fewest, (KeptSolution{"rRuL", 3})) << slurp(file);
    EXPECT_EQ(one.most_time, (KeptSolution{"rrrrRRlUdL", 45})) << slurp(file);
    EXPECT_EQ(read.at(key(2)).fewest, read.at(key(2)).most_time) << "one win that is both";
    const std::string written = slurp(file);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 2 + 3) << "and written once: " << written;
    EXPECT_FALSE(read.at(key(3)).fewest);
    ASSERT_TRUE(readMoves(one.most_time->moves));
    EXPECT_EQ(movesText(*readMoves(one.most_time->moves)), "rrrrRRlUdL");

    // Equal in actions, the one with more time left; equal in time, the one in fewer actions.
    EXPECT_TRUE(read.recordWin(key(1), moves("lLrR"), 4));
    EXPECT_TRUE(read.recordWin(key(1), moves("rrrRRlUdL"), 45));
    EXPECT_EQ(read.at(key(1)), (LevelSolutions{KeptSolution{"lLrR", 4}, KeptSolution{"rrrRRlUdL", 45}}));
    EXPECT_FALSE(read.recordWin("not a digest", moves("r"), 1));
    EXPECT_FALSE(read.recordWin(key(4), {}, 1)) << "no moves, no solution";
}

TEST(Solutions, ADamagedFileIsSetAsideAndThePlayerTold)
{
    TempDir dir;
    const fs::path records = dir.path / "records.txt";
    const fs::path file = solutionsFile(records);
    const std::pair<const char*, const char*> damaged[] = {
        {"kelvaro solutions 1\n0000000000000001 10 rrX\n", "line 2"},       // not a move
        {"kelvaro solutions 1\n# fine\n\n0000000000000001 10\n", "line 4"},  // no moves
        {"kelvaro solutions 1\n0000000000000001 70000 rR\n", "line 2"},     // time out of range
        {"kelvaro solutions 1\n000000000000000G 10 rR\n", "line 2"},        // not a digest
        {"kelvaro solutions 1\n0000000000000001 10 rR r\n", "line 2"},      // more than moves
        {"kelvaro records 2\n", "line 1"},
    };
    for (const auto& [text, where] : damaged) {
        spit(file, text);
        Solutions solutions(file, records);
        const std::optional<std::string> said = inEnglish(solutions.load());
        ASSERT_TRUE(said) << text;
        EXPECT_NE(said->find("solutions file"), std::string::npos) << *said;
        EXPECT_NE(said->find(where), std::string::npos) << *said;
        EXPECT_FALSE(fs::exists(file));
        // A win after it starts a fresh file; the damaged one stays where it was put.
        ASSERT_TRUE(solutions.recordWin(key(1), moves("rR"), 5));
        EXPECT_FALSE(solutions.save());
        EXPECT_EQ(Solutions(file, records).at(key(1)), LevelSolutions{}) << "not read yet";
    }
    EXPECT_EQ(slurp(dir.path / "solutions.txt.damaged"), std::string(damaged[0].first));
    EXPECT_EQ(slurp(dir.path / "solutions.txt.damaged-6"), std::string(damaged[5].first));
    Solutions back(file, records);
    ASSERT_FALSE(back.load());
    EXPECT_EQ(back.at(key(1)).fewest, (KeptSolution{"rR", 5}));
}

// Shown a solution, a level is seen, not solved, in every copy; a win without help afterwards
// makes it solved, and a level solved before stays solved.
TEST(Records, ASeenLevelIsNotSolvedUntilWon)
{
    TempDir dir;
    const fs::path file = dir.path / "records.txt";
    Records a(file), b(file);
    ASSERT_TRUE(a.recordWin(key(1), 10, 5));
    EXPECT_FALSE(a.markSeen(key(1))) << "solved already";
    EXPECT_TRUE(a.markSeen(key(2)));
    EXPECT_FALSE(a.markSeen(key(2)));
    EXPECT_FALSE(a.markSeen("nothing"));
    ASSERT_FALSE(a.save());

    ASSERT_FALSE(b.load());
    EXPECT_EQ(b.at(key(1)), (PlayerRecord{true, 10, 5}));
    EXPECT_EQ(b.at(key(2)), (PlayerRecord{false, 0, 0, true})) << slurp(file);
    ASSERT_TRUE(b.recordWin(key(2), 3, 40));
    ASSERT_FALSE(b.save());
    ASSERT_FALSE(a.save()) << "a's stale seen mark yields to b's win";
    Records read(file);
    ASSERT_FALSE(read.load());
    EXPECT_EQ(read.at(key(2)), (PlayerRecord{true, 3, 40})) << slurp(file);

    int bad_line = 0;
    EXPECT_TRUE(Records::parse("kelvaro records 2\n0000000000000001 3 4\n", bad_line)) << "files before the mark";
    for (const char* text : {"kelvaro records 2\nseen 0000000000000001 3\n", "kelvaro records 2\nseen 1\n",
                             "kelvaro records 2\nseen 0000000000000001\n0000000000000001 3 4\n",
                             "kelvaro records 1\nseen 0000000000000001\n"})
        EXPECT_FALSE(Records::parse(text, bad_line)) << text;
}

} // namespace
} // namespace kelvaro

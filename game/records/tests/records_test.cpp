// SPDX-License-Identifier: GPL-3.0-or-later
// The records file: improved only by better wins, kept whole-or-nothing, a damaged file set aside,
// and two games on one file keeping each other's wins.
#include "game/records/records.h"
#include "game/records/tests/records_files.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace kelvaro {
namespace {

TEST(Records, KeepTheBestTimeAndTheFewestActionsEachOnItsOwn)
{
    struct Win {
        int time_left, actions;
        bool improves;
        PlayerRecord after;
    };
    const Win wins[] = {
        {30, 40, true, {true, 30, 40}},   // the first win
        {20, 50, false, {true, 30, 40}},  // worse in both: kept
        {35, 45, true, {true, 35, 40}},   // more time left
        {10, 25, true, {true, 35, 25}},   // fewer actions
        {35, 25, false, {true, 35, 25}},  // equal: nothing to write
    };
    Records records({});
    for (const Win& w : wins) {
        EXPECT_EQ(records.recordWin(key(7), w.time_left, w.actions), w.improves);
        EXPECT_EQ(records.at(key(7)), w.after);
    }
    EXPECT_FALSE(records.at(key(8)).solved);
    EXPECT_FALSE(records.recordWin("7", 1, 1)) << "not a level's digest";
    EXPECT_FALSE(records.recordWin("000000000000000G", 1, 1));
}

TEST(Records, ReadBackWhatWasWrittenAndRejectAnythingElse)
{
    Records records({});
    records.recordWin(key(1), 12, 30);
    records.recordWin(key(50), -3, 0);
    int bad_line = -1;
    const std::optional<Records> back = Records::parse(records.text(), bad_line);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->at(key(1)), records.at(key(1)));
    EXPECT_EQ(back->at(key(50)), records.at(key(50)));
    EXPECT_EQ(bad_line, 0);

    const std::pair<const char*, int> damaged[] = {
        {"", 1},
        {"kelvaro records 3\n", 1},
        {"kelvaro records 2\n0000000000000001 2\n", 2},
        {"kelvaro records 2\n0000000000000001 2 3 4\n", 2},
        {"kelvaro records 2\n# note\n000000000000001 2 3\n", 3},
        {"kelvaro records 2\n00000000000000AB 2 3\n", 2},
        {"kelvaro records 2\n0000000000000003 2 -1\n", 2},
        {"kelvaro records 2\n0000000000000003 99999 1\n", 2},
        {"kelvaro records 2\n0000000000000003 2 1\n0000000000000003 5 1\n", 3},
        {"kelvaro records 2\nlevel 51 2 3\n", 2},
        {"kelvaro records 2\nlevel 3 2 1\nlevel 3 2 1\n", 3},
        {"kelvaro records 1\n0 2 3\n", 2},
        {"kelvaro records 1\n3 two 1\n", 2},
    };
    for (const auto& [text, line] : damaged) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Records::parse(text, bad_line));
        EXPECT_EQ(bad_line, line);
    }
}

// Daily puzzles are kept by date in the same file: read back, merged between two copies,
// damaged dates refused, and the runs counted as the calendar runs (across a month's end).
TEST(Records, DailyPuzzlesAreKeptByDateAndCountedInRuns)
{
    using namespace std::chrono;
    const auto day = [](int y, unsigned m, unsigned d) { return year_month_day{year(y), month(m), std::chrono::day(d)}; };
    TempDir dir;
    Records a(dir.path / "records.txt"), b(dir.path / "records.txt");
    for (unsigned d : {28U, 29U, 30U})
        EXPECT_TRUE(a.recordDay(day(2026, 11, d), 40, 30));
    EXPECT_FALSE(a.recordDay(day(2026, 11, 30), 20, 35)) << "no better";
    EXPECT_FALSE(a.recordDay(day(2026, 2, 30), 1, 1)) << "no such day";
    EXPECT_FALSE(a.save());
    for (unsigned d : {1U, 2U, 5U})
        b.recordDay(day(2026, 12, d), 50, 20);
    EXPECT_FALSE(b.save());
    ASSERT_FALSE(a.load());
    EXPECT_EQ(a.onDay(day(2026, 12, 2)), (PlayerRecord{true, 50, 20}));
    EXPECT_EQ(a.days().front().first, day(2026, 12, 5)) << "latest first";

    const std::pair<year_month_day, DailyTally> tallies[] = {
        {day(2026, 12, 2), {5, 5, 5}},   // 28 Nov to 2 Dec
        {day(2026, 12, 3), {5, 5, 5}},   // today still open
        {day(2026, 12, 4), {5, 0, 5}},   // 3 Dec missed
        {day(2026, 12, 6), {6, 1, 5}},
        {day(2026, 11, 29), {2, 2, 2}},  // a clock set back
    };
    for (const auto& [today, tally] : tallies)
        EXPECT_EQ(a.dailyTally(today), tally) << static_cast<unsigned>(today.day());

    int bad_line = 0;
    for (const char* text : {"kelvaro records 2\nday 2026-02-30 1 1\n", "kelvaro records 2\nday 2026-1-05 1 1\n",
                             "kelvaro records 2\nday 2026-12-05 1\n",
                             "kelvaro records 2\nday 2026-12-05 1 1\nday 2026-12-05 2 1\n"})
        EXPECT_FALSE(Records::parse(text, bad_line)) << text;
}

TEST(Records, ADamagedOrUnreadableFileIsSetAsideNeverDeleted)
{
    TempDir dir;
    const fs::path file = dir.path / "records.txt";
    spit(file, "kelvaro records 1\n3 oops\n");
    spit(dir.path / "records.txt.damaged", "an earlier one");
    Records records(file);
    const std::optional<std::string> said = inEnglish(records.load());
    ASSERT_TRUE(said);
    EXPECT_NE(said->find("line 2"), std::string::npos) << *said;
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(slurp(dir.path / "records.txt.damaged"), "an earlier one");
    EXPECT_EQ(slurp(dir.path / "records.txt.damaged-2"), "kelvaro records 1\n3 oops\n");
    EXPECT_FALSE(records.at(key(3)).solved);

    fs::create_directory(file);  // cannot be read as a file
    Records again(file);
    EXPECT_TRUE(again.load());
    EXPECT_TRUE(fs::is_directory(dir.path / "records.txt.damaged-3"));

    Records none(dir.path / "absent.txt");
    EXPECT_FALSE(none.load()) << "no file yet is an empty start, not a problem";

    // Damaged after this copy read it: the save, which reads it again, sets it aside too.
    const fs::path late = dir.path / "late.txt";
    Records saver(late);
    ASSERT_FALSE(saver.load());
    saver.recordWin(key(5), 1, 2);
    spit(late, "kelvaro records 1\n5 x\n");
    const std::optional<std::string> note = inEnglish(saver.save());
    ASSERT_TRUE(note);
    EXPECT_NE(note->find("set aside"), std::string::npos) << *note;
    EXPECT_EQ(slurp(dir.path / "late.txt.damaged"), "kelvaro records 1\n5 x\n");
    Records back(late);
    ASSERT_FALSE(back.load());
    EXPECT_TRUE(back.at(key(5)).solved) << "and what it holds is written";
}

// However many copies were set aside before, the next takes a name of its own.
TEST(Records, ASetAsideCopyIsNeverOverwritten)
{
    TempDir dir;
    const fs::path file = dir.path / "records.txt";
    spit(dir.path / "records.txt.damaged", "copy 1");
    for (int n = 2; n <= 999; ++n)
        spit(dir.path / ("records.txt.damaged-" + std::to_string(n)), "copy " + std::to_string(n));
    spit(file, "kelvaro records 1\n3 oops\n");
    Records records(file);
    const std::optional<std::string> said = inEnglish(records.load());
    ASSERT_TRUE(said);
    EXPECT_NE(said->find("records.txt.damaged-1000"), std::string::npos) << *said;
    EXPECT_EQ(slurp(dir.path / "records.txt.damaged-1000"), "kelvaro records 1\n3 oops\n");
    EXPECT_EQ(slurp(dir.path / "records.txt.damaged-999"), "copy 999");
    EXPECT_EQ(slurp(dir.path / "records.txt.damaged"), "copy 1");
    EXPECT_FALSE(fs::exists(file));
}

TEST(Records, AFailedWriteLeavesTheOldFileIntact)
{
    TempDir dir;
    const fs::path file = dir.path / "sub" / "records.txt";
    Records records(file);
    records.recordWin(key(2), 40, 12);
    ASSERT_FALSE(records.save()) << "the folder is made as needed";
    const std::string old = slurp(file);
    records.recordWin(key(2), 50, 10);
    std::optional<std::string> failure;
    {
        // No file may grow past one byte, which stops even root: the temporary cannot be written.
        rlimit old_limit{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
        rlimit one_byte = old_limit;
        one_byte.rlim_cur = 1;
        const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &one_byte), 0);
        failure = inEnglish(records.save());
        ::setrlimit(RLIMIT_FSIZE, &old_limit);
        std::signal(SIGXFSZ, old_handler);
    }
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("cannot be kept"), std::string::npos);
    EXPECT_EQ(slurp(file), old);
}

// Two games open at once on one records file: neither may write its older view over the other's wins.
TEST(Records, TwoCopiesOnOneFileKeepEachOthersWins)
{
    TempDir dir;
    const fs::path file = dir.path / "records.txt";
    Records a(file), b(file);
    ASSERT_FALSE(a.load());
    ASSERT_FALSE(b.load());
    ASSERT_TRUE(b.recordWin(key(3), 20, 4));
    ASSERT_FALSE(b.save());
    ASSERT_TRUE(a.recordWin(key(2), 30, 9));
    ASSERT_FALSE(a.save());
    ASSERT_TRUE(b.recordWin(key(3), 10, 1));
    ASSERT_FALSE(b.save());

    Records read(file);
    ASSERT_FALSE(read.load());
    EXPECT_EQ(read.at(key(2)), (PlayerRecord{true, 30, 9})) << slurp(file);
    EXPECT_EQ(read.at(key(3)), (PlayerRecord{true, 20, 1})) << slurp(file);
    EXPECT_EQ(b.at(key(2)), read.at(key(2))) << "the other copy's win is shown too";

    // A's view of level 3 is stale and better only in time: each figure is merged on its own.
    ASSERT_TRUE(a.recordWin(key(3), 50, 7));
    ASSERT_FALSE(a.save());
    ASSERT_FALSE(read.load());
    EXPECT_EQ(read.at(key(3)), (PlayerRecord{true, 50, 1}));
}

// The records of the game before levels were keyed by content: each moves under its shipped
// level's digest; one whose level cannot be read now is kept by number until it can.
TEST(Records, AFileKeptByLevelNumberIsCarriedOverAndNothingIsLost)
{
    TempDir dir;
    const fs::path file = dir.path / "records.txt";
    const std::string old = "kelvaro records 1\n# level best-time-left fewest-actions\n3 20 4\n7 10 9\n50 -2 80\n";
    spit(file, old);
    bool seventh_readable = false;
    const ShippedLevelKey shipped = [&seventh_readable](int level) -> std::optional<std::string> {
        if (level == 7 && !seventh_readable)
            return std::nullopt;  // its file is missing at the moment
        return key(100 + level);
    };
    Records records(file, shipped);
    ASSERT_FALSE(records.load());
    EXPECT_EQ(records.at(key(103)), (PlayerRecord{true, 20, 4}));
    EXPECT_EQ(records.at(key(150)), (PlayerRecord{true, -2, 80}));
    ASSERT_TRUE(records.recordWin(key(103), 30, 5));
    ASSERT_FALSE(records.save());
    EXPECT_EQ(slurp(dir.path / "records.txt.numbered"), old) << "the old file is kept beside, once";
    EXPECT_EQ(slurp(file), "kelvaro records 2\n# level-digest best-time-left fewest-actions\n"
                           "0000000000000067 30 4\n0000000000000096 -2 80\n"
                           "# kept by number until the shipped level can be read again\nlevel 7 10 9\n");

    seventh_readable = true;
    Records later(file, shipped);
    ASSERT_FALSE(later.load());
    EXPECT_EQ(later.at(key(107)), (PlayerRecord{true, 10, 9}));
    ASSERT_FALSE(later.save());
    EXPECT_EQ(slurp(file).find("level 7"), std::string::npos);
    EXPECT_EQ(slurp(dir.path / "records.txt.numbered"), old);
}

TEST(Records, TheFolderFollowsXdg)
{
    EXPECT_EQ(recordsFile("/x/data", "/home/p"), fs::path("/x/data/kelvaro/records.txt"));
    EXPECT_EQ(recordsFile("", "/home/p"), fs::path("/home/p/.local/share/kelvaro/records.txt"));
    EXPECT_EQ(recordsFile("relative", "/home/p"), fs::path("/home/p/.local/share/kelvaro/records.txt"));
    EXPECT_EQ(recordsFile(nullptr, nullptr), fs::path());
}

} // namespace
} // namespace kelvaro

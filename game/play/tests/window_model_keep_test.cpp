// SPDX-License-Identifier: GPL-3.0-or-later
// Keep this level on a set a kill or a player left uneven: found kept by its content, never kept twice.
#include "game/engine/tests/engine_fakes.h"
#include "game/records/tests/records_files.h"
#include "game/play/keep_level.h"
#include "level/forge/grade_forge.h"
#include "level/sets/level_set.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Outcome = KeepOutcome::Kind;

const std::string first_level = forge::levelFileBytes(levelFrom({"######", "##@!##", "######"}, 40));
const std::string other_level = forge::levelFileBytes(levelFrom({"#######", "##@.!##", "#######"}, 40));

// The numbers of the set's levels.
std::vector<int> levelsOf(const fs::path& set)
{
    std::vector<int> numbers;
    for (const SetLevel& level : readLevelSet(set).levels)
        numbers.push_back(level.number);
    return numbers;
}

TEST(KeepLevel, ANoteWhoseFileIsGoneNeitherHidesNorDoublesTheLevel)
{
    TempDir home;
    const fs::path set = home.path / "Generated";
    fs::create_directories(set);
    spit(set / "set.txt", "title: Generated\nnotes: maze1: E-00001, maze2: M-00042\n");
    spit(set / "maze2.txt", other_level);

    const KeepOutcome kept = keepGeneratedLevel(home.path, "E-00001", first_level);
    EXPECT_EQ(kept.kind, Outcome::kept);
    EXPECT_EQ(kept.file, set / "maze3.txt");
    for (int again = 0; again < 2; ++again) {
        const KeepOutcome twice = keepGeneratedLevel(home.path, "E-00001", first_level);
        EXPECT_EQ(twice.kind, Outcome::already_kept);
        EXPECT_EQ(twice.file, set / "maze3.txt");
    }
    EXPECT_EQ(levelsOf(set), (std::vector<int>{2, 3}));
    EXPECT_EQ(slurp(set / "maze3.txt"), first_level);
    EXPECT_EQ(slurp(set / "set.txt"), "title: Generated\nnotes: maze2: M-00042, maze3: E-00001\n")
        << "the note of the missing file dropped";

    // Its number taken again by another puzzle (alike as it may be to maze2) once removed: the
    // old label goes with it.
    fs::remove(set / "maze3.txt");
    EXPECT_EQ(keepGeneratedLevel(home.path, "H-00005", other_level).file, set / "maze3.txt");
    EXPECT_EQ(slurp(set / "set.txt"), "title: Generated\nnotes: maze2: M-00042, maze3: H-00005\n");
}

// A kill between writing the level and its note leaves the level alone in the folder: the next
// Keep finds it by its content and gives it its note.
TEST(KeepLevel, ALevelLeftWithoutItsNoteIsFoundKeptAndNoted)
{
    TempDir home;
    const fs::path set = home.path / "Generated";
    ASSERT_EQ(keepGeneratedLevel(home.path, "M-00042", other_level).kind, Outcome::kept);
    spit(set / "maze2.txt", first_level);  // as a Keep of E-00001 killed before its note

    const KeepOutcome again = keepGeneratedLevel(home.path, "E-00001", first_level);
    EXPECT_EQ(again.kind, Outcome::already_kept);
    EXPECT_EQ(again.file, set / "maze2.txt");
    EXPECT_EQ(levelsOf(set), (std::vector<int>{1, 2}));
    EXPECT_EQ(slurp(set / "set.txt"), "title: Generated\nnotes: maze1: M-00042, maze2: E-00001\n");

    // Killed before the set's first set.txt: the level is still found, and the set named.
    fs::remove_all(set);
    fs::create_directories(set);
    spit(set / "maze1.txt", first_level);
    EXPECT_EQ(keepGeneratedLevel(home.path, "E-00001", first_level).kind, Outcome::already_kept);
    EXPECT_EQ(slurp(set / "set.txt"), "title: Generated\nnotes: maze1: E-00001\n");
}

} // namespace
} // namespace kelvaro

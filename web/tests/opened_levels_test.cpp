// SPDX-License-Identifier: GPL-3.0-or-later
// Files opened from the device become a set folder: the right files, numbered as the player expects, kept once.
#include "web/opened_levels.h"

#include "game/records/tests/records_files.h"
#include "level/sets/level_set.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

std::vector<int> numbers(const OpenedSet& set)
{
    std::vector<int> out;
    for (const LaidLevel& level : set.levels)
        out.push_back(level.number);
    return out;
}

std::vector<std::string> shown(const OpenedSet& set)
{
    std::vector<std::string> out;
    for (const LaidLevel& level : set.levels)
        out.push_back(level.shown);
    return out;
}

TEST(OpenedLevels, AFolderKeepsItsNumbersAndItsNameAndOnlyItsOwnLevels)
{
    const OpenedSet set = layOut({{"Spring/maze3.txt", "three"}, {"Spring/MAZE1.TXT", "one"}, {"Spring/notes.md", "x"},
                                  {"Spring/set.txt", "title: Spring\n"}, {"Spring/old/maze2.txt", "deeper"},
                                  {"Spring/._maze2.txt", "resource fork"}});
    EXPECT_TRUE(set.from_folder);
    EXPECT_EQ(set.name, "Spring");
    EXPECT_EQ(numbers(set), (std::vector<int>{1, 3}));
    EXPECT_EQ(set.levels[0].bytes, "one");
    EXPECT_EQ(set.info, "title: Spring\n");
}

TEST(OpenedLevels, LooseFilesTakeTheFreeNumbersInNaturalOrder)
{
    const OpenedSet set = layOut({{"level10.txt", "c"}, {"maze2.txt", "b"}, {"level9.txt", "a"}, {"Level1.txt", "d"}});
    EXPECT_FALSE(set.from_folder);
    EXPECT_EQ(set.name, "Level1");
    EXPECT_EQ(numbers(set), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(shown(set), (std::vector<std::string>{"Level1.txt", "maze2.txt", "level9.txt", "level10.txt"}));
}

TEST(OpenedLevels, OneLooseFileIsLevelOneAndNamesTheSet)
{
    const OpenedSet set = layOut({{"maze37.txt", "x"}});
    EXPECT_EQ(set.name, "maze37");
    EXPECT_EQ(numbers(set), std::vector<int>{1});
    EXPECT_EQ(shown(set), std::vector<std::string>{"maze37.txt"});
    EXPECT_TRUE(layOut({{"picture.png", "x"}, {"set.txt", "title: t"}}).levels.empty());
}

TEST(OpenedLevels, AFolderNameIsMadeSafe)
{
    EXPECT_EQ(layOut({{"..hidden/maze1.txt", ""}}).name, "hidden");
    EXPECT_EQ(layOut({{"a:b\\c\td/maze1.txt", ""}}).name, "a_b_c_d");
    EXPECT_EQ(layOut({{"./maze1.txt", ""}}).name, "levels");
    const std::string long_name = std::string(59, 'x') + "\xc3\xa9" + "tail";  // an é across the cut
    EXPECT_EQ(layOut({{long_name + "/maze1.txt", ""}}).name, std::string(59, 'x'));
    EXPECT_TRUE(naturalLess("a2", "a10"));
    EXPECT_TRUE(naturalLess("a02", "a10"));
    EXPECT_FALSE(naturalLess("a10", "a2"));
    EXPECT_TRUE(naturalLess("a", "ab"));
}

TEST(OpenedLevels, KeptSetsTakeAFolderOfTheirOwnAndTheSameFilesReuseIt)
{
    TempDir dir;
    const OpenedSet two = layOut({{"Two/maze1.txt", "first"}, {"Two/maze2.txt", "second"}, {"Two/set.txt", "title: Two\n"}});
    const std::optional<fs::path> folder = keepSet(dir.path, two);
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, dir.path / "Two");
    EXPECT_EQ(slurp(*folder / "maze2.txt"), "second");
    const LevelSet read = readLevelSet(*folder);
    EXPECT_EQ(read.title, "Two");
    EXPECT_EQ(read.highest(), 2);

    EXPECT_EQ(keepSet(dir.path, two), folder);
    const OpenedSet changed = layOut({{"Two/maze1.txt", "first"}, {"Two/maze2.txt", "changed"}});
    EXPECT_EQ(keepSet(dir.path, changed), dir.path / "Two 2");
    EXPECT_EQ(slurp(dir.path / "Two" / "maze2.txt"), "second");
    EXPECT_EQ(keepSet(dir.path, changed), dir.path / "Two 2");
}

TEST(OpenedLevels, ASetThatCannotBeWrittenLeavesNothing)
{
    TempDir dir;
    spit(dir.path / "file", "not a folder");
    EXPECT_FALSE(keepSet(dir.path / "file", layOut({{"a.txt", "x"}})));
    EXPECT_EQ(slurp(dir.path / "file"), "not a folder");
}

} // namespace
} // namespace kelvaro

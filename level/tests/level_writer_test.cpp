// SPDX-License-Identifier: GPL-3.0-or-later
// The level writer, the maps folder helper and whole-or-nothing saving.
#include "level/author_level.h"
#include "level/game_level.h"
#include "level/level_files.h"
#include "level/tests/file_bytes.h"
#include "level/tests/framed_author_level.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <unistd.h>

namespace kelvaro {
namespace {
namespace fs = std::filesystem;

using testing::framedAuthorLevel;
using testing::slurp;

class TempDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("kelvaro-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST(LevelWriter, DefaultEditorLevelByteForByte)
{
    const std::string text = writeAuthorLevel(framedAuthorLevel(15, 15, 75));
    std::string expected = "15\r\n15\r\n\r\n\r\n\r\n\r\n\r\n\r\n75\r\n";
    for (int x = 0; x <= 15; ++x)
        for (int y = 0; y <= 15; ++y)
            expected += (x < 2 || x > 13 || y < 2 || y > 13) ? "1\r\n" : "0\r\n";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 9 + 256);

    // The game reads it with every mark at (0, 0): jewel on goal, cell 0 from the start mark.
    std::istringstream in(text);
    auto level = readGameLevel(in);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->maze.at(0, 0), 0);
    EXPECT_EQ(level->jewelx, level->goalx);
    EXPECT_EQ(level->timeleft, 75);
}

TEST(LevelWriter, WritesNegativeNumbersAndUnsetValues)
{
    AuthorLevel level = framedAuthorLevel(1, 1, -32768);
    level.jewelx = 1;
    level.maze.at(1, 0) = std::nullopt;
    level.maze.at(0, 1) = -3;
    EXPECT_EQ(writeAuthorLevel(level), "1\r\n1\r\n1\r\n\r\n\r\n\r\n\r\n\r\n-32768\r\n1\r\n-3\r\n\r\n1\r\n");
}

TEST_F(TempDir, MapsFolderIsFoundWhateverItsCase)
{
    EXPECT_EQ(mapsFolder(dir), dir / "Maps");  // none yet: the game's spelling
    fs::create_directory(dir / "maps");
    EXPECT_EQ(mapsFolder(dir), dir / "maps");
    std::ofstream(dir / "maps" / "MAZE7.TXT") << "x";
    EXPECT_EQ(gameLevelFile(dir, 7), dir / "maps" / "MAZE7.TXT");
    EXPECT_EQ(gameLevelFile(dir, 10), dir / "maps" / "maze10.txt");
    fs::create_directory(dir / "MAPS");
    // Two spellings: every caller picks the same one.
    EXPECT_EQ(mapsFolder(dir), dir / "MAPS");
    EXPECT_EQ(mapsFolder(dir), mapsFolder(dir));
}

TEST_F(TempDir, LoadTellsMissingFromUnreadable)
{
    auto missing = loadGameLevel(dir / "maze3.txt");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, LevelError::Kind::not_found);
    auto folder = loadAuthorLevel(dir);
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error().kind, LevelError::Kind::unreadable);
}

TEST_F(TempDir, SavingReplacesWholeOrLeavesTheOldFile)
{
    const fs::path file = dir / "maze1.txt";
    ASSERT_FALSE(writeFileWhole(file, "old\r\n"));
    ASSERT_FALSE(writeFileWhole(file, "new\r\n"));
    EXPECT_EQ(slurp(file), "new\r\n");

    // A folder standing where the file should go: the save fails, says so, and leaves no debris.
    fs::create_directory(dir / "taken.txt");
    fs::create_directory(dir / "taken.txt" / "inside");
    auto error = writeFileWhole(dir / "taken.txt", "data");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, LevelError::Kind::write_failed);
    EXPECT_TRUE(fs::is_directory(dir / "taken.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);

    auto nowhere = writeFileWhole(dir / "no-such-folder" / "maze1.txt", "data");
    ASSERT_TRUE(nowhere);
    EXPECT_NE(english(nowhere->detail).find("no-such-folder"), std::string::npos);
}

} // namespace
} // namespace kelvaro

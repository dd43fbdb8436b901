// SPDX-License-Identifier: GPL-3.0-or-later
// Converting a level between the editor's and the game's hands: the same as writing its file and reading it back.
#include "level/author_level.h"
#include "level/game_level.h"
#include "level/tests/framed_author_level.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace kelvaro {
namespace {

using testing::framedAuthorLevel;

template <typename Level>
Result<Level> readBack(const std::string& text, Result<Level> (*reader)(std::istream&))
{
    std::istringstream in(text);
    return reader(in);
}

// The conversion agrees with the file: the same level, or the same error on the same line.
template <typename Level>
void expectSame(const Result<Level>& converted, const Result<Level>& read, const std::string& what)
{
    SCOPED_TRACE(what);
    ASSERT_EQ(converted.ok(), read.ok()) << (read ? converted.error().describe() : read.error().describe());
    if (read) {
        EXPECT_TRUE(converted.value() == read.value());
        return;
    }
    EXPECT_EQ(converted.error().kind, read.error().kind);
    EXPECT_EQ(converted.error().describe(), read.error().describe());
}

void expectGameSameAsFile(const AuthorLevel& level, const std::string& what)
{
    expectSame(gameLevelFrom(toRecord(level)), readBack(writeAuthorLevel(level), &readGameLevel), what);
}

void expectAuthorSameAsFile(const GameLevel& level, const std::string& what)
{
    expectSame(authorLevelFrom(toRecord(level)), readBack(writeRecord(toRecord(level)), &readAuthorLevel), what);
}

TEST(LevelConversion, ShippedLevelsConvertAsTheirFilesRead)
{
    int levels = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KELVARO_MAPS_DIR)) {
        const std::string name = entry.path().filename().string();
        const Result<AuthorLevel> author = loadAuthorLevel(entry.path());
        const Result<GameLevel> game = loadGameLevel(entry.path());
        ASSERT_TRUE(author && game) << name;
        expectGameSameAsFile(author.value(), name);
        expectAuthorSameAsFile(game.value(), name);
        // The shipped files hold every value: either hand gives the level the file gives.
        EXPECT_TRUE(gameLevelFrom(toRecord(author.value())).value() == game.value()) << name;
        ++levels;
    }
    EXPECT_EQ(levels, 50);
}

TEST(LevelConversion, UnplacedPositionsAndUnsetCellsReadAsTheGameReadsThem)
{
    AuthorLevel level = framedAuthorLevel(8, 6, 75);
    expectGameSameAsFile(level, "no position placed: all three mark the corner");
    level.maze.at(3, 3) = std::nullopt;
    level.jewelx = 4;  // a column without its row
    expectGameSameAsFile(level, "an unset cell and half a position");
    const Result<GameLevel> game = gameLevelFrom(toRecord(level));
    ASSERT_TRUE(game);
    EXPECT_EQ(game->maze.at(3, 3), 0);
    EXPECT_EQ(game->maze.at(0, 0), 0);  // the start, marked last
    EXPECT_EQ(game->maze.at(4, 0), 3);
}

TEST(LevelConversion, PositionsOnAndBeyondTheBorderAndOddCodes)
{
    AuthorLevel level = framedAuthorLevel(8, 6, 75);
    level.jewelx = 1, level.jewely = 1, level.goalx = 8, level.goaly = 6, level.startx = 0, level.starty = 3;
    expectGameSameAsFile(level, "marks on the border rings");
    level.maze.at(5, 3) = 9;
    level.leveltime = -20;
    expectGameSameAsFile(level, "a hand-made code, a negative time");
    for (auto [x, y] : {std::pair{9, 3}, {3, 7}, {-1, 3}, {3, 300}}) {
        AuthorLevel outside = level;
        outside.goalx = static_cast<std::int16_t>(x), outside.goaly = static_cast<std::int16_t>(y);
        expectGameSameAsFile(outside, "the goal at " + std::to_string(x) + ", " + std::to_string(y));
    }
    for (std::int16_t code : {-1, 256, 32767}) {
        AuthorLevel odd = level;
        odd.maze.at(7, 5) = code;
        expectGameSameAsFile(odd, "cell code " + std::to_string(code));
    }
}

TEST(LevelConversion, TheGamesLevelBecomesTheEditorsAsItsFileWould)
{
    GameLevel level;
    level.maze = Grid<std::uint8_t>(5, 4, 1);
    level.maze.at(2, 2) = 4;
    level.jewelx = 1, level.jewely = 1, level.goalx = 3, level.goaly = 2, level.playerx = 2, level.playery = 3;
    level.timeleft = 120;
    expectAuthorSameAsFile(level, "a small level");
    level.playerx = 6;
    expectAuthorSameAsFile(level, "the start beyond the grid");
    GameLevel corner;  // one cell, every position on it
    expectAuthorSameAsFile(corner, "a single cell");
}

TEST(LevelConversion, ARecordShortOfCellsEndsEarlyAsItsFileDoes)
{
    LevelRecord record = toRecord(framedAuthorLevel(3, 3, 50));
    record.cells.resize(10);
    std::istringstream file(writeRecord(record));
    const Result<LevelRecord> read = readRecord(file, gameRules());
    const Result<LevelRecord> reread = rereadRecord(record, gameRules());
    ASSERT_FALSE(read);
    ASSERT_FALSE(reread);
    EXPECT_EQ(reread.error().kind, LevelError::Kind::early_end);
    EXPECT_EQ(reread.error().describe(), read.error().describe());
}

} // namespace
} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// A level's picture: read back it gives the level its file gives, a fault says where, and it is told from a file's text.
#include "level/author_level.h"
#include "level/game_level.h"
#include "level/level_picture.h"
#include "level/level_text.h"
#include "level/tests/framed_author_level.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvaro {
namespace {

using testing::framedAuthorLevel;

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

template <typename Level>
void expectSameLevel(const Result<Level>& pictured, const Result<Level>& filed)
{
    ASSERT_EQ(pictured.ok(), filed.ok()) << (pictured ? filed.error().describe() : pictured.error().describe());
    if (filed) {
        EXPECT_TRUE(pictured.value() == filed.value());
    }
}

// Both hands read the picture of `record` as they read its file: the same level, or an error.
void expectPictureReadsAsFile(const LevelRecord& record, const std::string& what)
{
    SCOPED_TRACE(what);
    const std::string picture = writePicture(record);
    SCOPED_TRACE(picture);
    EXPECT_TRUE(isPicture(picture));
    expectSameLevel(readGameLevelText(picture), gameLevelFrom(record));
    expectSameLevel(readAuthorLevelText(picture), authorLevelFrom(record));
}

TEST(LevelPicture, EveryShippedLevelReadsBackFromItsPictureAsFromItsFile)
{
    int levels = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KELVARO_MAPS_DIR)) {
        const std::string name = entry.path().filename().string();
        const std::string text = fileText(entry.path());
        EXPECT_FALSE(isPicture(text)) << name;
        const Result<GameLevel> file = readGameLevelText(text);
        ASSERT_TRUE(file) << name;
        EXPECT_TRUE(file.value() == loadGameLevel(entry.path()).value()) << name;
        expectPictureReadsAsFile(toRecord(file.value()), name);
        // What kel_check --picture writes, read back as a paste reads it.
        EXPECT_TRUE(readGameLevelText(writePicture(toRecord(file.value()))).value() == file.value()) << name;
        ++levels;
    }
    EXPECT_EQ(levels, 50);
}

TEST(LevelPicture, WhatNoRowShowsTravelsOnLinesOfItsOwn)
{
    AuthorLevel level = framedAuthorLevel(8, 6, 75);
    expectPictureReadsAsFile(toRecord(level), "no mark placed: all three land on the corner");
    level.jewelx = 3, level.jewely = 3, level.goalx = 5, level.goaly = 4, level.startx = 4, level.starty = 2;
    level.maze.at(2, 4) = 4;
    const std::string picture = writePicture(toRecord(level));
    EXPECT_EQ(picture, "time 75\n#########\n#########\n##..S..##\n##.*...##\n##o..G.##\n#########\n#########\n");
    expectPictureReadsAsFile(toRecord(level), "a plain level");

    AuthorLevel stacked = level;
    stacked.goalx = 3, stacked.goaly = 3;    // the goal on the jewel
    stacked.startx = 3, stacked.starty = 3;  // and the start on both
    expectPictureReadsAsFile(toRecord(stacked), "three marks on one cell");
    stacked.startx = std::nullopt;           // a column without its row
    expectPictureReadsAsFile(toRecord(stacked), "half a start");
    stacked.goalx = 30;                      // beyond the grid: kept, and refused as the file is
    const Result<LevelRecord> outside = readPicture(writePicture(toRecord(stacked)), editorRules());
    ASSERT_FALSE(outside);
    EXPECT_EQ(outside.error().kind, LevelError::Kind::bad_picture);

    AuthorLevel odd = level;
    odd.maze.at(6, 2) = 9;
    odd.maze.at(6, 3) = -7;
    odd.maze.at(6, 4) = std::nullopt;
    odd.maze.at(2, 2) = 3;  // a jewel cell that is not the jewel
    odd.maze.at(2, 3) = 2;
    expectPictureReadsAsFile(toRecord(odd), "codes without a character, an unset cell");
}

struct Damage {
    const char* picture;
    int line;
    int column;
    const char* says;
};

TEST(LevelPicture, ADamagedPictureSaysLineAndColumn)
{
    const std::string wide(257, '#');
    const Damage damages[] = {
        {"time 20\n####\n#S*#\n#G+#\n####\n", 4, 3, "\"+\" stands for no cell"},
        {"####\n#S*G#\n####\n", 2, 5, "the row has 5 cells where the first has 4"},
        {"#####\r\n#S*G\r\n#####\r\n", 2, 5, "the row has 4 cells where the first has 5"},
        {"#####\n#S*G#\n#S..#\n", 3, 2, "a second start"},
        {"#####\n#S*G#\n#####\njewel 1 1\n", 4, 7, "a second jewel"},
        {"time 20\n#####\n#S*G#\ntime 30\n", 4, 6, "a second time limit"},
        {"time soon\n#####\n#S*G#\n", 1, 6, "the time limit \"soon\" is not a whole number"},
        {"#####\n#S*G#\ntime 40000\n", 3, 6, "the time limit 40000 is outside -32768 to 32767"},
        {"####\n#S*?\n####\n", 2, 4, "no line \"cell\" gives the code of cell (3, 1)"},
        {"####\n#S*G\ncell 9 1 4\n", 3, 6, "cell (9, 1) lies outside the grid of 4 x 2 cells"},
        {"####\n#S*G\ngoal 1\n", 3, 1, "\"goal\" takes 2 numbers"},
        {"####\n#S*.\ngoal 1 8\n", 3, 6, "the goal at (1, 8) lies outside the grid of 4 x 2 cells"},
        {"####\n#S*G\nwall 1 2\n", 3, 1, "\"wall\" is no word of a picture"},
        {"####\n#S*G\n\xC3\xA9###\n", 3, 1, "\"\xC3\xA9\" stands for no cell"},
        {wide.c_str(), 1, 257, "the highest column index 256 is outside 0 to 255"},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.picture);
        const Result<GameLevel> read = readGameLevelText(damage.picture);
        ASSERT_FALSE(read);
        EXPECT_EQ(read.error().kind, LevelError::Kind::bad_picture);
        EXPECT_EQ(read.error().line, damage.line);
        EXPECT_EQ(read.error().column, damage.column);
        EXPECT_EQ(english(read.error().detail), damage.says);
    }
    const Result<LevelRecord> bare = readPicture("time 20\n", gameRules());
    ASSERT_FALSE(bare);
    EXPECT_EQ(bare.error().describe(), "the picture has no rows of cells");
    std::string rows;
    for (int y = 0; y < 257; ++y)
        rows += "#\n";
    const Result<LevelRecord> tall = readPicture(rows, gameRules());
    ASSERT_FALSE(tall);
    EXPECT_EQ(tall.error().line, 257);
    EXPECT_EQ(tall.error().describe(), "line 257, column 1: the highest row index 256 is outside 0 to 255");
}

TEST(LevelPicture, APictureIsToldFromALevelFilesText)
{
    EXPECT_TRUE(isPicture("time 20\n###\n#S#\n"));
    EXPECT_TRUE(isPicture("\r\n  \n###\n#S#\n"));
    EXPECT_TRUE(isPicture("...\n"));
    EXPECT_FALSE(isPicture("12\r\n6\r\n7\r\n"));
    EXPECT_FALSE(isPicture("\r\n6\r\n"));       // an empty first field reads 0
    EXPECT_FALSE(isPicture("2,2,1,1,0,0,1,0\n"));  // fields split by commas
    EXPECT_FALSE(isPicture("  \n"));
    // A level file's text is read as the file is, whatever follows its cells.
    const Result<GameLevel> file = readGameLevelText("0\n0\n0\n0\n0\n0\n0\n0\n30\n1\nrrU\n");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->timeleft, 30);
}

} // namespace
} // namespace kelvaro

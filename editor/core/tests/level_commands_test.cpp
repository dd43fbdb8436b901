// SPDX-License-Identifier: GPL-3.0-or-later
// RESET, LOAD and SAVE, with the files they write and the game reading them.
#include "editor/core/tests/editor_fixture.h"

#include "level/game_level.h"
#include "level/level_files.h"

namespace kelvaro::testing {
namespace {

using P = CanvasPicture;

// The default grid's file: sizes, six unset positions, the time, then the cells.
std::string defaultLevelFile(const std::string& time)
{
    std::string text = "15\r\n15\r\n\r\n\r\n\r\n\r\n\r\n\r\n" + time + "\r\n";
    for (int x = 0; x <= 15; ++x)
        for (int y = 0; y <= 15; ++y)
            text += (x < 2 || x > 13 || y < 2 || y > 13) ? "1\r\n" : "0\r\n";
    return text;
}

// A small level: 6 x 5 cells, jewel (2, 2), goal (3, 2), start (2, 3), 40 seconds.
std::vector<std::string> smallLevel()
{
    std::vector<std::string> v{"5", "4", "2", "2", "3", "2", "2", "3", "40"};
    for (int x = 0; x <= 5; ++x)
        for (int y = 0; y <= 4; ++y)
            v.push_back((x < 1 || x > 4 || y < 1 || y > 3) ? "1" : "0");
    return v;
}

TEST_F(EditorTest, SaveRightAfterStartUpWritesTheDefaultLevel)
{
    ASSERT_TRUE(state.save().ok());
    EXPECT_EQ(slurp(maps / "maze1.txt"), defaultLevelFile("75"));
    EXPECT_EQ(state.level.leveltime, 75);
}

TEST_F(EditorTest, RoundTripRestoresTheLevelWithJewelAndGoalCodes)
{
    use(obstacle, 5, 5);
    use(jewel, 3, 4);
    use(goal, 10, 11);
    use(start_tool, 2, 2);
    state.texts.timeBox = "-12";
    state.texts.nameBox = "maze9";
    ASSERT_TRUE(state.save().ok());

    EditorState loaded(program);
    loaded.formLoad();
    loaded.texts.nameBox = "maze9";
    ASSERT_TRUE(loaded.load().ok());
    AuthorLevel expected = state.level;
    expected.maze.at(3, 4) = 3;
    expected.maze.at(10, 11) = 2;
    EXPECT_EQ(loaded.level, expected);
    EXPECT_EQ(loaded.texts.timeBox, "-12");

    loaded.mouseMove(false, px(3), px(4));
    EXPECT_EQ(english(loaded.cellReadout), "Current : 3");
    loaded.mouseMove(false, px(10), px(11));
    EXPECT_EQ(english(loaded.cellReadout), "Current : 2");

    ASSERT_TRUE(loaded.save().ok());
    EXPECT_EQ(slurp(maps / "maze9.txt"), writeAuthorLevel(expected));
}

TEST_F(EditorTest, TheGameReadsWhatTheEditorSaved)
{
    use(obstacle, 6, 6);
    use(jewel, 4, 5);
    use(goal, 12, 3);
    use(start_tool, 2, 13);
    state.texts.nameBox = "maze9";
    ASSERT_TRUE(state.save().ok());

    // The game says "Maps" where the editor says "maps": both reach this folder.
    Result<GameLevel> game = loadGameLevel(gameLevelFile(program, 9));
    ASSERT_TRUE(game.ok()) << game.error().describe();
    EXPECT_EQ(game->maze.maxx(), 15);
    EXPECT_EQ(game->maze.maxy(), 15);
    for (int x = 0; x <= 15; ++x)
        for (int y = 0; y <= 15; ++y) {
            const int code = (x == 4 && y == 5) ? 3 : (x == 12 && y == 3) ? 2 : *state.maze().at(x, y);
            EXPECT_EQ(game->maze.at(x, y), code) << x << ", " << y;
        }
    EXPECT_EQ(std::tuple(game->jewelx, game->jewely, game->goalx, game->goaly, game->playerx, game->playery),
              std::tuple(4, 5, 12, 3, 2, 13));
    EXPECT_EQ(game->timeleft, 75);
}

TEST_F(EditorTest, LoadLeavesStalePicturesWhereTheItemsWere)
{
    spill(maps / "maze1.txt", lines(smallLevel()));
    ASSERT_TRUE(state.load().ok());
    EXPECT_EQ(state.canvas.at(2, 2), P::jewel);
    use(jewel, 4, 1);
    use(goal, 4, 3);
    // Codes 3 and 2 have no picture of their own, so the old ones stay.
    EXPECT_EQ(state.maze().at(2, 2), AuthorCell(3));
    EXPECT_EQ(state.canvas.at(2, 2), P::jewel);
    EXPECT_EQ(state.canvas.at(3, 2), P::goal);
    EXPECT_EQ(state.canvas.at(4, 1), P::jewel);

    use(obstacle, 2, 2);  // painting the cell replaces the stale picture
    EXPECT_EQ(state.canvas.at(2, 2), P::obstacle);
    ASSERT_TRUE(state.load().ok());  // sizecanvas empties the canvas first
    EXPECT_EQ(state.canvas.at(4, 1), P::blank);
}

TEST_F(EditorTest, LoadFollowsTheFileAndLeavesTheBoxesAndTool)
{
    std::vector<std::string> v{"9", "19", "", "", "", "", "", "", "30"};
    for (int i = 0; i < 10 * 20; ++i)
        v.push_back(i == 25 ? "" : i == 26 ? "7" : "4");
    spill(maps / "maze1.txt", lines(v));
    state.selectTool(goal);
    ASSERT_TRUE(state.load().ok());
    EXPECT_EQ(state.maze().maxx(), 9);
    EXPECT_EQ(state.maze().maxy(), 19);
    EXPECT_EQ(state.canvas.columns() * 32, 320);
    EXPECT_EQ(state.canvas.rows() * 32, 640);
    EXPECT_EQ(state.texts.xBox, "15");
    EXPECT_EQ(state.texts.yBox, "15");
    EXPECT_EQ(state.texts.timeBox, "30");
    EXPECT_EQ(state.tool, goal);
    // The unset marks set cell (0, 0); an empty cell line stays empty and shows blank.
    EXPECT_EQ(state.maze().at(0, 0), AuthorCell(0));
    EXPECT_EQ(state.maze().at(1, 5), AuthorCell());
    EXPECT_EQ(state.canvas.at(1, 5), P::blank);
    EXPECT_EQ(state.canvas.at(1, 6), P::background);  // code 7 has no picture
    state.mouseMove(false, px(1), px(5));
    EXPECT_EQ(english(state.cellReadout), "Current : ");

    ASSERT_TRUE(state.save().ok());
    const std::string saved = slurp(maps / "maze1.txt");
    v[9] = "0";
    EXPECT_EQ(saved, lines(v));
}

TEST_F(EditorTest, ResetBuildsTheTypedSizeAndKeepsTheRest)
{
    use(jewel, 2, 2);
    state.selectTool(obstacle);
    state.texts.xBox = "4";
    state.texts.yBox = " 4 ";
    ASSERT_TRUE(state.reset().ok());
    ASSERT_EQ(state.maze().columns(), 5);
    ASSERT_EQ(state.maze().rows(), 5);
    for (int x = 0; x <= 4; ++x)
        for (int y = 0; y <= 4; ++y)
            EXPECT_EQ(state.maze().at(x, y), AuthorCell(x == 2 && y == 2 ? 0 : 1)) << x << ", " << y;
    EXPECT_EQ(state.canvas.at(2, 2), P::jewel);  // the jewel is drawn again at once
    EXPECT_EQ(state.canvas.at(1, 2), P::border);
    EXPECT_EQ(state.tool, obstacle);
    EXPECT_EQ(state.level.jewelx, Coordinate(2));

    for (const char* size : {"1", "2", "3"}) {
        state.texts.xBox = state.texts.yBox = size;
        ASSERT_TRUE(state.reset().ok());
        for (const AuthorCell& cell : state.maze().cells())
            EXPECT_EQ(cell, AuthorCell(1)) << size;
    }
}

TEST_F(EditorTest, AnEmptyNameMeansTheFileDotTxt)
{
    state.texts.nameBox = "";
    ASSERT_TRUE(state.save().ok());
    EXPECT_TRUE(fs::exists(maps / ".txt"));
    use(obstacle, 5, 5);
    ASSERT_TRUE(state.load().ok());
    EXPECT_EQ(state.maze().at(5, 5), AuthorCell(0));
}

TEST_F(EditorTest, TheMapsFolderIsFoundWhateverItsCase)
{
    fs::remove(maps);
    fs::create_directory(program / "MAPS");
    ASSERT_TRUE(state.save().ok());
    EXPECT_TRUE(fs::exists(program / "MAPS" / "maze1.txt"));
    EXPECT_FALSE(fs::exists(program / "maps"));

    // An existing file is replaced whatever the case it was typed in.
    state.texts.nameBox = "MAZE1";
    state.texts.timeBox = "5";
    ASSERT_TRUE(state.save().ok());
    EXPECT_EQ(slurp(program / "MAPS" / "maze1.txt"), defaultLevelFile("5"));
    EXPECT_EQ(entries(program / "MAPS"), 1);
}

// --- Input that must be refused or survived without harm ---------------------

TEST_F(EditorTest, ResetRefusesSizesItCannotBuild)
{
    use(obstacle, 5, 5);
    const AuthorLevel level = state.level;
    const auto canvas = state.canvas;
    for (const char* bad : {"abc", "", "0", "-3", "256", "2.5", "4x"}) {
        state.texts.xBox = bad;
        const CommandResult result = state.reset();
        EXPECT_EQ(english(result.message), "Could not make a new grid: the X box holds \"" + std::string(bad) +
                                      "\", which is not a whole number from 1 to 255.\n"
                                      "The level in the editor is unchanged.");
        EXPECT_EQ(state.level, level);
        EXPECT_EQ(state.canvas, canvas);
    }
    state.texts.xBox = "255";
    state.texts.yBox = "1e3";
    EXPECT_NE(english(state.reset().message).find("the Y box holds \"1e3\""), std::string::npos);
    EXPECT_EQ(state.level, level);

    state.texts.yBox = "255";  // the largest grid a level file can hold
    ASSERT_TRUE(state.reset().ok());
    EXPECT_EQ(state.canvas.columns() * 32, 8192);
}

struct BadFile {
    const char* what;
    std::vector<std::string> values;
    std::string says;
};

TEST_F(EditorTest, LoadOfABadFileNamesFileAndLineAndKeepsTheLevel)
{
    auto small = smallLevel();
    auto cell = [&](std::size_t i, const char* value) { auto v = small; v[9 + i] = value; return v; };
    auto header = [&](std::size_t i, const char* value) { auto v = small; v[i] = value; return v; };
    const BadFile bad_files[] = {
        {"short", std::vector<std::string>(small.begin(), small.end() - 1),
         "line 39: the file ends before the cell (5, 4)"},
        {"text", cell(3, "abc"), "line 13: the cell (0, 3) \"abc\" is not a whole number"},
        {"range", cell(0, "40000"), "line 10: the cell (0, 0) 40000 is outside -32768 to 32767"},
        {"size", header(0, "256"), "line 1: the highest column index 256 is outside 0 to 255"},
        {"time", header(8, "32768"), "line 9: the time limit 32768 is outside -32768 to 32767"},
        {"outside", header(4, "6"), "line 5: the goal at (6, 2) lies outside the grid of 6 x 5 cells"},
    };
    use(obstacle, 5, 5);
    use(jewel, 6, 6);
    state.texts.timeBox = "99";
    const AuthorLevel level = state.level;
    const auto canvas = state.canvas;
    for (const BadFile& bad : bad_files) {
        state.texts.nameBox = bad.what;
        spill(maps / (std::string(bad.what) + ".txt"), lines(bad.values));
        const CommandResult result = state.load();
        EXPECT_EQ(english(result.message), "Could not load " + std::string(bad.what) + ".txt from " + maps.string() +
                                      ":\n" + bad.says + ".\nThe level in the editor is unchanged.");
        EXPECT_EQ(state.level, level) << bad.what;
        EXPECT_EQ(state.canvas, canvas) << bad.what;
        EXPECT_EQ(state.texts.timeBox, "99");
    }
}

TEST_F(EditorTest, LoadOfAMissingFileOrFolderSaysSo)
{
    const AuthorLevel level = state.level;
    state.texts.nameBox = "maze50";
    EXPECT_EQ(english(state.load().message), "Could not load maze50.txt from " + maps.string() +
                                        ":\nthe file does not exist.\nThe level in the editor is unchanged.");
    fs::remove(maps);
    EXPECT_EQ(english(state.load().message), "Could not load maze50.txt from " + (program / "Maps").string() +
                                        ":\nthe maps folder does not exist.\nThe level in the editor is unchanged.");
    EXPECT_EQ(state.level, level);
}

TEST_F(EditorTest, SaveRefusesATimeOutsideSixteenBits)
{
    ASSERT_TRUE(state.save().ok());
    const std::string before = slurp(maps / "maze1.txt");
    use(obstacle, 5, 5);
    for (const char* bad : {"abc", "", "1.5", "32768", "-32769", "7 sec"}) {
        state.texts.timeBox = bad;
        EXPECT_EQ(english(state.save().message), "Could not save maze1.txt in " + maps.string() + ":\nthe time \"" +
                                            std::string(bad) +
                                            "\" is not a whole number from -32768 to 32767.\n"
                                            "Nothing was written; the level in the editor is unchanged.");
        EXPECT_EQ(slurp(maps / "maze1.txt"), before);
        EXPECT_EQ(state.level.leveltime, 75);
    }
    state.texts.timeBox = "-32768";
    ASSERT_TRUE(state.save().ok());
    EXPECT_EQ(state.level.leveltime, -32768);
}

TEST_F(EditorTest, SaveRefusesNamesThatLeaveTheMapsFolder)
{
    for (const char* bad : {"../maze1", "sub/maze1", "..\\maze1", "   ", "a\nb"}) {
        state.texts.nameBox = bad;
        const std::string message = english(state.save().message);
        EXPECT_EQ(message.rfind("Could not save " + std::string(bad) + ".txt in " + maps.string() + ":\n", 0), 0u);
        EXPECT_NE(message.find("a level name may not"), std::string::npos) << message;
        EXPECT_FALSE(state.load().ok());
    }
    EXPECT_EQ(entries(maps), 0);
    EXPECT_FALSE(fs::exists(program / "maze1.txt"));
}

TEST_F(EditorTest, SaveMakesAMissingMapsFolder)
{
    fs::remove(maps);
    ASSERT_TRUE(state.save().ok());
    // The folder is made as the game spells it; the editor finds it all the same.
    EXPECT_EQ(slurp(program / "Maps" / "maze1.txt"), defaultLevelFile("75"));
    ASSERT_TRUE(state.load().ok());
}

TEST_F(EditorTest, AFailedSaveIsReportedAndLeavesNothingBehind)
{
    fs::create_directory(maps / "maze1.txt");  // a folder where the file should go
    const CommandResult result = state.save();
    EXPECT_EQ(english(result.message).rfind("Could not save maze1.txt in " + maps.string() + ":\ncould not write ", 0), 0u)
        << english(result.message);
    EXPECT_NE(english(result.message).find("Nothing was written"), std::string::npos);
    EXPECT_EQ(state.level.leveltime, 0);
    EXPECT_EQ(entries(maps), 1);

    fs::remove_all(maps);
    spill(program / "Maps", "not a folder");
    const std::string said = "there is a plain file called Maps where the maps folder should be";
    EXPECT_NE(english(state.save().message).find(said), std::string::npos);
    EXPECT_NE(english(state.load().message).find(said), std::string::npos);
    EXPECT_EQ(slurp(program / "Maps"), "not a folder");
}

TEST_F(EditorTest, ClosingAsksOnlyWhenWorkWasNotSaved)
{
    EXPECT_FALSE(state.hasUnsavedChanges());  // a fresh grid loses nothing
    use(obstacle, 5, 5);
    EXPECT_TRUE(state.hasUnsavedChanges());
    EXPECT_EQ(english(state.closingQuestion()), "Save the changes to maze1.txt before closing?");
    ASSERT_TRUE(state.save().ok());
    EXPECT_FALSE(state.hasUnsavedChanges());
    state.texts.timeBox = "90";  // a new time is work too
    EXPECT_TRUE(state.hasUnsavedChanges());
    state.texts.timeBox = "75";
    EXPECT_FALSE(state.hasUnsavedChanges());
    EXPECT_TRUE(state.reset().ok());
    EXPECT_TRUE(state.hasUnsavedChanges());
    ASSERT_TRUE(state.load().ok());
    EXPECT_FALSE(state.hasUnsavedChanges());
    state.texts.xBox = "abc";
    EXPECT_FALSE(state.reset().ok());  // a refused RESET changes nothing
    EXPECT_FALSE(state.hasUnsavedChanges());
    state.texts.nameBox = "maze9";
    EXPECT_EQ(english(state.closingQuestion()), "Save the changes to maze9.txt before closing?");
}

TEST_F(EditorTest, StartUpClearsWhatAKilledSaveLeftBehind)
{
    spill(maps / ".maze3.txt.saving", "half a level");
    spill(maps / "maze3.txt", "whole");
    EditorState next(program);
    next.formLoad();
    EXPECT_EQ(entries(maps), 1);
    EXPECT_EQ(slurp(maps / "maze3.txt"), "whole");
}

} // namespace
} // namespace kelvaro::testing

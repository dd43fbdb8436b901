// SPDX-License-Identifier: GPL-3.0-or-later
// Where the editor saves and loads: the maps folder in a portable tree, "My levels" in an installed copy.
#include "editor/core/tests/editor_fixture.h"

#include "editor/core/level_folders.h"

namespace kelvaro::testing {
namespace {

// A program folder with a shipped maze1.txt, and a home whose level home may get "My levels".
class LevelFoldersTest : public ::testing::Test {
protected:
    LevelFoldersTest()
        : root(fs::temp_directory_path() / ("kel-edit-folders-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          program(root / "program"), maps(program / "Maps"), home(root / "home"),
          mine(home / ".local" / "share" / "kelvaro" / "levels" / "My levels")
    {
        fs::remove_all(root);
        fs::create_directories(maps);
        fs::create_directories(home);
        spill(maps / "maze1.txt", shipped);
    }
    ~LevelFoldersTest() override { fs::remove_all(root); }

    // As an installed copy: the player's set beside the shipped levels.
    LevelFolders installed() const { return {program, mine}; }
    EditorState editor(const LevelFolders& folders) const
    {
        EditorState state(folders);
        state.formLoad();
        return state;
    }

    // 6 x 5 cells, jewel (2, 2), goal (3, 2), start (2, 3), 40 seconds.
    static std::string level(const std::string& time)
    {
        std::vector<std::string> v{"5", "4", "2", "2", "3", "2", "2", "3", time};
        for (int x = 0; x <= 5; ++x)
            for (int y = 0; y <= 4; ++y)
                v.push_back((x < 1 || x > 4 || y < 1 || y > 3) ? "1" : "0");
        return lines(v);
    }
    const std::string shipped = level("40");

    fs::path root, program, maps, home, mine;
};

TEST_F(LevelFoldersTest, AMapsFolderThatTakesNewFilesKeepsTheEditorBesideItsProgram)
{
    const LevelFolders folders = chooseLevelFolders(program, nullptr, home.c_str());
    EXPECT_EQ(folders.own_set, std::nullopt);
    EXPECT_EQ(folders.saveFolder(), maps);
    EXPECT_EQ(folders.loadFolders(), std::vector<fs::path>{maps});
    EXPECT_EQ(entries(maps), 1);  // the probe file is gone again

    // A portable tree without its maps folder makes it at the first SAVE, as before.
    fs::remove_all(maps);
    EXPECT_EQ(chooseLevelFolders(program, nullptr, home.c_str()).own_set, std::nullopt);
}

TEST_F(LevelFoldersTest, AnInstalledCopySavesInMyLevelsInTheLevelHome)
{
    // No new file can be made where the maps folder is not a folder, nor beside a missing
    // program folder: both stand for a read-only installed copy here, where root writes anywhere.
    fs::remove_all(maps);
    spill(maps, "not a folder");
    const LevelFolders folders = chooseLevelFolders(program, nullptr, home.c_str());
    EXPECT_EQ(folders.own_set, mine);
    EXPECT_EQ(folders.saveFolder(), mine);
    EXPECT_EQ(folders.loadFolders(), (std::vector<fs::path>{mine, maps}));

    const fs::path gone = root / "gone";
    EXPECT_EQ(chooseLevelFolders(gone, (root / "data").c_str(), home.c_str()).own_set,
              root / "data" / "kelvaro" / "levels" / "My levels");
    // A relative $XDG_DATA_HOME is ignored; without any home the maps folder is all there is.
    EXPECT_EQ(chooseLevelFolders(gone, "data", home.c_str()).own_set, mine);
    EXPECT_EQ(chooseLevelFolders(gone, nullptr, nullptr).own_set, std::nullopt);
    EXPECT_FALSE(fs::exists(mine));  // choosing makes nothing
}

TEST_F(LevelFoldersTest, MyLevelsIsMadeAtTheFirstSaveAndTheShippedLevelsStayAsTheyWere)
{
    EditorState state = editor(installed());
    EXPECT_EQ(state.levelFolder(), mine);
    EXPECT_FALSE(fs::exists(mine));  // starting makes nothing
    state.texts.nameBox = "maze7";
    ASSERT_TRUE(state.save().ok());
    EXPECT_TRUE(fs::is_directory(mine));
    EXPECT_EQ(slurp(mine / "maze7.txt"), writeAuthorLevel(state.level));
    EXPECT_EQ(entries(maps), 1);
    EXPECT_EQ(slurp(maps / "maze1.txt"), shipped);
}

TEST_F(LevelFoldersTest, LoadLooksInMyLevelsFirstThenInTheShippedLevels)
{
    EditorState state = editor(installed());
    ASSERT_TRUE(state.load().ok());  // only the shipped maze1 so far
    EXPECT_EQ(state.texts.timeBox, "40");

    // Changed and saved, it becomes the player's own and is loaded from then on.
    state.texts.timeBox = "55";
    ASSERT_TRUE(state.save().ok());
    EXPECT_EQ(slurp(maps / "maze1.txt"), shipped);
    EditorState again = editor(installed());
    ASSERT_TRUE(again.load().ok());
    EXPECT_EQ(again.texts.timeBox, "55");

    // The player's file is found whatever its case, like the shipped ones.
    fs::rename(mine / "maze1.txt", mine / "MAZE1.TXT");
    again.texts.timeBox = "1";
    ASSERT_TRUE(again.load().ok());
    EXPECT_EQ(again.texts.timeBox, "55");
}

TEST_F(LevelFoldersTest, LoadTellsOfADamagedOwnFileInsteadOfTakingTheShippedOne)
{
    fs::create_directories(mine);
    spill(mine / "maze1.txt", "5\r\n4\r\n");
    EditorState state = editor(installed());
    const std::string message = english(state.load().message);
    EXPECT_TRUE(message.starts_with("Could not load maze1.txt from " + mine.string() + ":\nline 3: the file ends"))
        << message;
    EXPECT_EQ(state.texts.timeBox, "75");
}

TEST_F(LevelFoldersTest, ALevelFoundNowhereNamesBothFolders)
{
    EditorState state = editor(installed());
    state.texts.nameBox = "maze9";
    EXPECT_EQ(english(state.load().message), "Could not load maze9.txt from " + mine.string() + " or " + maps.string() +
                                        ":\nthe file does not exist.\nThe level in the editor is unchanged.");
}

TEST_F(LevelFoldersTest, SomethingElseWhereMyLevelsShouldBeIsToldAndNothingIsWritten)
{
    fs::create_directories(mine.parent_path());
    spill(mine, "");
    EditorState state = editor(installed());
    EXPECT_EQ(english(state.save().message), "Could not save maze1.txt in " + mine.string() +
                                        ":\nthere is a plain file called My levels where the level folder should be.\n"
                                        "Nothing was written; the level in the editor is unchanged.");
    EXPECT_TRUE(fs::is_regular_file(mine));
}

} // namespace
} // namespace kelvaro::testing

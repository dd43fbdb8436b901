// SPDX-License-Identifier: GPL-3.0-or-later
// kel_check on a set folder: its levels in number order, its gaps, files the game passes over, and sets that fail.
#include "tools/kel_check/level_report.h"
#include "tools/kel_check/set_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace kelvaro {
namespace {
namespace fs = std::filesystem;

const fs::path data = KEL_CHECK_DATA;

// A set folder made for one test, with copies of the good level under the names given.
class SetFolder {
public:
    explicit SetFolder(const std::string& name)
        : folder(fs::temp_directory_path() / ("kel-check-" + std::to_string(::getpid()) + "-" + name))
    {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~SetFolder() { fs::remove_all(folder); }
    void level(const std::string& name) const { fs::copy_file(data / "good.txt", folder / name); }
    void text(const std::string& name, const std::string& content) const
    {
        std::ofstream(folder / name, std::ios::binary) << content;
    }

    fs::path folder;
};

TEST(KelCheckSet, LevelsInNumberOrderAndEachRunOfGapsOnce)
{
    SetFolder set("gaps");
    for (const char* name : {"maze10.txt", "maze2.txt", "maze1.txt", "maze6.txt"})
        set.level(name);
    const SetCheck check = checkSetFolder(set.folder);
    ASSERT_EQ(check.set.levels.size(), 4u);
    EXPECT_EQ(check.set.levels[2].file.filename(), "maze6.txt");
    EXPECT_EQ(check.set.levels[3].file.filename(), "maze10.txt");  // by number, not by name
    EXPECT_EQ(gapTexts(check.set), (std::vector<std::string>{"maze3.txt to maze5.txt are missing",
                                                             "maze7.txt to maze9.txt are missing"}));
    EXPECT_TRUE(check.passed());  // gaps are told, but the game plays the numbers there are

    set.level("maze4.txt");
    EXPECT_EQ(gapTexts(checkSetFolder(set.folder).set),
              (std::vector<std::string>{"maze3.txt is missing", "maze5.txt is missing", "maze7.txt to maze9.txt are missing"}));
}

TEST(KelCheckSet, TheReportNamesTheSetItsLevelsGapsAndIgnoredFiles)
{
    const std::string text = setReportText("gapped_set", checkSetFolder(data / "gapped_set"));
    EXPECT_EQ(text, "gapped_set: set \"Three with a gap\"\n"
                    "  levels      3 levels, numbered 1 to 5\n"
                    "  gap         maze3.txt to maze4.txt are missing\n"
                    "  ignored     notes.txt: the game plays only maze1.txt to maze999.txt, one spelling each\n");
}

TEST(KelCheckSet, FilesTheGameDoesNotPlayAreIgnoredAndSaidSo)
{
    SetFolder set("ignored");
    set.level("maze1.txt");
    set.level("MAZE1.TXT");    // a second spelling of 1: the game takes maze1.txt
    set.level("maze01.txt");   // a leading zero
    set.level("maze1000.txt"); // beyond 999
    set.level("mylevel.txt");  // saved by the editor under another name
    set.text("SET.TXT", "title: Odd names\n");
    set.text("readme.md", "not a .txt file: not a level, not worth a word");
    fs::create_directory(set.folder / "maze2.txt");  // a folder is never a level
    const SetCheck check = checkSetFolder(set.folder);
    EXPECT_EQ(check.set.title, "Odd names");
    ASSERT_EQ(check.set.levels.size(), 1u);
    EXPECT_EQ(check.ignored, (std::vector<std::string>{"MAZE1.TXT", "maze01.txt", "maze1000.txt", "mylevel.txt"}));
}

TEST(KelCheckSet, ASetWithoutALevelOrThatCannotBeReadFails)
{
    const SetCheck empty = checkSetFolder(data / "no_level_set");
    EXPECT_FALSE(empty.passed());
    EXPECT_EQ(setReportText("no_level_set", empty),
              "no_level_set: FAIL\n  levels      none: no file named maze1.txt to maze999.txt\n");

    SetCheck gone = checkSetFolder(data / "no such set");
    EXPECT_FALSE(gone.passed());
    EXPECT_EQ(setReportText("gone", gone), "gone: FAIL\n  reads       no: the folder no longer exists\n");
}

TEST(KelCheckSet, ADamagedSetTxtLosesOnlyTheTitle)
{
    SetFolder set("damaged");
    set.level("maze1.txt");
    set.text("set.txt", "this line has no colon\n");
    const std::string text = setReportText("damaged", checkSetFolder(set.folder));
    EXPECT_EQ(text.substr(0, text.find('\n')), "damaged: set \"" + set.folder.filename().string() + "\"");
    EXPECT_NE(text.find("  set.txt     damaged: the folder's name stands for the title\n"), std::string::npos) << text;
}

} // namespace
} // namespace kelvaro

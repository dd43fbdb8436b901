// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser on the page: the sets named, each level drawn and worded by the core, the answer when played or closed.
#include "web/web_dialogs.h"
#include "web/tests/fake_page.h"

#include "level/sets/level_set.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// Levels 1 and 2 as shipped, level 3 cut short.
class WebChooser : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("kelvaro-web-chooser-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        for (const char* name : {"maze1.txt", "maze2.txt"})
            fs::copy_file(fs::path(KELVARO_MAPS) / name, folder_ / name);
        std::ofstream(folder_ / "maze3.txt") << "7\r\n5\r\n2\r\n2\r\n";
        std::ofstream(folder_ / "set.txt") << "title: Mine\nauthor: Someone\n";
        images_.wall = images_.blank = images_.goal = images_.jewel = images_.crate = Surface(32, 32, 0xff102030);
        images_.playerRight = Surface(128, 32, 0xffa0b0c0);
    }
    void TearDown() override { fs::remove_all(folder_); }

    ChooserRequest request(int level)
    {
        ChooserRequest r;
        r.sets = {readLevelSet(folder_)};
        r.level = level;
        r.figures = [this](const GameLevel&) { return figures_; };
        return r;
    }

    fs::path folder_;
    Images images_;
    LevelFigures figures_;
    FakePage page_;
    WebDialogs dialogs_{page_, images_};
};

TEST_F(WebChooser, ShowsTheSetsLevelsDrawnAndWordedByTheCore)
{
    dialogs_.chooseLevel(request(2), [](std::optional<LevelChoice>) { ADD_FAILURE() << "nothing chosen yet"; });
    EXPECT_EQ(page_.take(), (std::vector<std::string>{"chooser 1 Choose level", "set 0 Mine — 3 levels focus 1"}));
    EXPECT_EQ(page_.chooser.play, "Play");
    EXPECT_EQ(page_.chooser.sets, std::vector<std::string>{"Mine — 3 levels"});
    EXPECT_EQ(page_.set_info, "Mine by Someone\nFolder: " + folder_.string() + "\n3 levels, numbered 1 to 3");
    ASSERT_EQ(page_.tiles.size(), 3u);
    const ChooserTile& first = page_.tiles[0];
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.lines, (std::vector<std::string>{"not solved", "best time left –", "fewest actions –", "par …"}));
    EXPECT_TRUE(first.playable);
    EXPECT_EQ(first.tip, "maze1.txt");
    EXPECT_GT(first.thumbnail.width(), 0);
    EXPECT_LE(first.thumbnail.width(), chooser_thumbnail_width);
    EXPECT_LE(first.thumbnail.height(), chooser_thumbnail_height);
    EXPECT_EQ(first.thumbnail.at(0, 0), 0xff102030u);
    const ChooserTile& cut = page_.tiles[2];
    EXPECT_FALSE(cut.playable);
    EXPECT_EQ(cut.lines, std::vector<std::string>{"damaged"});
    EXPECT_EQ(cut.thumbnail.width(), 0);

    // Pars and records arrive: the words change, the pictures are not sent again.
    figures_ = {true, 37, 12, 11, false};
    dialogs_.updateChooser();
    EXPECT_EQ(page_.take(), std::vector<std::string>{"figures"});
    EXPECT_EQ(page_.tiles[1].lines, (std::vector<std::string>{"solved", "best time left 37", "fewest actions 12", "par 11"}));
    EXPECT_TRUE(page_.tiles[1].solved);
}

TEST_F(WebChooser, PlayingAnswersTheLevelAndADamagedOneSaysWhy)
{
    std::vector<std::optional<LevelChoice>> answers;
    int closes = 0;
    dialogs_.after_close = [&] { ++closes; };
    dialogs_.chooseLevel(request(0), [&](std::optional<LevelChoice> choice) { answers.push_back(choice); });
    page_.take();

    dialogs_.chooserPlay(3);
    const std::vector<std::string> said = page_.take();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].rfind("box 2 0 Kelvaro: Level 3 cannot be played.\n\nThe level file ", 0), 0u) << said[0];
    EXPECT_TRUE(answers.empty());
    dialogs_.answer(2, true, "");  // the refusal's OK: the chooser stays

    dialogs_.chooserPlay(2);
    EXPECT_EQ(page_.take(), std::vector<std::string>{"close 1"});
    ASSERT_EQ(answers.size(), 1u);
    ASSERT_TRUE(answers[0]);
    EXPECT_EQ(answers[0]->number, 2);
    EXPECT_EQ(answers[0]->set.folder, folder_);
    EXPECT_EQ(closes, 2);
    dialogs_.answer(1, false, "");  // the page's own close event comes after: nothing more
    EXPECT_EQ(answers.size(), 1u);
    dialogs_.updateChooser();
    EXPECT_TRUE(page_.take().empty());
}

TEST_F(WebChooser, ClosingAnswersNothingAndAnotherSetIsReadAfresh)
{
    std::vector<std::optional<LevelChoice>> answers;
    ChooserRequest r = request(1);
    const fs::path other = folder_ / "other";
    r.sets.push_back(readLevelSet(other));  // no such folder yet
    r.current = 1;
    dialogs_.chooseLevel(r, [&](std::optional<LevelChoice> choice) { answers.push_back(choice); });
    EXPECT_EQ(page_.take(), (std::vector<std::string>{"chooser 1 Choose level", "set 1 other — cannot be read focus 0"}));
    EXPECT_TRUE(page_.tiles.empty());

    fs::create_directories(other);
    fs::copy_file(folder_ / "maze1.txt", other / "maze1.txt");
    dialogs_.chooserSet(1);
    EXPECT_EQ(page_.take(), std::vector<std::string>{"set 1 other — 1 level focus 0"});
    EXPECT_EQ(page_.tiles.size(), 1u);

    dialogs_.answer(1, false, "");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0]);
}

} // namespace
} // namespace kelvaro

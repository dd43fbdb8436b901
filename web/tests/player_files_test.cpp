// SPDX-License-Identifier: GPL-3.0-or-later
// Levels opened from the device play or are refused in the desktop's words, and what the player set
// up (the set in play, the sound) comes back on the next visit.
#include "web/player_files.h"

#include "game/play/played_set.h"
#include "game/play/tests/window_model_fakes.h"
#include "game/play/window_phrases.h"
#include "game/records/tests/records_files.h"
#include "level/level_files.h"

#include <gtest/gtest.h>

#include <memory>

namespace kelvaro {
namespace {

std::string shippedLevel(int n) { return slurp(fs::path(KELVARO_MAPS_DIR) / ("maze" + std::to_string(n) + ".txt")); }

// The web shell's wiring on fakes: a visit to the page, its storage a folder that outlives it.
struct Visit {
    explicit Visit(const fs::path& save) : files(save, [this] { ++keeps; })
    {
        LevelShelf shelf;
        shelf.loader = [this](int n) { return loadGameLevel(model->playedSet().file(n)); };
        shelf.file_name = [this](int n) { return files.shownName(model->playedSet().file(n)); };
        model = std::make_unique<GameWindowModel>(images, GameWindowModel::Shell{sound, keys, dialogs, clock.source(), [](int) {}},
                                                  std::move(shelf));
        model->setLevelSet(builtinLevelSet(fs::path(KELVARO_MAPS_DIR).parent_path()));
        files.restore(*model);
        model->start();
    }
    // The shell's pass after an event.
    void sync()
    {
        model->advance();
        files.keepSettings(*model);
    }
    void open(const std::vector<OpenedFile>& opened)
    {
        for (const OpenedFile& file : opened)
            files.add(file);
        files.open(*model);
        sync();
    }

    FakeClock clock;
    FakeKeys keys;
    SoundRecorder sound;
    FakeDialogs dialogs;
    Images images = codedImages();
    int keeps = 0;
    PlayerFiles files;
    std::unique_ptr<GameWindowModel> model;
};

TEST(PlayerFiles, AFileThatReadsIsKeptAsASetOfOneLevelAndPlaysAtOnce)
{
    TempDir dir;
    Visit visit(dir.path);
    visit.open({{"my level.txt", shippedLevel(2)}});
    EXPECT_EQ(visit.model->playedSet().set().folder, dir.path / "sets" / "my level");
    EXPECT_EQ(visit.model->playedSet().highest(), 1);
    EXPECT_EQ(visit.model->engine.level(), 1);
    EXPECT_TRUE(visit.dialogs.opened.empty());
    EXPECT_EQ(slurp(dir.path / "sets" / "my level" / "maze1.txt"), shippedLevel(2));
    EXPECT_GE(visit.keeps, 2);  // the level, then the set in play
}

TEST(PlayerFiles, ADamagedFileGetsTheDesktopsMessageAndIsNotKeptAndTheSetInPlayStays)
{
    TempDir dir;
    Visit visit(dir.path);
    const LevelSet before = visit.model->playedSet().set();
    const std::string bytes = "12\nnonsense\n";
    std::istringstream in(bytes);
    const Result<GameLevel> read = readGameLevel(in);
    ASSERT_FALSE(read.ok());

    visit.open({{"broken.txt", bytes}});
    ASSERT_TRUE(visit.dialogs.isOpen());
    EXPECT_EQ(visit.dialogs.current().kind, FakeDialogs::Kind::message);
    EXPECT_EQ(visit.dialogs.current().text, english(gameMessage(words::cannot_play, {1, levelFault("broken.txt", read.error())})));
    EXPECT_EQ(visit.model->playedSet().set().folder, before.folder);
    EXPECT_TRUE(visit.model->playedSet().builtin());
    EXPECT_FALSE(fs::exists(dir.path / "sets" / "broken"));
    EXPECT_EQ(visit.keeps, 0);
}

TEST(PlayerFiles, SeveralFilesAreTheSetInPlayTheChooserOpensOnAndTheNextVisitKeepsIt)
{
    TempDir dir;
    const fs::path set = dir.path / "sets" / "first";
    {
        Visit visit(dir.path);
        visit.open({{"second.txt", shippedLevel(3)}, {"first.txt", shippedLevel(1)}});
        EXPECT_EQ(visit.model->playedSet().set().folder, set);
        EXPECT_EQ(visit.model->playedSet().highest(), 2);
        EXPECT_EQ(slurp(set / "maze2.txt"), shippedLevel(3));
        ASSERT_TRUE(visit.dialogs.chooser);
        EXPECT_EQ(visit.dialogs.chooser->sets.at(visit.dialogs.chooser->current).folder, set);
        visit.dialogs.answer("");
        visit.sync();
        visit.open({{"Folder/maze4.txt", shippedLevel(4)}});  // another set, not put in play over a visit
        visit.dialogs.answer("");
        visit.sync();
        visit.model->setLevelSet(readLevelSet(set));
        visit.sync();
    }
    Visit again(dir.path);
    EXPECT_EQ(again.model->playedSet().set().folder, set);
    const std::vector<LevelSet> listed = again.model->chooserSets();
    EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const LevelSet& s) { return s.folder == dir.path / "sets" / "Folder"; }));
    EXPECT_EQ(again.files.shownName(set / "maze1.txt"), (set / "maze1.txt").string());
}

TEST(PlayerFiles, TheSoundIsKeptAndASetGoneSinceFallsBackToTheBuiltInSet)
{
    TempDir dir;
    {
        Visit visit(dir.path);
        visit.open({{"a.txt", shippedLevel(1)}, {"b.txt", shippedLevel(2)}});
        visit.dialogs.answer("");
        visit.model->post(Command::soundItem);
        visit.sync();
    }
    fs::remove_all(dir.path / "sets" / "a");
    {
        Visit visit(dir.path);
        EXPECT_FALSE(visit.model->controls.soundItem.checked);
        EXPECT_TRUE(visit.model->playedSet().builtin());
        visit.model->post(Command::soundItem);
        visit.sync();
    }
    EXPECT_EQ(readWebSettings(dir.path / "kelvaro" / "kelvaro.ini"), WebSettings{});
}

} // namespace
} // namespace kelvaro

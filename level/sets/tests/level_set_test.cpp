// SPDX-License-Identifier: GPL-3.0-or-later
// Level sets as players make and share them: gaps, many levels, none, odd names, damaged notes,
// folders that cannot be read or vanish, named pipes in them; the level home's place; the digest that keys records.
#include "level/game_level.h"
#include "level/level_digest.h"
#include "level/sets/level_home.h"
#include "level/sets/level_set.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("kelvaro-sets-" + std::to_string(getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempDir() { fs::create_directories(path); }
    ~TempDir()
    {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
    fs::path put(const fs::path& name, const std::string& bytes = "1\r\n") const
    {
        fs::create_directories((path / name).parent_path());
        std::ofstream(path / name, std::ios::binary) << bytes;
        return path / name;
    }
};

std::vector<int> numbers(const LevelSet& set)
{
    std::vector<int> out;
    for (const SetLevel& level : set.levels)
        out.push_back(level.number);
    return out;
}

TEST(LevelSets, OnlyLevelFilesCountAndGapsAreTold)
{
    TempDir dir;
    for (const char* name : {"maze1.txt", "maze2.txt", "maze4.txt", "MAZE7.TXT", "maze07.txt", "maze0.txt",
                             "maze1000.txt", "mazeX.txt", "maze3.txt.bak", "notes.txt", "maze12.txt~"})
        dir.put(name);
    fs::create_directories(dir.path / "maze5.txt");  // a folder so named is no level
    const LevelSet set = readLevelSet(dir.path);
    EXPECT_EQ(numbers(set), (std::vector<int>{1, 2, 4, 7}));
    EXPECT_EQ(set.highest(), 7);
    EXPECT_EQ(set.gaps(), (std::vector<int>{3, 5, 6}));
    EXPECT_EQ(set.find(7)->file.filename(), "MAZE7.TXT");
    EXPECT_EQ(set.find(3), nullptr);
    EXPECT_EQ(set.after(2)->number, 4);
    EXPECT_EQ(set.after(7), nullptr);
    EXPECT_EQ(set.title, dir.path.filename().string());  // no set.txt: the folder names it
    EXPECT_FALSE(set.problem);

    dir.put("maze7.txt");  // two spellings of one number: the exact one, as the game's lookup
    EXPECT_EQ(readLevelSet(dir.path).find(7)->file.filename(), "maze7.txt");
}

TEST(LevelSets, ManyLevelsNoLevelsAndFoldersThatCannotBeRead)
{
    TempDir dir;
    for (int n = 1; n <= LevelSet::most_levels; ++n)
        dir.put("big/maze" + std::to_string(n) + ".txt");
    const LevelSet big = readLevelSet(dir.path / "big");
    EXPECT_EQ(big.levels.size(), 999u);
    EXPECT_TRUE(big.gaps().empty());
    EXPECT_EQ(big.find(500)->number, 500);

    fs::create_directories(dir.path / "empty");
    const LevelSet empty = readLevelSet(dir.path / "empty");
    EXPECT_TRUE(empty.levels.empty());
    EXPECT_EQ(empty.highest(), 0);
    EXPECT_FALSE(empty.problem);

    const LevelSet gone = readLevelSet(dir.path / "vanished");  // removed while a chooser showed it
    EXPECT_TRUE(gone.levels.empty());
    ASSERT_TRUE(gone.problem);
    EXPECT_EQ(english(*gone.problem), "The folder no longer exists.");

    dir.put("locked/maze1.txt");
    fs::permissions(dir.path / "locked", fs::perms::none);
    if (geteuid() != 0) {  // the superuser reads every folder
        const LevelSet locked = readLevelSet(dir.path / "locked");
        EXPECT_TRUE(locked.levels.empty());
        ASSERT_TRUE(locked.problem);
        EXPECT_EQ(english(*locked.problem), "You may not read this folder.");
    }
}

TEST(LevelSets, SetTextNamesTheSetAndDamageLosesOnlyTheTitle)
{
    EXPECT_EQ(parseSetInfo("title: Winter\r\nAuthor:  Ana \n# a comment\n\ncolour: blue\ndescription: a: b\n"),
              (SetInfo{"Winter", "Ana", "a: b", "", false}));
    EXPECT_TRUE(parseSetInfo("title: Winter\nno colon here\n").damaged);
    EXPECT_EQ(parseSetInfo("title: Winter\nno colon here\n").title, "");
    EXPECT_TRUE(parseSetInfo(std::string("title: W\0x", 10)).damaged);
    EXPECT_TRUE(parseSetInfo("title: \xff\xfe").damaged);
    EXPECT_EQ(parseSetInfo("title: Zw\xc3\xb6lf").title, "Zw\xc3\xb6lf");

    const SetInfo info{"Generated", "", "", "M-48213\nH-2", false};
    EXPECT_EQ(setInfoText(info), "title: Generated\nnotes: M-48213 H-2\n");
    EXPECT_EQ(parseSetInfo(setInfoText(info)).notes, "M-48213 H-2");

    TempDir dir;
    dir.put("a/maze1.txt");
    dir.put("a/set.txt", "title: Same\n");
    dir.put("b/maze1.txt");
    dir.put("b/set.txt", "title: Same\n");
    dir.put("c/maze1.txt");
    dir.put("c/set.txt", std::string(70 * 1024, 'x'));
    dir.put("plain-file.txt");
    const std::vector<LevelSet> sets = setsInHome(dir.path);
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0].title, "Same");
    EXPECT_EQ(sets[1].title, "Same");
    EXPECT_EQ(sets[2].title, "c");  // damaged: the folder's name stands in
    EXPECT_TRUE(sets[2].info.damaged);
    EXPECT_EQ(sets[2].levels.size(), 1u);
    EXPECT_EQ(setLabel(sets[0], sets), "Same (" + (dir.path / "a").string() + ")");
    EXPECT_EQ(setLabel(sets[2], sets), "c");
    EXPECT_TRUE(setsInHome(dir.path / "nowhere").empty());
}

// A named pipe where set.txt or a level should be is no plain file: reading the set must go
// on without it rather than wait for a writer that never comes. The reading runs in a child
// that a generous alarm ends, so a reader that blocks fails this test instead of hanging it.
TEST(LevelSets, NamedPipesInASetFolderAreNeverWaitedFor)
{
    TempDir dir;
    dir.put("pipes/maze1.txt");
    ASSERT_EQ(::mkfifo((dir.path / "pipes" / "set.txt").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((dir.path / "pipes" / "maze2.txt").c_str(), 0644), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(20);
        const LevelSet set = readLevelSet(dir.path / "pipes");
        const bool read_as_should = set.info.damaged && set.title == "pipes" && set.levels.size() == 2 &&
                                    !loadGameLevel(set.levels[1].file).ok();
        const std::vector<LevelSet> home = setsInHome(dir.path);
        ::_exit(read_as_should && home.size() == 1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(WIFSIGNALED(status)) << "the reading was stopped by signal " << WTERMSIG(status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the set read otherwise than it should";
}

TEST(LevelHome, FollowsXdgAndTellsWhereNewFilesGo)
{
    EXPECT_EQ(levelHome("/x/data", "/home/u"), fs::path("/x/data/kelvaro/levels"));
    EXPECT_EQ(levelHome("relative/data", "/home/u"), fs::path("/home/u/.local/share/kelvaro/levels"));
    EXPECT_EQ(levelHome(nullptr, nullptr), fs::path());
    EXPECT_EQ(dataHome("", "/home/u"), fs::path("/home/u/.local/share/kelvaro"));

    TempDir dir;
    EXPECT_TRUE(takesNewFiles(dir.path));
    EXPECT_TRUE(fs::is_empty(dir.path));  // the probe leaves nothing behind
    EXPECT_FALSE(takesNewFiles(dir.path / "missing"));
    EXPECT_FALSE(takesNewFiles(dir.put("file")));
    fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
    if (geteuid() != 0) {
        EXPECT_FALSE(takesNewFiles(dir.path));
    }
}

TEST(LevelDigest, TheSameLevelAnywhereAChangedOneAfresh)
{
    const auto read = [](const std::string& text) {
        std::istringstream in(text);
        return readGameLevel(in).value();
    };
    // A 4 x 4 level with its marks; the same values with commas and bare LF read the same.
    const std::string crlf = "3\r\n3\r\n1\r\n1\r\n2\r\n2\r\n1\r\n2\r\n60\r\n";
    std::string cells_crlf, cells_lf;
    for (int i = 0; i < 16; ++i) {
        cells_crlf += (i % 5 == 0 ? "1" : "0") + std::string("\r\n");
        cells_lf += (i % 5 == 0 ? "1" : "0") + std::string(",");
    }
    const GameLevel a = read(crlf + cells_crlf);
    const std::string digest = levelDigest(a);
    EXPECT_EQ(digest.size(), 16u);
    EXPECT_EQ(levelDigest(read("3\n3\n1\n1\n2\n2\n1\n2\n60\n" + cells_lf)), digest);
    EXPECT_EQ(digest, "7b2b7505961b6fc9") << "the digest must never change: records are kept under it";

    GameLevel timed = a;
    timed.timeleft = 61;
    GameLevel moved = a;
    moved.playery = 1;
    GameLevel walled = a;
    walled.maze.at(1, 2) = 1;
    for (const GameLevel& changed : {timed, moved, walled})
        EXPECT_NE(levelDigest(changed), digest);
}

} // namespace
} // namespace kelvaro

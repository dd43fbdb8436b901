// SPDX-License-Identifier: GPL-3.0-or-later
// Saving whole or not at all: crashes at every step, two saves at once, read-only files, symbolic links; the lock beside.
#include "level/file_lock.h"
#include "level/level_files.h"
#include "level/tests/file_bytes.h"

#include <gtest/gtest.h>

#include <bitset>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvaro {
namespace {
namespace fs = std::filesystem;

using testing::slurp;

void put(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

std::vector<std::string> entries(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SaveDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("kelvaro_save_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::all, ignored);
        fs::remove_all(dir, ignored);
    }
    fs::path dir;
};

SaveStep crash_at;
void crashAtStep(SaveStep step)
{
    if (step == crash_at)
        ::_exit(0);  // no clean-up at all, as after kill -9
}

TEST_F(SaveDir, ACrashAfterAnyStepLeavesOldOrNewAndNothingAfterTheNextStart)
{
    struct Case {
        SaveStep step;
        const char* expected;
    };
    const Case cases[] = {{SaveStep::checked, "old"}, {SaveStep::written, "old"}, {SaveStep::flushed, "old"},
                          {SaveStep::linked, "old"},  {SaveStep::renamed, "new"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step));
        const fs::path file = dir / "maze1.txt";
        put(file, "old");
        crash_at = c.step;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            writeFileWhole(file, "new", crashAtStep);
            ::_exit(1);  // the crash point was never reached
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(slurp(file), c.expected);
        removeStaleSaves(dir);  // what the editor does at its next start
        EXPECT_EQ(entries(dir), std::vector<std::string>{"maze1.txt"});
    }
}

// Two saves that take turns at every step they tell of: `schedule` says whose turn each next
// stretch is, a save's last stretch ending when it returns. A turn is waited for as a state,
// never a time.
class TakingTurns {
public:
    explicit TakingTurns(std::vector<int> schedule) : schedule_(std::move(schedule)) {}

    void waitForTurn(int who)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return whoseTurn() == who; });
    }
    // The stretch of `who` ends, and with it the save when `finished`.
    void pass(int who, bool finished)
    {
        {
            const std::lock_guard lock(mutex_);
            finished_[who] = finished_[who] || finished;
            ++at_;
        }
        changed_.notify_all();
    }

private:
    int whoseTurn()
    {
        while (at_ < schedule_.size() && finished_[schedule_[at_]])
            ++at_;
        if (at_ < schedule_.size())
            return schedule_[at_];
        return finished_[0] ? 1 : 0;  // a save with more steps than scheduled runs on alone
    }
    std::vector<int> schedule_;
    std::size_t at_ = 0;
    bool finished_[2] = {false, false};
    std::mutex mutex_;
    std::condition_variable changed_;
};

TakingTurns* turns = nullptr;
fs::path shared_file;
thread_local int saver = 0;
std::string seen_when_renamed[2];

void takeTurns(SaveStep step)
{
    if (step == SaveStep::renamed)
        seen_when_renamed[saver] = slurp(shared_file);
    turns->pass(saver, false);
    turns->waitForTurn(saver);
}

TEST_F(SaveDir, TwoSavesOfOneFileInterleavedAtEveryStepEachSaveOnlyTheirOwnContent)
{
    // Every order of two saves' steps, each save flushing twice: in memory where the system
    // offers a folder there, since on a disk the flushes make this take half a minute.
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) {
        fs::remove_all(dir);
        dir = fs::path("/dev/shm") / dir.filename();
        fs::create_directories(dir);
    }
    shared_file = dir / "maze1.txt";
    const std::string content[2] = {"first", "second"};
    constexpr int stretches = 6;  // five steps told, then the return
    for (unsigned mask = 0; mask < (1U << (2 * stretches)); ++mask) {
        if (std::bitset<2 * stretches>(mask).count() != stretches)
            continue;
        SCOPED_TRACE(std::bitset<2 * stretches>(mask).to_string());
        put(shared_file, "old");
        std::vector<int> schedule;
        for (int i = 0; i < 2 * stretches; ++i)
            schedule.push_back((mask >> i) & 1U);
        TakingTurns taking(schedule);
        turns = &taking;
        std::optional<LevelError> result[2];
        auto save = [&](int who) {
            saver = who;
            seen_when_renamed[who].clear();
            taking.waitForTurn(who);
            result[who] = writeFileWhole(shared_file, content[who], takeTurns);
            taking.pass(who, true);
        };
        std::thread one(save, 0), other(save, 1);
        one.join();
        other.join();
        for (int who : {0, 1}) {
            if (!result[who]) {
                EXPECT_EQ(seen_when_renamed[who], content[who]) << "save " << who << " said done";
            }
        }
        const std::string now = slurp(shared_file);
        EXPECT_TRUE((now == content[0] && !result[0]) || (now == content[1] && !result[1]) ||
                    (now == "old" && result[0] && result[1]))
            << now;
        EXPECT_EQ(entries(dir), std::vector<std::string>{"maze1.txt"});
    }
}

TEST_F(SaveDir, TheNextSaveClearsAStaleTemporaryAndLeavesOtherDotFiles)
{
    put(dir / ".maze7.txt.saving", "half");
    put(dir / ".hidden", "mine");
    ASSERT_FALSE(writeFileWhole(dir / "maze1.txt", "new"));
    EXPECT_EQ(entries(dir), (std::vector<std::string>{".hidden", "maze1.txt"}));
}

TEST_F(SaveDir, AReadOnlyFileIsRefusedAndKept)
{
    const fs::path file = dir / "maze2.txt";
    put(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto error = writeFileWhole(file, "new");
    ASSERT_TRUE(error);
    EXPECT_NE(english(error->detail).find("maze2.txt"), std::string::npos);
    EXPECT_NE(english(error->detail).find("read-only"), std::string::npos);
    EXPECT_EQ(slurp(file), "old");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(entries(dir), std::vector<std::string>{"maze2.txt"});
}

TEST_F(SaveDir, ReplacingKeepsTheFilesMode)
{
    const fs::path file = dir / "maze3.txt";
    put(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_FALSE(writeFileWhole(file, "new"));
    EXPECT_EQ(slurp(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SaveDir, ASymbolicLinkIsWrittenThroughToItsTarget)
{
    fs::create_directory(dir / "shared");
    fs::create_directory(dir / "Maps");
    put(dir / "shared" / "level.txt", "old");
    fs::create_symlink("../shared/level.txt", dir / "Maps" / "maze4.txt");
    ASSERT_FALSE(writeFileWhole(dir / "Maps" / "maze4.txt", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "Maps" / "maze4.txt"));
    EXPECT_EQ(slurp(dir / "shared" / "level.txt"), "new");
    EXPECT_EQ(entries(dir / "Maps"), std::vector<std::string>{"maze4.txt"});
    EXPECT_EQ(entries(dir / "shared"), std::vector<std::string>{"level.txt"});
}

TEST_F(SaveDir, ALockKeepsOutEveryOtherHolderInThisProcessOrAnother)
{
    if (!FileLock::excludes)
        GTEST_SKIP() << "no lock on this system";
    const fs::path lock_file = dir / "records.txt.lock";
    auto triedElsewhere = [&] {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(FileLock(lock_file, FileLock::Wait::not_at_all).held() ? 1 : 0);
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 1;
    };
    {
        const FileLock first(lock_file);
        ASSERT_TRUE(first.held());
        EXPECT_FALSE(FileLock(lock_file, FileLock::Wait::not_at_all).held());
        EXPECT_FALSE(triedElsewhere());
    }
    EXPECT_TRUE(FileLock(lock_file, FileLock::Wait::not_at_all).held()) << "let go with its holder";
    EXPECT_TRUE(triedElsewhere());
    EXPECT_TRUE(fs::exists(lock_file)) << "never removed";
    EXPECT_FALSE(FileLock(dir / "missing" / "x.lock").held());
}

} // namespace
} // namespace kelvaro

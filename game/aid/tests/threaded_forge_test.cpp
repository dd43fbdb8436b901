// SPDX-License-Identifier: GPL-3.0-or-later
// The forge's worker thread: reports handed to the window's thread only, a cancelled or abandoned forge never answering.
#include "game/aid/threaded_forge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace kelvaro {
namespace {

using forge::Grade;
using forge::LevelCode;

// The window's event loop, played by the test's thread: tasks wait here until it runs them.
class FakeLoop {
public:
    ThreadedForge::Post post()
    {
        return [this](std::function<void()> task) {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
            posted_.notify_all();
        };
    }
    // Waits for the next task handed over and runs it.
    void runNext()
    {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            posted_.wait(lock, [this] { return !tasks_.empty(); });
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
    void runAll()
    {
        for (;;) {
            std::function<void()> task;
            {
                std::lock_guard lock(mutex_);
                if (tasks_.empty())
                    return;
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            task();
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

struct Answers {
    std::vector<double> shares;
    std::vector<forge::ForgeOutcome> outcomes;
    std::function<void(double)> progress() { return [this](double share) { shares.push_back(share); }; }
    std::function<void(const forge::ForgeOutcome&)> done()
    {
        return [this](const forge::ForgeOutcome& outcome) { outcomes.push_back(outcome); };
    }
};

TEST(ThreadedForge, AnswersOnTheWindowsThreadAndACancelledForgeNeverDoes)
{
    FakeLoop loop;
    ThreadedForge forge(loop.post());
    int synced = 0;
    forge.after_answer = [&synced] { ++synced; };

    // An Expert code takes long: cancelled, whether it waits or runs, it never answers, and
    // the next request is forged after it.
    Answers cancelled, next;
    forge.forge(LevelCode{Grade::expert, 3}, cancelled.progress(), cancelled.done());
    forge.cancel();
    forge.forge(LevelCode{Grade::easy, 1}, next.progress(), next.done());
    while (next.outcomes.empty())
        loop.runNext();
    loop.runAll();
    EXPECT_TRUE(cancelled.outcomes.empty());
    EXPECT_TRUE(cancelled.shares.empty());

    ASSERT_EQ(next.outcomes.size(), 1u);
    ASSERT_TRUE(next.outcomes[0].ok());
    EXPECT_EQ(next.outcomes[0].level().code, (LevelCode{Grade::easy, 1}));
    EXPECT_TRUE(std::is_sorted(next.shares.begin(), next.shares.end()));
    EXPECT_EQ(synced, static_cast<int>(next.shares.size() + 1));

}

// Closing the window while a forge runs: the thread is told, joins, and what it had posted does nothing.
TEST(ThreadedForge, GoingWhileForgingEndsTheThreadAndDropsItsReports)
{
    FakeLoop loop;
    Answers answers;
    {
        ThreadedForge forge(loop.post());
        forge.forge(LevelCode{Grade::expert, 3}, answers.progress(), answers.done());
    }
    loop.runAll();
    EXPECT_TRUE(answers.shares.empty());
    EXPECT_TRUE(answers.outcomes.empty());
}

} // namespace
} // namespace kelvaro

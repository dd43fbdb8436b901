// SPDX-License-Identifier: GPL-3.0-or-later
// The forge's worker thread: reports handed to the window's thread only, a cancelled or abandoned forge never answering.
#include "game/aid/threaded_forge.h"
#include "level/work/tests/owner_loop.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvaro {
namespace {

using forge::Grade;
using forge::LevelCode;

using testing::OwnerLoop;

TEST(ThreadedForge, AnswersOnTheWindowsThreadAndACancelledOrAbandonedForgeNeverDoes)
{
    OwnerLoop loop;
    std::vector<double> shares;
    std::vector<forge::ForgeOutcome> outcomes;
    int synced = 0;
    {
        ThreadedForge forge(loop.post());
        forge.after_answer = [&synced] { ++synced; };
        const auto progress = [&shares](double share) { shares.push_back(share); };
        const auto done = [&outcomes](const forge::ForgeOutcome& outcome) { outcomes.push_back(outcome); };

        // An Expert code takes long: cancelled, whether it waits or runs, it never answers,
        // and the next request is forged after it.
        forge.forge(LevelCode{Grade::expert, 3}, [](double) { ADD_FAILURE(); },
                    [](const forge::ForgeOutcome&) { ADD_FAILURE(); });
        forge.cancel();
        forge.forge(LevelCode{Grade::easy, 1}, progress, done);
        loop.runUntil([&outcomes] { return !outcomes.empty(); });
        ASSERT_TRUE(outcomes[0].ok());
        EXPECT_EQ(outcomes[0].level().code, (LevelCode{Grade::easy, 1}));
        EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
        EXPECT_EQ(synced, static_cast<int>(shares.size() + 1));

        // The window closes while an Expert code is forged: the thread ends with the forge.
        forge.forge(LevelCode{Grade::expert, 4}, [](double) { ADD_FAILURE(); },
                    [](const forge::ForgeOutcome&) { ADD_FAILURE(); });
    }
    loop.runPosted();  // what it posted before it went does nothing
}

} // namespace
} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// A short randomized run of the main window in the ordinary suite; window_model_soak runs the long one.
#include "game/play/tests/window_model_soak.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(Soak, TwentyThousandRandomStepsKeepEveryRule)
{
    for (const std::uint32_t seed : {1u, 2u}) {
        const SoakReport report = Soak(seed).run(10000);
        for (const std::string& violation : report.first_violations)
            ADD_FAILURE() << "seed " << seed << ", " << violation;
        EXPECT_EQ(report.violations, 0);
        // The run reached the places worth checking.
        EXPECT_GT(report.starts, 20);
        EXPECT_GT(report.wins, 0);
        EXPECT_GT(report.losses, 0);
        EXPECT_GT(report.pushes, 0);
        EXPECT_GT(report.lost_signs, 0);
        EXPECT_GT(report.hints, 0);
    }
}

} // namespace
} // namespace kelvaro

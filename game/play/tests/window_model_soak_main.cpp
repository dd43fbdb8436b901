// SPDX-License-Identifier: GPL-3.0-or-later
// The long soak of the main window: window_model_soak [steps [seed]]; fails when any rule was broken.
#include "game/play/tests/window_model_soak.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const long steps = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
    const kelvaro::SoakReport r = kelvaro::Soak(seed).run(steps);
    std::printf("steps %ld (seed %u): %ld passes of the window, %ld level starts, %ld walks and pushes "
                "(%ld pushes), %ld wins, %ld losses, %ld boxes, %ld exits confirmed\n",
                r.steps, seed, r.advances, r.starts, r.animations, r.pushes, r.wins, r.losses, r.boxes, r.quits);
    std::printf("violations: %ld\n", r.violations);
    for (const std::string& violation : r.first_violations)
        std::printf("  %s\n", violation.c_str());
    return r.violations == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

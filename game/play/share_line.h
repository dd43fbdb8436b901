// SPDX-License-Identifier: GPL-3.0-or-later
// The line a player shares after winning a daily puzzle: the day, the code and the figures, never the moves.
#pragma once

#include "level/message.h"

#include <chrono>
#include <optional>
#include <string>

namespace kelvaro {

// A daily puzzle won, as the line to share tells it.
struct DailyWin {
    std::chrono::year_month_day day;
    std::string code;
    int time_left = 0;
    int actions = 0;
    std::optional<int> par;  // the shortest solution's actions, when known
    int run = 0;             // days solved one after another, this one included
    bool operator==(const DailyWin&) const = default;
};

// "Kelvaro daily 2026-12-08 (H-02053): solved, 10 s left, 57 actions (par 50) · 3-day run":
// without the par when it is not known, without the run while it is a single day.
Message shareLine(const DailyWin& win);

} // namespace kelvaro

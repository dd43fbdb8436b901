// SPDX-License-Identifier: GPL-3.0-or-later
// The line to share after a daily puzzle won, worded from the game's phrases.
#include "game/play/share_line.h"

#include "game/play/window_phrases.h"
#include "level/calendar_day.h"

namespace kelvaro {

Message shareLine(const DailyWin& win)
{
    const Message actions =
        win.par ? counted(words::context, words::share_actions_par, words::share_action_par, win.actions, {*win.par})
                : counted(words::context, words::share_actions, words::share_action, win.actions);
    std::vector<MessageArg> args = {calendarDayText(win.day), win.code, win.time_left, actions};
    if (win.run > 1)
        return counted(words::context, words::share_run, words::share_run_one, win.run, std::move(args));
    return gameMessage(words::share, std::move(args));
}

} // namespace kelvaro

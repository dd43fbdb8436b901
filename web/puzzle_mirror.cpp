// SPDX-License-Identifier: GPL-3.0-or-later
// The page's title, Keep this level and Share button, told when they change.
#include "web/puzzle_mirror.h"

#include "game/play/window_phrases.h"
#include "web/web_translation.h"

namespace kelvaro {

void PuzzleMirror::show(const GameWindowModel& model)
{
    const std::optional<std::string> code = model.codeInPlay();
    const std::string title = code ? "KELVARO — " + *code : "KELVARO";
    if (title != title_) {
        title_ = title;
        page_.showTitle(title);
    }
    if (can_keep_ != model.canKeep()) {
        can_keep_ = model.canKeep();
        MenuItem keep;
        keep.enabled = *can_keep_;
        page_.showMenuItem("keepLevel", keep);
    }
    const std::string line = model.dailyWin() ? worded(shareLine(*model.dailyWin())) : std::string();
    if (share_ != line) {
        share_ = line;
        page_.showShare(line, worded(gameMessage(words::share_button)), worded(gameMessage(words::share_copied)));
    }
}

} // namespace kelvaro

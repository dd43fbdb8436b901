// SPDX-License-Identifier: GPL-3.0-or-later
// What the page shows of generated puzzles beside the window's controls: the title, Keep this level, the Share button.
#pragma once

#include "game/play/game_window_model.h"
#include "web/page.h"

#include <optional>
#include <string>

namespace kelvaro {

// Passes on only what changed: the title naming the code of the puzzle in play ("KELVARO — H-02053",
// as the desktop's window), Keep this level enabled after a puzzle won, and the line to share
// after a daily puzzle won.
class PuzzleMirror {
public:
    explicit PuzzleMirror(Page& page) : page_(page) {}

    void show(const GameWindowModel& model);

private:
    Page& page_;
    std::string title_ = "KELVARO";  // as the page starts
    std::optional<bool> can_keep_;
    std::optional<std::string> share_;
};

} // namespace kelvaro

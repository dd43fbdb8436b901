// SPDX-License-Identifier: GPL-3.0-or-later
// Copy and paste in the game: the level in play as its file's text, and a level or moves pasted as text.
#pragma once

#include "game/engine/engine.h"
#include "game/play/boxes.h"
#include "level/game_level.h"
#include "level/message.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

namespace clipboard_words {
inline constexpr const char* context = "LevelClipboard";
inline constexpr const char* cannot_play = QT_TRANSLATE_NOOP("LevelClipboard", "The pasted level cannot be played:\n%1.");
inline constexpr const char* no_level = QT_TRANSLATE_NOOP("LevelClipboard", "The pasted moves need a level in play.");
} // namespace clipboard_words

// What a pasted text holds: moves alone ("rrUl", blanks between them allowed), or a level,
// from a level file's text or a picture, or the fault that keeps it from being one.
struct PastedText {
    std::optional<std::vector<Action>> moves;
    Result<GameLevel> level = GameLevel{};
};
PastedText readPastedText(std::string_view text);

// The text Copy level gives: the level file's own lines, and after a win the moves on a last
// line, which the level readers pass over.
std::string copiedLevelText(const GameLevel& level, const std::vector<Action>* won_moves);

class LevelClipboard {
public:
    struct Hands {
        std::function<void(const std::string&)> copy_text;  // the system clipboard
        std::function<std::string()> paste_text;
        std::function<void()> play;                       // starts the pasted level, which level() then gives
        std::function<void(std::vector<Action>)> replay;  // moves pasted for the level in play
    };

    LevelClipboard(const Engine& engine, Boxes& boxes, Hands hands);

    // The level in play as it started, and after a win its moves.
    void copy();
    // A level is played at once; moves are handed on for the level in play; a damaged level
    // is said in a box, the level in play left as it was.
    void paste() { paste(hands_.paste_text()); }
    // The same with the text handed over: a browser reads its clipboard when it will.
    void paste(const std::string& text);

    // While a pasted level is in play every level number is its level: Restart and Retry replay it.
    const GameLevel* level() const { return pasted_ ? &*pasted_ : nullptr; }
    // The set in play, or a puzzle, takes over again.
    void leave() { pasted_.reset(); }

private:
    const Engine& engine_;
    Boxes& boxes_;
    Hands hands_;
    std::optional<GameLevel> pasted_;
};

} // namespace kelvaro

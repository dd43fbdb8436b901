// SPDX-License-Identifier: GPL-3.0-or-later
// Copy and paste in the game: the level in play as its file's text, and a level or moves pasted as text.
#include "game/play/level_clipboard.h"

#include "level/level_record.h"
#include "level/level_text.h"
#include "level/solver/solver.h"

namespace kelvaro {

PastedText readPastedText(std::string_view text)
{
    std::string letters;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            letters += c;
    if (std::optional<std::vector<Action>> moves = readMoves(letters); moves && !moves->empty())
        return {std::move(moves)};
    return {std::nullopt, readGameLevelText(text)};
}

std::string copiedLevelText(const GameLevel& level, const std::vector<Action>* won_moves)
{
    std::string text = writeRecord(toRecord(level));
    if (won_moves)
        text += movesText(*won_moves) + "\r\n";
    return text;
}

LevelClipboard::LevelClipboard(const Engine& engine, Boxes& boxes, Hands hands)
    : engine_(engine), boxes_(boxes), hands_(std::move(hands))
{
}

void LevelClipboard::copy()
{
    const GameLevel* started = engine_.startedLevel();
    if (!started)
        return;
    const std::vector<Action> moves = engine_.moves();
    const bool won = engine_.jewelx() == engine_.goalx() && engine_.jewely() == engine_.goaly();
    hands_.copy_text(copiedLevelText(*started, won ? &moves : nullptr));
}

void LevelClipboard::paste(const std::string& text)
{
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return;
    PastedText pasted = readPastedText(text);
    if (pasted.moves) {
        if (engine_.startedLevel())
            hands_.replay(std::move(*pasted.moves));
        else
            boxes_.say(phrase(clipboard_words::context, clipboard_words::no_level));
        return;
    }
    if (!pasted.level) {
        boxes_.say(phrase(clipboard_words::context, clipboard_words::cannot_play, {pasted.level.error().message()}));
        return;
    }
    pasted_ = std::move(pasted.level.value());
    hands_.play();
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's moves played for the player: redo, the player's own solution replayed and the solver's shown.
#include "game/play/game_window_model.h"
#include "game/play/window_phrases.h"

namespace kelvaro {

void GameWindowModel::onRedo() { engine.requestRedo(); }

void GameWindowModel::replay(std::vector<Action> moves)
{
    if (!engine.startedLevel())
        return;  // no level on the playfield
    controls.countdownTimer.disable();
    startlevel(engine.level());
    if (!engine.playing())
        return;  // the level could not be read again, and the player was told
    helped_ = true;
    engine.replay(std::move(moves));
}

void GameWindowModel::onReplay()
{
    if (!engine.startedLevel())
        return;
    const std::optional<std::string> kept = records_.keptSolution(engine.startedDigest());
    std::optional<std::vector<Action>> moves = kept ? readMoves(*kept) : std::nullopt;
    if (!moves) {
        boxes_.say(gameMessage(words::no_solution_kept));
        return;
    }
    replay(std::move(*moves));
}

void GameWindowModel::onShowSolution()
{
    if (!engine.startedLevel())
        return;
    boxes_.modal([this](auto closed) {
        shell_.dialogs.confirm(gameMessage(words::show_solution_ask), gameMessage(words::show_solution),
                               [this, closed](bool yes) {
                                   closed();
                                   if (yes)
                                       showSolution();
                               });
    });
}

// Solved from the level's start, not from where the player stands: what is shown is then a
// whole solution, played as the player's own is.
void GameWindowModel::showSolution()
{
    const GameLevel* start = engine.startedLevel();
    if (!start)
        return;  // the game was ended while the box was open
    const std::uint32_t runs = engine.runs();
    solver().solve(*start, [this, runs, digest = engine.startedDigest()](const Solution& solution) {
        if (engine.runs() != runs)
            return;  // another level started, or this one ended, while the solver searched
        if (solution.verdict != Verdict::solvable) {
            boxes_.say(gameMessage(words::no_solution_found));
            return;
        }
        records_.markSeen(digest);
        replay(solution.moves);
    });
}

} // namespace kelvaro

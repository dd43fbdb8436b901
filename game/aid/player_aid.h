// SPDX-License-Identifier: GPL-3.0-or-later
// Hints and the lost-position warning: the solver judges the position in the background.
#pragma once

#include "game/ports/solver_port.h"

#include "game/engine/engine.h"
#include "level/phrase.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// What the aid says, in the game window's words.
inline constexpr const char* kLostText =
    QT_TRANSLATE_NOOP("GameWindow", "This level can no longer be won from here. Restart it with F3.");
inline constexpr const char* kNoHintText = QT_TRANSLATE_NOOP("GameWindow", "No hint found in time.");
inline constexpr std::uint32_t hint_shown_ms = 2000;

// Where the next push of a solution from the player's cell is made: the object's cell
// and the cell the player pushes it from. Nothing when the solution pushes nothing.
std::optional<HintOutline> firstPush(const std::vector<Action>& moves, int playerx, int playery);

class PlayerAid {
public:
    PlayerAid(Engine& engine, Controls& controls, SolverPort& solver, TickSource ticks);

    // Opens an OK box with the text; the model makes it modal.
    std::function<void(const Message&)> say;

    // The engine's position changed.
    void onChange(Engine::Change change);
    // H or the Hint item: the next push, or why there is none.
    void askHint();
    // Hides the outline when its time is up, or when the playfield is no longer in play.
    void advance();
    std::optional<std::uint32_t> nextDue() const;

    bool lost() const { return verdict() == Verdict::unsolvable; }

private:
    // What is known of each position since the level started, by the number of moves made:
    // a take-back returns to a position whose verdict may already be known.
    Verdict verdict() const;
    void setVerdict(Verdict verdict);
    void forget();
    void check();
    void answered(std::uint64_t generation, int fromx, int fromy, const Solution& solution);
    void showHint(const Solution& solution, int fromx, int fromy);
    void hideHint();
    void mirror();
    bool inPlay() const;

    Engine& engine_;
    Controls& controls_;
    SolverPort& solver_;
    TickSource ticks_;
    std::uint64_t generation_ = 0;  // raised whenever the crates or jewel change
    std::vector<Verdict> known_;
    bool pending_ = false;  // a search of this generation is on its way
    std::optional<Solution> solution_;
    int solution_fromx_ = -1, solution_fromy_ = -1;
    std::size_t layout_since_ = 0;  // moves made when the crates and jewel last moved
    bool hint_wanted_ = false;
    std::uint32_t hint_shown_at_ = 0;
};

} // namespace kelvaro

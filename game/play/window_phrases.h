// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the game's plain window behaviour, engine and aid show a player, for the shell to translate.
#pragma once

#include "game/engine/controls.h"
#include "level/message.h"

#include <span>

namespace kelvaro {

namespace words {
inline constexpr const char* context = engine_words::context;
inline constexpr const char* sure = QT_TRANSLATE_NOOP("GameWindow", "Are you sure?");
inline constexpr const char* time = engine_words::time;
inline constexpr const char* level = engine_words::level;
inline constexpr const char* time_n = engine_words::time_n;
inline constexpr const char* file_not_found = QT_TRANSLATE_NOOP("GameWindow", "Level file not found !");
inline constexpr const char* cannot_play = QT_TRANSLATE_NOOP("GameWindow", "Level %1 cannot be played.\n\n%2");
inline constexpr const char* set_unreadable = QT_TRANSLATE_NOOP("GameWindow", "The level set \"%1\" cannot be read:\n%2");
inline constexpr const char* set_empty = QT_TRANSLATE_NOOP("GameWindow", "The level set \"%1\" has no level.");
inline constexpr const char* level_selection = QT_TRANSLATE_NOOP("GameWindow", "Level selection");
inline constexpr const char* exit_game = QT_TRANSLATE_NOOP("GameWindow", "Exit current game");
inline constexpr const char* restart_level = QT_TRANSLATE_NOOP("GameWindow", "Restart level ");
inline constexpr const char* exit_kelvaro = QT_TRANSLATE_NOOP("GameWindow", "Exit Kelvaro");
inline constexpr const char* prompt = QT_TRANSLATE_NOOP("GameWindow", "Enter the level number (1-%1)");
inline constexpr const char* file_gone = QT_TRANSLATE_NOOP("GameWindow", "The level file %1 no longer exists.");
inline constexpr const char* file_unreadable = QT_TRANSLATE_NOOP("GameWindow", "The level file %1 cannot be read:\n%2.");
inline constexpr const char* file_damaged = QT_TRANSLATE_NOOP("GameWindow", "The level file %1 is damaged:\n%2.");
// Generated and daily puzzles.
inline constexpr const char* generated_puzzle = QT_TRANSLATE_NOOP("GameWindow", "Generated puzzle");
inline constexpr const char* daily_puzzle = QT_TRANSLATE_NOOP("GameWindow", "Daily puzzle");
inline constexpr const char* code_unknown_grade =
    QT_TRANSLATE_NOOP("GameWindow", "The code \"%1\" does not start with a grade letter: E, M, H or X.");
inline constexpr const char* code_no_seed = QT_TRANSLATE_NOOP("GameWindow", "The code \"%1\" has no number after its grade letter.");
inline constexpr const char* code_not_a_number =
    QT_TRANSLATE_NOOP("GameWindow", "The code \"%1\" must end in a number, as in M-00042.");
inline constexpr const char* code_too_large = QT_TRANSLATE_NOOP("GameWindow", "The code \"%1\" has a number above 99999.");
inline constexpr const char* no_level_found = QT_TRANSLATE_NOOP("GameWindow", "No level found, try another code.");
inline constexpr const char* kept = QT_TRANSLATE_NOOP("GameWindow", "The level %1 is kept as %2.");
inline constexpr const char* already_kept = QT_TRANSLATE_NOOP("GameWindow", "The level %1 is already kept as %2.");
inline constexpr const char* keep_failed = QT_TRANSLATE_NOOP("GameWindow", "The level %1 could not be kept in %2:\n%3");
inline constexpr const char* keep_set_damaged =
    QT_TRANSLATE_NOOP("GameWindow", "The level %1 was not kept: %2 cannot be read as a set's description. Mend or remove it first.");
inline constexpr const char* keep_set_full = QT_TRANSLATE_NOOP("GameWindow", "The level %1 was not kept: the set %2 already has 999 levels.");
inline constexpr const char* keep_no_home = QT_TRANSLATE_NOOP("GameWindow", "The level %1 was not kept: there is no folder for your levels, as neither XDG_DATA_HOME nor HOME is set.");
// The line to share after a daily puzzle won: the day, the code, time left, actions, the run.
inline constexpr const char* share = QT_TRANSLATE_NOOP("GameWindow", "Kelvaro daily %1 (%2): solved, %3 s left, %4");
inline constexpr const char* share_run =
    QT_TRANSLATE_N_NOOP("GameWindow", "Kelvaro daily %1 (%2): solved, %3 s left, %4 · %n-day run");
inline constexpr const char* share_run_one = "Kelvaro daily %1 (%2): solved, %3 s left, %4 · 1-day run";
inline constexpr const char* share_actions = QT_TRANSLATE_N_NOOP("GameWindow", "%n actions");
inline constexpr const char* share_action = "1 action";
inline constexpr const char* share_actions_par = QT_TRANSLATE_N_NOOP("GameWindow", "%n actions (par %1)");
inline constexpr const char* share_action_par = "1 action (par %1)";
inline constexpr const char* share_button = QT_TRANSLATE_NOOP("GameWindow", "Share");
inline constexpr const char* share_copied = QT_TRANSLATE_NOOP("GameWindow", "Copied");
// The player's own solutions and the solver's, played back.
inline constexpr const char* show_solution = QT_TRANSLATE_NOOP("GameWindow", "Show a solution");
inline constexpr const char* show_solution_ask = QT_TRANSLATE_NOOP("GameWindow", "Show a solution? The level will not count as solved.");
inline constexpr const char* no_solution_kept = QT_TRANSLATE_NOOP("GameWindow", "No solution of yours is kept for this level yet.");
inline constexpr const char* no_solution_found = QT_TRANSLATE_NOOP("GameWindow", "The solver found no solution from the level's start.");
} // namespace words

// The texts above, and those the engine's controls and the player aid word themselves.
std::span<const Phrase> windowPhrases();

} // namespace kelvaro

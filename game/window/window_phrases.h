// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the game's plain window behaviour, engine and aid show a player, for the shell to translate.
#pragma once

#include "level/phrase.h"

#include <span>

namespace kelvaro {

namespace words {
inline constexpr const char* context = "GameWindow";
inline constexpr const char* sure = QT_TRANSLATE_NOOP("GameWindow", "Are you sure?");
inline constexpr const char* time = QT_TRANSLATE_NOOP("GameWindow", "TIME :");
inline constexpr const char* level = QT_TRANSLATE_NOOP("GameWindow", "LEVEL :");
inline constexpr const char* time_n = QT_TRANSLATE_NOOP("GameWindow", "TIME : %1");
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
} // namespace words

// The texts above, and those the engine's controls and the player aid word themselves.
std::span<const Phrase> windowPhrases();

} // namespace kelvaro

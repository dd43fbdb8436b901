// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the editor's plain core words for its author, for the window to translate.
#pragma once

#include "level/message.h"

#include <span>

namespace kelvaro {

namespace editor_words {
inline constexpr const char* context = "EditorCore";
inline constexpr const char* marks_missing = QT_TRANSLATE_NOOP("EditorCore", "marks: missing %1");
inline constexpr const char* marks_outside = QT_TRANSLATE_NOOP("EditorCore", "marks: not drawn: %1");
inline constexpr const char* marks_placed = QT_TRANSLATE_NOOP("EditorCore", "marks: all placed");
inline constexpr const char* frame_closed = QT_TRANSLATE_NOOP("EditorCore", "frame: closed");
inline constexpr const char* frame_open = QT_TRANSLATE_NOOP("EditorCore", "frame: open at (%1, %2)");
inline constexpr const char* no_whole_time = QT_TRANSLATE_NOOP("EditorCore", "the time box holds no whole number (needs %1)");
inline constexpr const char* time_enough = QT_TRANSLATE_NOOP("EditorCore", "time limit %1 s is enough (needs %2)");
inline constexpr const char* time_short = QT_TRANSLATE_NOOP("EditorCore", "time limit %1 s is too short (needs %2)");
inline constexpr const char* solvable = QT_TRANSLATE_NOOP("EditorCore", "solvable: %1 walks + %2 pushes%3, least time %4; %5");
inline constexpr const char* not_shortest = QT_TRANSLATE_NOOP("EditorCore", " (not proven shortest: search limit)");
inline constexpr const char* unsolvable = QT_TRANSLATE_NOOP("EditorCore", "unsolvable");
inline constexpr const char* search_limit = QT_TRANSLATE_NOOP("EditorCore", "undecided (search limit)");
inline constexpr const char* time_limit = QT_TRANSLATE_NOOP("EditorCore", "undecided (time limit)");
inline constexpr const char* checking = QT_TRANSLATE_NOOP("EditorCore", "checking...");
inline constexpr const char* not_checked = QT_TRANSLATE_NOOP("EditorCore", "not checked until it can be played");
inline constexpr const char* unreadable = QT_TRANSLATE_NOOP("EditorCore", "the game cannot read this level: %1");
inline constexpr const char* cells = QT_TRANSLATE_NOOP("EditorCore", "cells: %1 jewel(s), %2 goal(s)");
inline constexpr const char* size_problem = QT_TRANSLATE_NOOP("EditorCore", "the %1 box holds \"%2\", which is not a whole number from 1 to %3");
inline constexpr const char* no_new_grid = QT_TRANSLATE_NOOP("EditorCore", "Could not make a new grid: %1.\nThe level in the editor is unchanged.");
inline constexpr const char* load_failure = QT_TRANSLATE_NOOP("EditorCore", "Could not load %1 from %2:\n%3.\nThe level in the editor is unchanged.");
inline constexpr const char* save_failure = QT_TRANSLATE_NOOP("EditorCore", "Could not save %1 in %2:\n%3.\nNothing was written; the level in the editor is unchanged.");
inline constexpr const char* plain_file = QT_TRANSLATE_NOOP("EditorCore", "there is a plain file called %1 where the %2 should be");
inline constexpr const char* not_folder = QT_TRANSLATE_NOOP("EditorCore", "there is something called %1 where the %2 should be, but it is not a folder");
inline constexpr const char* no_file = QT_TRANSLATE_NOOP("EditorCore", "the file does not exist");
inline constexpr const char* maps_folder = QT_TRANSLATE_NOOP("EditorCore", "maps folder");
inline constexpr const char* level_folder = QT_TRANSLATE_NOOP("EditorCore", "level folder");
inline constexpr const char* no_maps_folder = QT_TRANSLATE_NOOP("EditorCore", "the maps folder does not exist");
inline constexpr const char* bad_time = QT_TRANSLATE_NOOP("EditorCore", "the time \"%1\" is not a whole number from -32768 to 32767");
inline constexpr const char* folder_not_made = QT_TRANSLATE_NOOP("EditorCore", "the %1 could not be made: %2");
inline constexpr const char* save_before_closing = QT_TRANSLATE_NOOP("EditorCore", "Save the changes to %1 before closing?");
inline constexpr const char* current = QT_TRANSLATE_NOOP("EditorCore", "Current : %1");
inline constexpr const char* name_slash = QT_TRANSLATE_NOOP("EditorCore", "a level name may not hold \"/\" or \"\\\"; type the name alone, e.g. maze5");
inline constexpr const char* name_control = QT_TRANSLATE_NOOP("EditorCore", "a level name may not hold control characters");
inline constexpr const char* name_blank = QT_TRANSLATE_NOOP("EditorCore", "a level name may not be made of blanks alone");
inline constexpr const char* paste_failure = QT_TRANSLATE_NOOP("EditorCore", "Could not paste the level:\n%1.\nThe level in the editor is unchanged.");
} // namespace editor_words

// One of the words above, its places filled by `args`.
inline Message editorMessage(const char* source, std::vector<MessageArg> args = {})
{
    return phrase(editor_words::context, source, std::move(args));
}

std::span<const Phrase> editorPhrases();

} // namespace kelvaro

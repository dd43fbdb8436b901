// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the records file's messages, marked for translation; the game's window translates them.
#pragma once

#include "level/message.h"

namespace kelvaro::records_words {

inline constexpr const char* unreadable = QT_TRANSLATE_NOOP("GameWindow", "it cannot be read");
inline constexpr const char* bad_line = QT_TRANSLATE_NOOP("GameWindow", "line %1 is damaged");
inline constexpr const char* kept_off = QT_TRANSLATE_NOOP(
    "GameWindow",
    "The records file %1 is damaged (%2).\n\nIt could not be set aside (%3), so records are not kept in this game.");
inline constexpr const char* set_aside =
    QT_TRANSLATE_NOOP("GameWindow", "The records file %1 is damaged (%2).\n\nIt was set aside as %3; the records start afresh.");
inline constexpr const char* not_kept =
    QT_TRANSLATE_NOOP("GameWindow", "Your records cannot be kept: %1.\n\nThe game goes on without them.");

inline constexpr const char* solutions_kept_off = QT_TRANSLATE_NOOP(
    "GameWindow",
    "The solutions file %1 is damaged (%2).\n\nIt could not be set aside (%3), so your solutions are not kept in this game.");
inline constexpr const char* solutions_set_aside = QT_TRANSLATE_NOOP(
    "GameWindow", "The solutions file %1 is damaged (%2).\n\nIt was set aside as %3; your solutions are kept afresh.");
inline constexpr const char* solutions_not_kept =
    QT_TRANSLATE_NOOP("GameWindow", "Your solutions cannot be kept: %1.\n\nThe game goes on without them.");

// One of the words above, its places filled by `args`.
inline Message worded(const char* source, std::vector<MessageArg> args = {})
{
    return phrase("GameWindow", source, std::move(args));
}

} // namespace kelvaro::records_words

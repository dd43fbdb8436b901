// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's own words, where the desktop has none of its own, marked here for lupdate.
#pragma once

#include "level/phrase.h"

// The page (index.html, its script) shows them translated from the same .ts files as the desktop,
// through the JSON each language becomes at build time (tools/i18n/ts_json.py). Words the
// desktop has already (the menu's "New game" in kelvaro::MainWindow, say) are taken from their
// own context instead.
namespace kelvaro::page_words {

inline constexpr const char* context = "WebPage";

inline constexpr const char* menu[] = {
    QT_TRANSLATE_NOOP("WebPage", "Restart"),       QT_TRANSLATE_NOOP("WebPage", "Open levels"),
    QT_TRANSLATE_NOOP("WebPage", "About"),         QT_TRANSLATE_NOOP("WebPage", "Take back"),
    QT_TRANSLATE_NOOP("WebPage", "Menu"),          QT_TRANSLATE_NOOP("WebPage", "Level files…"),
    QT_TRANSLATE_NOOP("WebPage", "Level folder…"),
};

// The pad of arrows under a finger.
inline constexpr const char* pad[] = {
    QT_TRANSLATE_NOOP("WebPage", "Up"),   QT_TRANSLATE_NOOP("WebPage", "Left"),
    QT_TRANSLATE_NOOP("WebPage", "Right"), QT_TRANSLATE_NOOP("WebPage", "Down"),
    QT_TRANSLATE_NOOP("WebPage", "Push"), QT_TRANSLATE_NOOP("WebPage", "Push with the arrows"),
};

// Paste level, when the browser keeps the clipboard from the page; %1 the keys that paste.
inline constexpr const char* clipboard_refused =
    QT_TRANSLATE_NOOP("WebPage", "The browser did not let the page read the clipboard. Press %1 to paste.");

// The boxes' buttons, which the desktop takes from Qt's own translation.
inline constexpr const char* buttons[] = {
    QT_TRANSLATE_NOOP("WebPage", "OK"),  QT_TRANSLATE_NOOP("WebPage", "Cancel"), QT_TRANSLATE_NOOP("WebPage", "Yes"),
    QT_TRANSLATE_NOOP("WebPage", "No"),  QT_TRANSLATE_NOOP("WebPage", "Close"),
};

} // namespace kelvaro::page_words

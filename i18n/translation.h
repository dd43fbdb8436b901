// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' language: translators for our texts and Qt's own, and the core's texts shown translated.
#pragma once

#include "level/message.h"

#include <QString>
#include <QStringList>

#include <string>

namespace kelvaro::i18n {

// Settings key of the language chosen in Options > Language; empty or missing follows the desktop.
inline constexpr const char* language_key = "options/language";

// The language chosen in the settings file `file` (empty: the player's kelvaro.ini), "" when
// none, or when the file or its value cannot be used.
QString chosenLanguage(const QString& file = {});
void chooseLanguage(const QString& code, const QString& file = {});

// Installs our translation and Qt's for `code` ("" follows the desktop: LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), from `folder` (default: "translations" beside the program).
// Answers the language installed, "" for English (no translation).
QString install(const QString& code, QString folder = {});

// Where install() and available() look by default: "translations" beside the program, unless a
// test names another folder.
void useFolder(const QString& folder);

// The languages with a translation beside the program, "en" first.
QStringList available(QString folder = {});
// A language's own name for itself ("Deutsch").
QString nativeName(const QString& code);

// Prints a --help text to standard output in the player's language, without a display.
void printTranslated(int argc, char* argv[], const char* context, const char* text);

// Whether a translation is installed: without one every text is its English source.
bool active();

// `n` things counted: the translation's plural form of `many` ("%n levels"), or in English
// `one` for one and `many` for the rest.
QString counted(const char* context, const char* many, const char* one, int n);

// A message of the core as the player reads it: its phrase translated once, in its plural form
// for a %n one, and its places filled in one pass with the values as they are and the nested
// messages shown in turn.
QString shown(const Message& message);

} // namespace kelvaro::i18n

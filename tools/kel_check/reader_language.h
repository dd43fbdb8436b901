// SPDX-License-Identifier: GPL-3.0-or-later
// The language kel_check reports in: the one the game and the editor show, where translations exist.
#pragma once

#include "tools/kel_check/report_words.h"

namespace kelvaro {

// The words for this run: the language kept in Options > Language, else the desktop's
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), else English. Called once, before anything is printed.
const ReportWords& readersWords(int& argc, char** argv);

} // namespace kelvaro

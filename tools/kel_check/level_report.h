// SPDX-License-Identifier: GPL-3.0-or-later
// kel_check's words: a short block per level file, or a table row for the level list.
#pragma once

#include "tools/kel_check/level_check.h"
#include "tools/kel_check/report_words.h"
#include "tools/kel_check/set_check.h"

#include <string>

namespace kelvaro {

// "2.025 s": the exact seconds of a millisecond count, without trailing zeros.
std::string seconds(int milliseconds);

// One block: the file and PASS or FAIL, then one line per check.
std::string reportText(const std::string& name, const LevelCheck& check, bool with_moves,
                       const ReportWords& words = englishWords());

// One block for a set folder: its title or FAIL, then its levels, gaps and ignored files.
std::string setReportText(const std::string& name, const SetCheck& check, const ReportWords& words = englishWords());

// A Markdown table of levels: the header, then one row per level.
std::string markdownHeader(const ReportWords& words = englishWords());
std::string markdownRow(const std::string& name, const LevelCheck& check, const ReportWords& words = englishWords());

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's short read-out of the level analysis.
#pragma once

#include "level/analysis/level_analysis.h"

#include <optional>
#include <string>

namespace kelvaro {

// The lines the author sees: marks, frame, cells when odd, then the verdict with the time
// rule against the time box, one a line. No analysis means a check is still running.
Message analysisText(const EditorLevelAnalysis* analysis, const std::string& timeBox);

// The time box value that fits the solution found, or nothing without one.
std::optional<int> fittingTime(const EditorLevelAnalysis& analysis);

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading what the author typed into the editor's text boxes.
#pragma once

#include "level/message.h"

#include <optional>
#include <string>

namespace kelvaro {

// The box's text as a whole number from `low` to `high`, blanks around it allowed;
// nothing when it is empty, has a fraction or letters, or lies outside the range.
std::optional<int> wholeNumberIn(const std::string& text, int low, int high);

// Why a level name cannot be used as a file in the maps folder, or nothing when it can.
// The name is otherwise taken as typed: an empty one gives the file ".txt".
std::optional<Message> levelNameProblem(const std::string& name);

} // namespace kelvaro

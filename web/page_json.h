// SPDX-License-Identifier: GPL-3.0-or-later
// The structured things the page is handed, written as JSON for its script to parse.
#pragma once

#include "web/page.h"

#include <string>
#include <vector>

namespace kelvaro {

// A string as a JSON string, quoted and escaped.
std::string jsonText(const std::string& text);
std::string jsonList(const std::vector<std::string>& texts);
std::string jsonRecords(const RecordsView& view);
std::string jsonPuzzleBox(const PuzzleBoxView& view);
std::string jsonKeys(const KeysView& view);

} // namespace kelvaro

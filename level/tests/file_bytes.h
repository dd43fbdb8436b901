// SPDX-License-Identifier: GPL-3.0-or-later
// A whole file's bytes, for the level tests that check what was written.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kelvaro::testing {

inline std::string slurp(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace kelvaro::testing

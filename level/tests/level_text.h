// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers that build level file text for the level tests.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace kelvaro::testing {

// Joins values as a level file does: one per line, each ended by CR LF.
inline std::string lines(const std::vector<std::string>& values)
{
    std::string out;
    for (const auto& v : values)
        out += v + "\r\n";
    return out;
}

// A header followed by `cells` cell lines of the given code.
inline std::vector<std::string> levelValues(int maxx, int maxy, std::initializer_list<int> marks, int time,
                                            const std::string& cell = "0")
{
    std::vector<std::string> v{std::to_string(maxx), std::to_string(maxy)};
    for (int m : marks)
        v.push_back(std::to_string(m));
    v.push_back(std::to_string(time));
    v.insert(v.end(), static_cast<std::size_t>((maxx + 1) * (maxy + 1)), cell);
    return v;
}

} // namespace kelvaro::testing

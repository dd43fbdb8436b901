// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the editor reads any bytes safely, and what it saves reads back the same.
#include "level/author_level.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    auto level = kelvaro::readAuthorLevel(in);
    if (!level) {
        if (level.error().describe().empty())
            std::abort();
        return 0;
    }
    if (level->maze.columns() > 256 || level->maze.rows() > 256)
        std::abort();
    const std::string saved = kelvaro::writeAuthorLevel(level.value());
    std::istringstream again(saved);
    auto reread = kelvaro::readAuthorLevel(again);
    if (!reread || !(reread.value() == level.value()) || kelvaro::writeAuthorLevel(reread.value()) != saved)
        std::abort();
    return 0;
}

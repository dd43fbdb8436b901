// SPDX-License-Identifier: GPL-3.0-or-later
// Surveying a set folder for kel_check: its levels, its gaps and the files the game passes over.
#include "tools/kel_check/set_check.h"

#include <algorithm>
#include <system_error>

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

std::string lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string levelName(int number) { return "maze" + std::to_string(number) + ".txt"; }

} // namespace

SetCheck checkSetFolder(const fs::path& folder)
{
    SetCheck check{readLevelSet(folder), {}};
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::string lower = lowered(name);
        std::error_code ignored;
        if (!lower.ends_with(".txt") || lower == "set.txt" || it->is_directory(ignored))
            continue;
        const bool played = std::any_of(check.set.levels.begin(), check.set.levels.end(),
                                        [&name](const SetLevel& level) { return level.file.filename() == name; });
        if (!played)
            check.ignored.push_back(name);
    }
    std::sort(check.ignored.begin(), check.ignored.end());
    return check;
}

std::vector<std::string> gapTexts(const LevelSet& set, const ReportWords& words)
{
    std::vector<std::string> runs;
    const std::vector<int> gaps = set.gaps();
    for (std::size_t i = 0; i < gaps.size();) {
        std::size_t last = i;
        while (last + 1 < gaps.size() && gaps[last + 1] == gaps[last] + 1)
            ++last;
        runs.push_back(last == i ? words.text(QT_TRANSLATE_NOOP("KelCheck", "%1 is missing"), {levelName(gaps[i])})
                                 : words.text(QT_TRANSLATE_NOOP("KelCheck", "%1 to %2 are missing"),
                                              {levelName(gaps[i]), levelName(gaps[last])}));
        i = last + 1;
    }
    return runs;
}

} // namespace kelvaro

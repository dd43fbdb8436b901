// SPDX-License-Identifier: GPL-3.0-or-later
// Reading level sets from their folders; every failure becomes words on the set, never an exception.
#include "level/sets/level_set.h"
#include "level/level_phrases.h"

#include "level/level_files.h"
#include "level/plain_file.h"
#include "level/sets/level_home.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <sstream>
#include <system_error>

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t most_info_bytes = 64 * 1024;

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

bool validUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int follow = byte < 0x80 ? 0 : (byte >> 5) == 0x6 ? 1 : (byte >> 4) == 0xe ? 2 : (byte >> 3) == 0x1e ? 3 : -1;
        if (follow < 0 || i + static_cast<std::size_t>(follow) >= text.size())
            return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) >> 6) != 0x2)
                return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string oneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

// A set.txt that cannot be opened reads as none; one that is no plain file (a named pipe, a
// device), too large or failing to read, as damaged.
SetInfo readSetInfo(const fs::path& info_file)
{
    const PlainFile file(info_file);
    if (!file.opened())
        return {};
    const std::optional<std::string> text = file.read(most_info_bytes + 1);
    if (text && text->size() <= most_info_bytes)
        return parseSetInfo(*text);
    SetInfo damaged;
    damaged.damaged = true;
    return damaged;
}

} // namespace

SetInfo parseSetInfo(std::string_view text)
{
    SetInfo info;
    if (text.find('\0') != std::string_view::npos || !validUtf8(text)) {
        info.damaged = true;
        return info;
    }
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        const std::string clean = trimmed(line);
        if (clean.empty() || clean[0] == '#')
            continue;
        const auto colon = clean.find(':');
        if (colon == std::string::npos) {
            info = SetInfo{};
            info.damaged = true;
            return info;
        }
        const std::string key = lowered(trimmed(std::string_view(clean).substr(0, colon)));
        const std::string value = trimmed(std::string_view(clean).substr(colon + 1));
        if (key == "title")
            info.title = value;
        else if (key == "author")
            info.author = value;
        else if (key == "description")
            info.description = value;
        else if (key == "notes")
            info.notes = value;
    }
    return info;
}

std::string setInfoText(const SetInfo& info)
{
    std::string out;
    for (const auto& [key, value] : {std::pair<const char*, const std::string*>{"title", &info.title},
                                     {"author", &info.author},
                                     {"description", &info.description},
                                     {"notes", &info.notes}})
        if (!value->empty())
            out += std::string(key) + ": " + oneLine(*value) + "\n";
    return out;
}

std::vector<int> LevelSet::gaps() const
{
    std::vector<int> missing;
    int expected = 1;
    for (const SetLevel& level : levels) {
        for (; expected < level.number; ++expected)
            missing.push_back(expected);
        expected = level.number + 1;
    }
    return missing;
}

const SetLevel* LevelSet::find(int number) const
{
    const auto it = std::lower_bound(levels.begin(), levels.end(), number,
                                     [](const SetLevel& level, int n) { return level.number < n; });
    return it != levels.end() && it->number == number ? &*it : nullptr;
}

const SetLevel* LevelSet::after(int number) const
{
    const auto it = std::upper_bound(levels.begin(), levels.end(), number,
                                     [](int n, const SetLevel& level) { return n < level.number; });
    return it != levels.end() ? &*it : nullptr;
}

std::optional<int> levelNumberOf(std::string_view name)
{
    const std::string lower = lowered(name);
    if (lower.size() < 9 || lower.size() > 11 || !lower.starts_with("maze") || !lower.ends_with(".txt"))
        return std::nullopt;
    const std::string_view digits = std::string_view(lower).substr(4, lower.size() - 8);
    if (digits.empty() || digits[0] == '0')
        return std::nullopt;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

LevelSet readLevelSet(const fs::path& folder)
{
    LevelSet set;
    set.folder = folder;
    set.title = folder.filename().string();
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        set.problem = ec == std::errc::permission_denied           ? levelMessage(level_words::folder_forbidden)
                      : ec == std::errc::no_such_file_or_directory ? levelMessage(level_words::folder_gone)
                                                                   : levelMessage(level_words::folder_unreadable, {ec.message()});
        return set;
    }
    // Among spellings of one number the exact "mazeN.txt" wins, then the first in byte order,
    // as the game's own lookup does.
    std::map<int, std::vector<std::string>> names;
    std::optional<fs::path> info_file;
    for (fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        const std::string name = it->path().filename().string();
        if (lowered(name) == "set.txt") {
            if (!info_file || name == "set.txt")
                info_file = it->path();
            continue;
        }
        const std::optional<int> number = levelNumberOf(name);
        if (number && *number <= LevelSet::most_levels && !it->is_directory(ec))
            names[*number].push_back(name);
    }
    for (auto& [number, spellings] : names) {
        std::sort(spellings.begin(), spellings.end());
        const std::string exact = "maze" + std::to_string(number) + ".txt";
        const bool has_exact = std::find(spellings.begin(), spellings.end(), exact) != spellings.end();
        set.levels.push_back({number, folder / (has_exact ? exact : spellings.front())});
    }
    if (info_file) {
        set.info = readSetInfo(*info_file);
        if (!set.info.title.empty())
            set.title = set.info.title;
    }
    return set;
}

LevelSet builtinLevelSet(const fs::path& app_dir)
{
    LevelSet set = readLevelSet(mapsFolder(app_dir));
    set.title = builtin_set_title;
    set.builtin = true;
    return set;
}

std::vector<LevelSet> setsInHome(const fs::path& level_home)
{
    std::vector<LevelSet> sets;
    std::error_code ec;
    for (fs::directory_iterator it(level_home, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec))
            sets.push_back(readLevelSet(it->path()));
    std::sort(sets.begin(), sets.end(), [](const LevelSet& a, const LevelSet& b) {
        return std::tie(a.title, a.folder) < std::tie(b.title, b.folder);
    });
    return sets;
}

std::string setLabel(const LevelSet& set, const std::vector<LevelSet>& all)
{
    const auto same_title = std::count_if(all.begin(), all.end(), [&set](const LevelSet& other) {
        return other.title == set.title;
    });
    return same_title > 1 ? set.title + " (" + set.folder.string() + ")" : set.title;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Laying opened level files out as a set folder: which files are levels, their numbers, the folder's name.
#include "web/opened_levels.h"

#include "level/level_files.h"
#include "level/plain_file.h"
#include "level/sets/level_set.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t longest_name = 60;

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The name's parts between slashes: a file of a folder has two, a loose file one.
std::vector<std::string> parts(const std::string& name)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t slash; (slash = name.find('/', start)) != std::string::npos; start = slash + 1)
        if (slash > start)
            out.push_back(name.substr(start, slash - start));
    if (start < name.size())
        out.push_back(name.substr(start));
    return out;
}

// A folder name any file system takes: no slashes, controls or leading dots, not too long, and
// never cut inside a character.
std::string safeName(const std::string& wanted)
{
    std::string name;
    for (const char c : wanted)
        name += static_cast<unsigned char>(c) < 0x20 || c == '/' || c == '\\' || c == ':' || c == 0x7f ? '_' : c;
    name.erase(0, std::min(name.find_first_not_of(". "), name.size()));
    if (name.size() > longest_name) {
        std::size_t cut = longest_name;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xc0) == 0x80)
            --cut;
        name.resize(cut);
    }
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name.empty() ? "levels" : name;
}

std::string stem(const std::string& file) { return fs::path(file).stem().string(); }

// The levels numbered: mazeN.txt first at their own numbers, then the rest in name order on the free ones.
std::vector<LaidLevel> numbered(std::vector<const OpenedFile*> files, const std::vector<std::string>& shown)
{
    std::vector<LaidLevel> levels;
    std::set<int> taken;
    std::vector<std::size_t> unnumbered;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::optional<int> number = levelNumberOf(shown[i]);
        if (number && taken.insert(*number).second)
            levels.push_back({*number, shown[i], files[i]->bytes});
        else
            unnumbered.push_back(i);
    }
    std::sort(unnumbered.begin(), unnumbered.end(), [&shown](std::size_t a, std::size_t b) { return naturalLess(shown[a], shown[b]); });
    int next = 1;
    for (const std::size_t i : unnumbered) {
        while (taken.count(next))
            ++next;
        if (next > LevelSet::most_levels)
            break;
        taken.insert(next);
        levels.push_back({next, shown[i], files[i]->bytes});
    }
    std::sort(levels.begin(), levels.end(), [](const LaidLevel& a, const LaidLevel& b) { return a.number < b.number; });
    return levels;
}

// Whether `file` holds exactly `bytes`.
bool holdsBytes(const fs::path& file, const std::string& bytes)
{
    const PlainFile plain(file);
    return plain.ok() && plain.read(bytes.size() + 1) == bytes;
}

// The folder holds exactly the files `set` would write.
bool holds(const fs::path& folder, const OpenedSet& set)
{
    std::error_code ec;
    std::size_t files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        (void)entry;
        ++files;
    }
    if (ec || files != set.levels.size() + (set.info ? 1 : 0))
        return false;
    if (set.info && !holdsBytes(folder / "set.txt", *set.info))
        return false;
    return std::all_of(set.levels.begin(), set.levels.end(), [&folder](const LaidLevel& level) {
        return holdsBytes(levelFile(folder, level.number), level.bytes);
    });
}

bool writeSet(const fs::path& folder, const OpenedSet& set)
{
    std::error_code ec;
    if (!fs::create_directories(folder, ec))
        return false;
    bool written = !set.info || !writeFileWhole(folder / "set.txt", *set.info);
    for (const LaidLevel& level : set.levels)
        written = written && !writeFileWhole(levelFile(folder, level.number), level.bytes);
    if (!written)
        fs::remove_all(folder, ec);
    return written;
}

} // namespace

fs::path levelFile(const fs::path& folder, int number) { return folder / ("maze" + std::to_string(number) + ".txt"); }

bool naturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) && std::isdigit(static_cast<unsigned char>(b[j]))) {
            const std::size_t i_end = a.find_first_not_of("0123456789", i), j_end = b.find_first_not_of("0123456789", j);
            std::string x = a.substr(i, i_end - i), y = b.substr(j, j_end - j);
            x.erase(0, std::min(x.find_first_not_of('0'), x.size() - 1));
            y.erase(0, std::min(y.find_first_not_of('0'), y.size() - 1));
            if (x.size() != y.size() || x != y)
                return x.size() != y.size() ? x.size() < y.size() : x < y;
            i = i_end == std::string::npos ? a.size() : i_end;
            j = j_end == std::string::npos ? b.size() : j_end;
            continue;
        }
        const char x = static_cast<char>(std::tolower(static_cast<unsigned char>(a[i]))),
                   y = static_cast<char>(std::tolower(static_cast<unsigned char>(b[j])));
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j || (a.size() - i == b.size() - j && a < b);
}

OpenedSet layOut(const std::vector<OpenedFile>& files)
{
    OpenedSet set;
    std::vector<const OpenedFile*> levels;
    std::vector<std::string> shown;
    for (const OpenedFile& file : files) {
        const std::vector<std::string> path = parts(file.name);
        if (path.empty() || path.size() > 2)
            continue;  // a file in a folder within the folder opened is not one of its levels
        if (path.size() == 2 && !set.from_folder) {
            set.from_folder = true;
            set.name = path[0];
        }
        const std::string name = lowered(path.back());
        if (name == "set.txt")
            set.info = file.bytes;
        else if (endsWith(name, ".txt") && name.size() > 4 && name[0] != '.') {
            levels.push_back(&file);
            shown.push_back(path.back());
        }
    }
    set.levels = numbered(levels, shown);
    if (!set.from_folder && !set.levels.empty())
        set.name = stem(*std::min_element(shown.begin(), shown.end(), naturalLess));
    if (!set.from_folder && set.levels.size() == 1)
        set.levels[0].number = 1;  // one file alone is a set of one level, whatever its name
    set.name = safeName(set.name);
    return set;
}

std::optional<fs::path> keepSet(const fs::path& sets, const OpenedSet& set)
{
    std::error_code ec;
    for (int n = 1; n <= LevelSet::most_levels; ++n) {
        const fs::path folder = sets / (n == 1 ? set.name : set.name + " " + std::to_string(n));
        if (!fs::exists(folder, ec) && !ec)
            return writeSet(folder, set) ? std::optional(folder) : std::nullopt;
        if (holds(folder, set))
            return folder;
    }
    return std::nullopt;
}

} // namespace kelvaro

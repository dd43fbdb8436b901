// SPDX-License-Identifier: GPL-3.0-or-later
// Level file locations and opening; writing is in whole_file_writer.cpp.
#include "level/level_files.h"
#include "level/level_phrases.h"
#include "level/plain_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char l, char r) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(l) == lower(r);
           });
}

} // namespace

std::optional<fs::path> findIgnoringCase(const fs::path& dir, std::string_view name)
{
    std::error_code ec;
    if (fs::exists(dir / fs::path(std::string(name)), ec) && !ec)
        return dir / fs::path(std::string(name));
    std::vector<std::string> matches;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (sameIgnoringCase(entry, name))
            matches.push_back(entry);
    }
    if (matches.empty())
        return std::nullopt;
    std::sort(matches.begin(), matches.end());
    return dir / matches.front();
}

fs::path mapsFolder(const fs::path& app_dir)
{
    return findIgnoringCase(app_dir, "Maps").value_or(app_dir / "Maps");
}

fs::path fileIn(const fs::path& dir, std::string_view name)
{
    return findIgnoringCase(dir, name).value_or(dir / fs::path(std::string(name)));
}

fs::path gameLevelFile(const fs::path& app_dir, int level)
{
    return fileIn(mapsFolder(app_dir), "maze" + std::to_string(level) + ".txt");
}

std::optional<LevelError> openLevelFile(const fs::path& file, std::ifstream& in)
{
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found)
        return LevelError{LevelError::Kind::not_found, 0, levelMessage(level_words::no_file)};
    if (ec || status.type() != fs::file_type::regular)
        return LevelError{LevelError::Kind::unreadable, 0, levelMessage(level_words::not_readable)};
    // Checked again on what is opened: the name may lead elsewhere by now.
    const PlainFile plain(file);
    if (!plain.opened())
        return LevelError{LevelError::Kind::unreadable, 0, levelMessage(level_words::cannot_open, {std::string(std::strerror(plain.error()))})};
    if (!plain.ok())
        return LevelError{LevelError::Kind::unreadable, 0, levelMessage(level_words::not_readable)};
    plain.openStream(in);
    if (!in)
        return LevelError{LevelError::Kind::unreadable, 0, levelMessage(level_words::cannot_open, {std::string(std::strerror(errno))})};
    return std::nullopt;
}

} // namespace kelvaro

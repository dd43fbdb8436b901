// SPDX-License-Identifier: GPL-3.0-or-later
// Level file locations, opening, and whole-or-nothing writing.
#include "level_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#endif

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

// Makes the data reach the disk before the rename publishes it.
bool flushToDisk([[maybe_unused]] const fs::path& file)
{
#if defined(__unix__) || defined(__APPLE__)
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    return true;
#endif
}

LevelError writeError(const fs::path& where, const std::string& why)
{
    return LevelError{LevelError::Kind::write_failed, 0, "could not write " + where.string() + ": " + why};
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
        return LevelError{LevelError::Kind::not_found, 0, "the file does not exist"};
    if (ec || status.type() != fs::file_type::regular)
        return LevelError{LevelError::Kind::unreadable, 0, "it is not a file that can be read"};
    in.open(file, std::ios::binary);
    if (!in)
        return LevelError{LevelError::Kind::unreadable, 0, std::string("it cannot be opened: ") + std::strerror(errno)};
    return std::nullopt;
}

std::optional<LevelError> writeFileWhole(const fs::path& file, std::string_view bytes)
{
    const fs::path temp = file.parent_path() / ("." + file.filename().string() + ".saving");
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return writeError(file.parent_path(), std::strerror(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::string why = std::strerror(errno);
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return writeError(file, why);
        }
    }
    std::error_code ec;
    if (!flushToDisk(temp)) {
        fs::remove(temp, ec);
        return writeError(file, "the data could not be flushed to the disk");
    }
    fs::rename(temp, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return writeError(file, ec.message());
    }
    return std::nullopt;
}

} // namespace kelvaro

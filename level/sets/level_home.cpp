// SPDX-License-Identifier: GPL-3.0-or-later
// The player's folders, after the XDG base directory rules.
#include "level/sets/level_home.h"

#include <cstdio>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace kelvaro {
namespace fs = std::filesystem;

fs::path dataHome(const char* xdg_data_home, const char* home)
{
    if (xdg_data_home && *xdg_data_home && fs::path(xdg_data_home).is_absolute())
        return fs::path(xdg_data_home) / "kelvaro";
    if (home && *home)
        return fs::path(home) / ".local" / "share" / "kelvaro";
    return {};
}

fs::path levelHome(const char* xdg_data_home, const char* home)
{
    const fs::path data = dataHome(xdg_data_home, home);
    return data.empty() ? data : data / "levels";
}

bool takesNewFiles(const fs::path& folder)
{
    // Permission bits alone do not tell: a read-only mount, root's view of a user's folder,
    // access lists. Making a file does.
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return false;
    const fs::path probe = folder / (".kelvaro-probe-" + std::to_string(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    fs::remove(probe, ec);
    return true;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a level file whole or not at all, through symbolic links, keeping read-only files.
#include "level/level_files.h"
#include "level/level_phrases.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

// `why` is the system's own words, or one of ours.
LevelError writeError(const fs::path& where, MessageArg why)
{
    return LevelError{LevelError::Kind::write_failed, 0, levelMessage(level_words::cannot_write, {where.string(), std::move(why)})};
}

std::string lastError() { return std::strerror(errno); }

// Closes a descriptor when the save ends, however it ends.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool isStaleSave(const fs::path& entry)
{
    const std::string name = entry.filename().string();
    return name.size() > std::string_view(saving_suffix).size() + 1 && name.front() == '.' &&
           name.ends_with(saving_suffix);
}

// The file a save must replace: the final target of a chain of links, else the file itself.
fs::path saveTarget(const fs::path& file)
{
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(file, ec)))
        return file;
    const fs::path target = fs::weakly_canonical(file, ec);
    return ec ? file : target;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

// An unnamed file in `folder` where the system offers one, else a named temporary.
int openTemporary(const fs::path& folder, const fs::path& named, bool& unnamed)
{
#ifdef O_TMPFILE
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
    if (fd >= 0) {
        unnamed = true;
        return fd;
    }
#endif
    unnamed = false;
    return ::open(named.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

// Gives the unnamed file `fd` the name `named`, replacing a stale temporary of that name.
bool linkTemporary(int fd, const fs::path& named)
{
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno != EEXIST)
        return false;
    ::unlink(named.c_str());
    return ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

void flushFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void tell(SaveObserver observer, SaveStep step)
{
    if (observer)
        observer(step);
}

} // namespace

void removeStaleSaves(const fs::path& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (isStaleSave(it->path()) && !it->is_symlink(ignored) && it->is_regular_file(ignored))
            fs::remove(it->path(), ignored);
    }
}

std::optional<LevelError> writeFileWhole(const fs::path& file, std::string_view bytes, SaveObserver observer)
{
    const fs::path target = saveTarget(file);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return writeError(target, levelMessage(level_words::not_plain));
    // The permission bits say what the owner wants, even to a user the system lets write anyway.
    if (replacing && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return writeError(target, levelMessage(level_words::read_only));
    removeStaleSaves(folder);
    tell(observer, SaveStep::checked);

    const fs::path named = folder / ("." + target.filename().string() + saving_suffix);
    bool unnamed = false;
    FileDescriptor temp{openTemporary(folder, named, unnamed)};
    if (temp.fd < 0)
        return writeError(folder, lastError());
    auto fail = [&](const fs::path& where, MessageArg why) {
        if (!unnamed)
            ::unlink(named.c_str());
        return writeError(where, std::move(why));
    };
    if (!writeAll(temp.fd, bytes))
        return fail(target, lastError());
    tell(observer, SaveStep::written);
    if (replacing)
        ::fchmod(temp.fd, old.st_mode & 07777);
    if (::fsync(temp.fd) != 0)
        return fail(target, levelMessage(level_words::not_flushed));
    tell(observer, SaveStep::flushed);
    if (unnamed && !linkTemporary(temp.fd, named))
        return writeError(folder, lastError());
    tell(observer, SaveStep::linked);
    if (::rename(named.c_str(), target.c_str()) != 0)
        return fail(target, lastError());
    tell(observer, SaveStep::renamed);
    flushFolder(folder);
    return std::nullopt;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a level file whole or not at all, through symbolic links, keeping read-only files.
#include "level/file_lock.h"
#include "level/level_files.h"
#include "level/level_phrases.h"

#include <atomic>
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

// ".NAME.saving" as older saves named their temporary, or ".NAME.saving-PID-N" as saves do now.
bool isTemporaryName(const std::string& name)
{
    const std::size_t at = name.rfind(saving_suffix);
    if (name.empty() || name.front() != '.' || at == std::string::npos || at < 2)
        return false;
    const std::string tail = name.substr(at + std::string_view(saving_suffix).size());
    return tail.empty() ||
           (tail.front() == '-' && tail.find_first_not_of("0123456789-") == std::string::npos);
}

// A name for a temporary beside `target` that no other save is using: the process id keeps
// other processes' saves apart, the count this process's own. Being made or linked exclusively,
// a name still taken (a dead process's of the same id) only moves the save on to the next.
fs::path temporaryName(const fs::path& folder, const fs::path& target)
{
    static std::atomic<unsigned long> count{0};
    return folder / ("." + target.filename().string() + saving_suffix + "-" + std::to_string(::getpid()) + "-" +
                     std::to_string(++count));
}

constexpr int names_tried = 100;

// Removes the temporary `entry` if no save holds it: its writer died or finished. The name is
// removed only while it still leads to the very file found unlocked.
void removeIfAbandoned(const fs::path& entry)
{
    const FileDescriptor file{::open(entry.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    struct stat opened {}, named {};
    if (file.fd < 0 || ::fstat(file.fd, &opened) != 0 || !S_ISREG(opened.st_mode) || !lockOpenFile(file.fd))
        return;
    if (::lstat(entry.c_str(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
        ::unlink(entry.c_str());
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

// Makes a named temporary of this save's own and locks it before removeStaleSaves, which
// holds the folder's lock while it looks, can find it.
int createNamedTemporary(const fs::path& folder, const fs::path& target, fs::path& named)
{
    const FileLock folder_lock(folder);
    for (int tries = 0; tries < names_tried; ++tries) {
        named = temporaryName(folder, target);
        const int fd = ::open(named.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) {
            if (fd >= 0)
                lockOpenFile(fd);
            return fd;
        }
    }
    return -1;
}

// An unnamed file in `folder` where the system offers one, else a named temporary; locked
// either way while the save lasts, which tells removeStaleSaves its writer is alive.
int openTemporary(const fs::path& folder, const fs::path& target, fs::path& named)
{
#ifdef O_TMPFILE
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
    if (fd >= 0) {
        lockOpenFile(fd);
        return fd;
    }
#endif
    return createNamedTemporary(folder, target, named);
}

// Gives the unnamed file `fd` a name of this save's own, `named`.
bool linkTemporary(int fd, const fs::path& folder, const fs::path& target, fs::path& named)
{
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    for (int tries = 0; tries < names_tried; ++tries) {
        named = temporaryName(folder, target);
        if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    named.clear();
    return false;
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
    // Under the folder's lock no save is between making its named temporary and locking it.
    const FileLock folder_lock(folder);
    if (!folder_lock.held())
        return;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (isTemporaryName(it->path().filename().string()))
            removeIfAbandoned(it->path());
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

    // The temporary's name is this save's alone, so no other save can replace or remove it:
    // what the rename publishes is this save's content.
    fs::path named;
    FileDescriptor temp{openTemporary(folder, target, named)};
    if (temp.fd < 0)
        return writeError(folder, lastError());
    auto fail = [&](const fs::path& where, MessageArg why) {
        if (!named.empty())
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
    if (named.empty() && !linkTemporary(temp.fd, folder, target, named))
        return writeError(folder, lastError());
    tell(observer, SaveStep::linked);
    if (::rename(named.c_str(), target.c_str()) != 0)
        return fail(target, lastError());
    tell(observer, SaveStep::renamed);
    flushFolder(folder);
    return std::nullopt;
}

} // namespace kelvaro

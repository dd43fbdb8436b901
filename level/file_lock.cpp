// SPDX-License-Identifier: GPL-3.0-or-later
// The lock file of FileLock: flock where the system has it, else nothing that excludes.
#include "level/file_lock.h"

#if __has_include(<sys/file.h>)
#define KELVARO_HAS_FLOCK 1
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#else
#define KELVARO_HAS_FLOCK 0
#endif

namespace kelvaro {

#if KELVARO_HAS_FLOCK

// flock belongs to the open file, not the process, so two holders in one process exclude each
// other too, and the lock goes when the holder closes it or dies.
const bool FileLock::excludes = true;

namespace {

bool lockRetrying(int fd, int how)
{
    int done = 0;
    do
        done = ::flock(fd, how);
    while (done != 0 && errno == EINTR);
    return done == 0;
}

} // namespace

FileLock::FileLock(const std::filesystem::path& lock_file, Wait wait)
{
    fd_ = ::open(lock_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0 && errno == EISDIR)
        fd_ = ::open(lock_file.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    held_ = lockRetrying(fd_, LOCK_EX | (wait == Wait::not_at_all ? LOCK_NB : 0));
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_);  // which lets the lock go
}

bool lockOpenFile(int fd) { return lockRetrying(fd, LOCK_EX | LOCK_NB); }

#else

// A system without flock would want its own equivalent (LockFileEx on Windows) here; until
// then the lock keeps nobody out and the callers go on as they would with it.
const bool FileLock::excludes = false;

FileLock::FileLock(const std::filesystem::path&, Wait) : held_(true) {}
FileLock::~FileLock() = default;

// Never held: nobody can then tell an abandoned file from one in use, and takes none for abandoned.
bool lockOpenFile(int) { return false; }

#endif

} // namespace kelvaro

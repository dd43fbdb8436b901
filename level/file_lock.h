// SPDX-License-Identifier: GPL-3.0-or-later
// An exclusive lock that several running copies take on a lock file before they change a shared file.
#pragma once

#include <filesystem>

namespace kelvaro {

// Holds an advisory lock on `lock_file` (made when missing, never removed: removing it would
// let two copies lock two different files) from construction to destruction. A file that is
// replaced by a rename cannot carry the lock itself, so the lock lives in a file of its own
// beside it ("name.lock"); a folder, which is never replaced, is its own lock file. Every copy of
// the program must take it to gain anything: it keeps out other holders, not other writers.
class FileLock {
public:
    enum class Wait { until_free, not_at_all };

    // False where the system offers no such lock: every lock is then held at once and keeps
    // nobody out.
    static const bool excludes;

    explicit FileLock(const std::filesystem::path& lock_file, Wait wait = Wait::until_free);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when another holder has it (Wait::not_at_all) or the lock file cannot be opened.
    bool held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

// Takes the same lock on a file the caller has open (`fd`), without waiting. It is held while
// that opening stays open, so it dies with its process: a writer marks its temporary file as
// still in use this way. False when another holder has it, or where the system offers no lock.
bool lockOpenFile(int fd);

} // namespace kelvaro

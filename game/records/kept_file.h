// SPDX-License-Identifier: GPL-3.0-or-later
// One of the player's files read, merged and written whole under the records' lock; a damaged one set aside, never lost.
#pragma once

#include "level/message.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace kelvaro {

// The lock every file kept beside the records is changed under: one lock, so that a copy of the
// game reading the records and its solutions never sees one half of another copy's win.
std::filesystem::path keptLockFile(const std::filesystem::path& records_file);

// 16 lower-case hexadecimal digits, as levelDigest() writes them.
bool isLevelDigest(const std::string& text);

class KeptFile {
public:
    // What the player is told of this file, each a phrase of the game's window:
    // damaged (%1 file, %2 why) and set aside as %3; damaged and not set aside (%3 why not);
    // not written (%1 why).
    struct Words {
        const char* set_aside;
        const char* kept_off;
        const char* not_kept;
    };
    // The file's text taken in: 0, or the number of the first line that is wrong.
    using TakeIn = std::function<int(const std::string& text)>;

    KeptFile(std::filesystem::path file, std::filesystem::path lock, Words words)
        : file_(std::move(file)), lock_(std::move(lock)), words_(words)
    {
    }

    // Reads the file under the lock. A missing file is an empty start; a damaged or unreadable
    // one is set aside under a new name beside it and the answer says so. When it cannot even
    // be set aside, nothing is read or written for the rest of the run.
    std::optional<Message> load(const TakeIn& take);
    // Reads the file again, takes it in and writes `text()` whole, all under the lock, so no
    // copy of the game writes over another's. `before_write` runs under the lock first.
    std::optional<Message> save(const TakeIn& take, const std::function<std::string()>& text,
                                const std::function<void()>& before_write = {});

    const std::filesystem::path& file() const { return file_; }

private:
    std::optional<Message> takeIn(const TakeIn& take);
    std::optional<Message> setAside(Message why);

    std::filesystem::path file_;
    std::filesystem::path lock_;
    Words words_;
    bool keep_off_ = false;  // a damaged file could not be moved away: never write over it
};

} // namespace kelvaro

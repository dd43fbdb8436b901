// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a file of the player's whole, under a lock; a damaged file is kept aside, never lost.
#include "game/records/kept_file.h"
#include "game/records/records_words.h"

#include "level/file_lock.h"
#include "level/level_files.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace kelvaro {
namespace fs = std::filesystem;

fs::path keptLockFile(const fs::path& records_file)
{
    fs::path lock = records_file;
    lock += ".lock";
    return lock;
}

bool isLevelDigest(const std::string& text)
{
    return text.size() == 16 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::optional<Message> KeptFile::load(const TakeIn& take)
{
    if (file_.empty() || keep_off_)
        return std::nullopt;
    // Even a read takes the lock: a damaged file it sets aside must be the one it read, not
    // the good one another copy has just put in its place. Without a folder there is neither
    // a lock nor a file.
    const FileLock lock(lock_);
    return takeIn(take);
}

std::optional<Message> KeptFile::takeIn(const TakeIn& take)
{
    std::error_code ec;
    if (!fs::exists(file_, ec) && !ec)
        return std::nullopt;
    // Far larger than anything a player could win: not a file this program wrote.
    if (!fs::is_regular_file(file_, ec) || fs::file_size(file_, ec) > 16'000'000 || ec)
        return setAside(records_words::worded(records_words::unreadable));
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf()))
        return setAside(records_words::worded(records_words::unreadable));
    if (const int bad_line = take(bytes.str()))
        return setAside(records_words::worded(records_words::bad_line, {bad_line}));
    return std::nullopt;
}

std::optional<Message> KeptFile::setAside(Message why)
{
    std::error_code ec;
    fs::path aside = file_;
    aside += ".damaged";
    // Counted on for as long as names are taken: a rename onto a copy set aside earlier would
    // delete that copy. Where a name cannot even be looked at, nothing is moved.
    for (long n = 2; fs::exists(aside, ec) && !ec; ++n) {
        aside = file_;
        aside += ".damaged-" + std::to_string(n);
    }
    if (!ec)
        fs::rename(file_, aside, ec);
    if (ec) {
        keep_off_ = true;
        return records_words::worded(words_.kept_off, {file_.string(), std::move(why), ec.message()});
    }
    return records_words::worded(words_.set_aside, {file_.string(), std::move(why), aside.string()});
}

std::optional<Message> KeptFile::save(const TakeIn& take, const std::function<std::string()>& text,
                                      const std::function<void()>& before_write)
{
    if (file_.empty() || keep_off_)
        return std::nullopt;
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    // Read, merge and write as one step, or a copy of the game that read the file earlier
    // writes its old view over what another has added since. A folder that refuses the lock
    // file will most likely refuse the file too: the write then says so.
    const FileLock lock(lock_);
    const std::optional<Message> set_aside = takeIn(take);
    if (keep_off_)
        return set_aside;
    if (before_write)
        before_write();
    if (const std::optional<LevelError> error = writeFileWhole(file_, text()))
        return records_words::worded(words_.not_kept, {error->message()});
    return set_aside;
}

} // namespace kelvaro

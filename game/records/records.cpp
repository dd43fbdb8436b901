// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, improving and writing the records file; a damaged file is kept aside, never lost.
#include "game/records/records.h"

#include "level/file_lock.h"
#include "level/level_files.h"
#include "level/sets/level_home.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

const std::string kHeader = "kelvaro records 1";

// Each figure on its own: a slow win in few actions and a quick one in many make one record.
PlayerRecord better(const PlayerRecord& a, const PlayerRecord& b)
{
    if (!a.solved)
        return b;
    if (!b.solved)
        return a;
    return {true, std::max(a.best_time_left, b.best_time_left), std::min(a.fewest_actions, b.fewest_actions)};
}

} // namespace

fs::path recordsFile(const char* xdg_data_home, const char* home)
{
    const fs::path data = dataHome(xdg_data_home, home);
    return data.empty() ? data : data / "records.txt";
}

std::string Records::text() const
{
    std::ostringstream out;
    out << kHeader << "\n# level best-time-left fewest-actions\n";
    for (int level = 1; level <= levels; ++level) {
        const PlayerRecord& r = at(level);
        if (r.solved)
            out << level << ' ' << r.best_time_left << ' ' << r.fewest_actions << '\n';
    }
    return out.str();
}

std::optional<Records> Records::parse(const std::string& text, int& bad_line)
{
    Records records({});
    std::istringstream in(text);
    std::string line;
    bad_line = 1;
    if (!std::getline(in, line) || line != kHeader)
        return std::nullopt;
    while (std::getline(in, line)) {
        ++bad_line;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int level = 0;
        long time_left = 0, actions = 0;
        std::string rest;
        if (!(fields >> level >> time_left >> actions) || (fields >> rest) || level < 1 || level > levels ||
            time_left < -32768 || time_left > 32767 || actions < 0 || actions > 100'000'000)
            return std::nullopt;
        PlayerRecord& r = records.table_[static_cast<std::size_t>(level - 1)];
        if (r.solved)
            return std::nullopt;  // a level twice: not a file this program wrote
        r = {true, static_cast<int>(time_left), static_cast<int>(actions)};
    }
    bad_line = 0;
    return records;
}

fs::path Records::lockFile() const
{
    fs::path lock = file_;
    lock += ".lock";
    return lock;
}

std::optional<std::string> Records::load()
{
    if (file_.empty() || keep_off_)
        return std::nullopt;
    // Even a read takes the lock: a damaged file it sets aside must be the one it read, not
    // the good one another copy has just put in its place. Without a folder there is neither
    // a lock nor a file.
    const FileLock lock(lockFile());
    return takeIn();
}

std::optional<std::string> Records::takeIn()
{
    std::error_code ec;
    if (!fs::exists(file_, ec) && !ec)
        return std::nullopt;
    // Far larger than fifty lines could make it: not a file this program wrote.
    if (!fs::is_regular_file(file_, ec) || fs::file_size(file_, ec) > 100'000 || ec)
        return setAside("it cannot be read");
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf()))
        return setAside("it cannot be read");
    int bad_line = 0;
    std::optional<Records> read = parse(bytes.str(), bad_line);
    if (!read)
        return setAside("line " + std::to_string(bad_line) + " is damaged");
    for (std::size_t i = 0; i < table_.size(); ++i)
        table_[i] = better(table_[i], read->table_[i]);
    return std::nullopt;
}

std::optional<std::string> Records::setAside(const std::string& why)
{
    std::error_code ec;
    fs::path aside = file_;
    aside += ".damaged";
    for (int n = 2; fs::exists(aside, ec) && n < 1000; ++n) {
        aside = file_;
        aside += ".damaged-" + std::to_string(n);
    }
    fs::rename(file_, aside, ec);
    const std::string start = "The records file " + file_.string() + " is damaged (" + why + ").\n\n";
    if (ec) {
        keep_off_ = true;
        return start + "It could not be set aside (" + ec.message() + "), so records are not kept in this game.";
    }
    return start + "It was set aside as " + aside.string() + "; the records start afresh.";
}

bool Records::recordWin(int level, int time_left, int actions)
{
    if (level < 1 || level > levels)
        return false;
    PlayerRecord& r = table_[static_cast<std::size_t>(level - 1)];
    const PlayerRecord before = r;
    r = better(r, {true, time_left, actions});
    return !(r == before);
}

std::optional<std::string> Records::save()
{
    if (file_.empty() || keep_off_)
        return std::nullopt;
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    // Read, merge and write as one step, or a copy of the game that read the file earlier
    // writes its old view over the wins another has added since. The lock also keeps two
    // copies off the one temporary name the write uses. A folder that refuses the lock file
    // will most likely refuse the records too: the write then says so.
    const FileLock lock(lockFile());
    const std::optional<std::string> set_aside = takeIn();
    if (keep_off_)
        return set_aside;
    if (const std::optional<LevelError> error = writeFileWhole(file_, text()))
        return "Your records cannot be kept: " + error->describe() + ".\n\nThe game goes on without them.";
    return set_aside;
}

} // namespace kelvaro

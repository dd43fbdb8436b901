// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, improving and writing the records file; a damaged file is kept aside, never lost.
#include "game/records/records.h"
#include "game/records/records_words.h"

#include "level/calendar_day.h"
#include "level/game_level.h"
#include "level/level_digest.h"
#include "level/level_files.h"
#include "level/sets/level_home.h"

#include <algorithm>
#include <sstream>

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

const std::string kHeader = "kelvaro records 2";
const std::string kNumberedHeader = "kelvaro records 1";  // kept by level number

// The figures after a record's key: time left and actions, in range, and nothing more.
std::optional<PlayerRecord> figures(std::istringstream& fields)
{
    long time_left = 0, actions = 0;
    std::string rest;
    if (!(fields >> time_left >> actions) || (fields >> rest) || time_left < -32768 || time_left > 32767 ||
        actions < 0 || actions > 100'000'000)
        return std::nullopt;
    return PlayerRecord{true, static_cast<int>(time_left), static_cast<int>(actions)};
}

// Each figure on its own: a slow win in few actions and a quick one in many make one record.
// A level shown in either is seen, until one of them has won it without help.
PlayerRecord better(const PlayerRecord& a, const PlayerRecord& b)
{
    if (!a.solved && !b.solved)
        return {false, 0, 0, a.seen || b.seen};
    if (!a.solved)
        return b;
    if (!b.solved)
        return a;
    return {true, std::max(a.best_time_left, b.best_time_left), std::min(a.fewest_actions, b.fewest_actions)};
}

// "seen 0123456789abcdef": a level whose solution was shown, and nothing more.
bool readSeen(std::istringstream& fields, std::string& digest)
{
    std::string rest;
    return (fields >> digest) && !(fields >> rest) && isLevelDigest(digest);
}

int dayNumber(std::chrono::year_month_day day) { return std::chrono::sys_days(day).time_since_epoch().count(); }

std::chrono::year_month_day dayOf(int number) { return std::chrono::sys_days(std::chrono::days(number)); }

// A day as this file writes it, "2026-12-08", and no other spelling of it.
std::optional<int> readDate(const std::string& text)
{
    const std::optional<std::chrono::year_month_day> day = readCalendarDay(text);
    if (!day || calendarDayText(*day) != text)
        return std::nullopt;
    return dayNumber(*day);
}

} // namespace

fs::path recordsFile(const char* xdg_data_home, const char* home)
{
    const fs::path data = dataHome(xdg_data_home, home);
    return data.empty() ? data : data / "records.txt";
}

ShippedLevelKey shippedLevelKeys(const fs::path& app_dir)
{
    return [app_dir](int level) -> std::optional<std::string> {
        const Result<GameLevel> read = loadGameLevel(gameLevelFile(app_dir, level));
        if (!read)
            return std::nullopt;
        return levelDigest(read.value());
    };
}

const PlayerRecord& Records::at(const std::string& digest) const
{
    static const PlayerRecord never_won;
    const auto it = table_.find(digest);
    return it == table_.end() ? never_won : it->second;
}

std::string Records::text() const
{
    std::ostringstream out;
    out << kHeader << "\n# level-digest best-time-left fewest-actions\n";
    bool any_seen = false;
    for (const auto& [digest, r] : table_) {
        any_seen = any_seen || (r.seen && !r.solved);
        if (r.solved)
            out << digest << ' ' << r.best_time_left << ' ' << r.fewest_actions << '\n';
    }
    if (any_seen)
        out << "# seen: a solution was shown, the level is not yet won without help\n";
    for (const auto& [digest, r] : table_)
        if (r.seen && !r.solved)
            out << "seen " << digest << '\n';
    if (!days_.empty())
        out << "# daily puzzles: day date best-time-left fewest-actions\n";
    for (const auto& [day, r] : days_)
        out << "day " << calendarDayText(dayOf(day)) << ' ' << r.best_time_left << ' ' << r.fewest_actions << '\n';
    if (!numbered_.empty())
        out << "# kept by number until the shipped level can be read again\n";
    for (const auto& [level, r] : numbered_)
        out << "level " << level << ' ' << r.best_time_left << ' ' << r.fewest_actions << '\n';
    return out.str();
}

std::optional<Records> Records::parse(const std::string& text, int& bad_line, const ShippedLevelKey& shipped)
{
    Records records({}, shipped);
    std::istringstream in(text);
    std::string line;
    bad_line = 1;
    if (!std::getline(in, line) || (line != kHeader && line != kNumberedHeader))
        return std::nullopt;
    records.numbered_file_ = line == kNumberedHeader;
    while (std::getline(in, line)) {
        ++bad_line;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string key;
        int level = 0;
        if (records.numbered_file_ ? !(fields >> level) : !(fields >> key))
            return std::nullopt;
        if (key == "level" && !(fields >> level))
            return std::nullopt;
        if (key == "seen" && !records.numbered_file_) {
            std::string digest;
            if (!readSeen(fields, digest) || !records.table_.emplace(digest, PlayerRecord{false, 0, 0, true}).second)
                return std::nullopt;
            continue;
        }
        if (key == "day") {
            std::string date;
            const std::optional<int> day = fields >> date ? readDate(date) : std::nullopt;
            const std::optional<PlayerRecord> record = figures(fields);
            if (!day || !record || !records.days_.emplace(*day, *record).second)
                return std::nullopt;
            continue;
        }
        const std::optional<PlayerRecord> record = figures(fields);
        const bool by_number = records.numbered_file_ || key == "level";
        if (!record || (by_number ? level < 1 || level > numbered_levels : !isLevelDigest(key)))
            return std::nullopt;
        // A level twice: not a file this program wrote.
        if (by_number ? !records.numbered_.emplace(level, *record).second : !records.table_.emplace(key, *record).second)
            return std::nullopt;
    }
    bad_line = 0;
    records.carryOver();
    return records;
}

// Records kept by level number move under their level's digest once its file can be read.
void Records::carryOver()
{
    if (!shipped_)
        return;
    for (auto it = numbered_.begin(); it != numbered_.end();) {
        if (const std::optional<std::string> digest = shipped_(it->first)) {
            PlayerRecord& r = table_[*digest];
            r = better(r, it->second);
            it = numbered_.erase(it);
        } else {
            ++it;
        }
    }
}

Records::Records(fs::path file, ShippedLevelKey shipped)
    : kept_(file, keptLockFile(file),
            {records_words::set_aside, records_words::kept_off, records_words::not_kept}),
      shipped_(std::move(shipped))
{
}

std::optional<Message> Records::load()
{
    return kept_.load([this](const std::string& text) { return takeIn(text); });
}

int Records::takeIn(const std::string& text)
{
    int bad_line = 0;
    std::optional<Records> read = parse(text, bad_line, shipped_);
    if (!read)
        return bad_line;
    for (const auto& [digest, r] : read->table_)
        table_[digest] = better(table_[digest], r);
    for (const auto& [level, r] : read->numbered_)
        numbered_[level] = better(numbered_[level], r);
    for (const auto& [day, r] : read->days_)
        days_[day] = better(days_[day], r);
    numbered_file_ = read->numbered_file_;
    return 0;
}

bool Records::recordWin(const std::string& digest, int time_left, int actions)
{
    if (!isLevelDigest(digest))
        return false;
    PlayerRecord& r = table_[digest];
    const PlayerRecord before = r;
    r = better(r, {true, time_left, actions});
    return !(r == before);
}

bool Records::markSeen(const std::string& digest)
{
    if (!isLevelDigest(digest))
        return false;
    PlayerRecord& r = table_[digest];
    if (r.solved || r.seen)
        return false;
    r.seen = true;
    return true;
}

bool Records::recordDay(std::chrono::year_month_day day, int time_left, int actions)
{
    if (!day.ok())
        return false;
    PlayerRecord& r = days_[dayNumber(day)];
    const PlayerRecord before = r;
    r = better(r, {true, time_left, actions});
    return !(r == before);
}

const PlayerRecord& Records::onDay(std::chrono::year_month_day day) const
{
    static const PlayerRecord never_won;
    const auto it = day.ok() ? days_.find(dayNumber(day)) : days_.end();
    return it == days_.end() ? never_won : it->second;
}

std::vector<std::pair<std::chrono::year_month_day, PlayerRecord>> Records::days() const
{
    std::vector<std::pair<std::chrono::year_month_day, PlayerRecord>> out;
    for (auto it = days_.rbegin(); it != days_.rend(); ++it)
        out.emplace_back(dayOf(it->first), it->second);
    return out;
}

DailyTally Records::dailyTally(std::chrono::year_month_day today) const
{
    DailyTally tally;
    const int last = dayNumber(today);
    int run = 0, previous = 0;
    for (const auto& [day, r] : days_) {
        if (day > last)
            break;  // a clock set back: those days have not come yet
        ++tally.days_solved;
        run = run > 0 && day == previous + 1 ? run + 1 : 1;
        previous = day;
        tally.best_run = std::max(tally.best_run, run);
    }
    // The run goes on through today while today's puzzle may still be solved.
    tally.current_run = tally.days_solved > 0 && previous >= last - 1 ? run : 0;
    return tally;
}

std::optional<Message> Records::save()
{
    return kept_.save([this](const std::string& text) { return takeIn(text); }, [this] { return text(); },
                      [this] {
                          if (numbered_file_)
                              keepCopyOfNumberedFile();
                      });
}

// The first write over a file kept by level number leaves a copy of it beside, once: an older
// copy of the game still reads that one, and nothing the player earned is gone.
void Records::keepCopyOfNumberedFile()
{
    fs::path copy = file();
    copy += ".numbered";
    std::error_code ec;
    if (!fs::exists(copy, ec))
        fs::copy_file(file(), copy, ec);
    numbered_file_ = false;
}

} // namespace kelvaro

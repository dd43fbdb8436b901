// SPDX-License-Identifier: GPL-3.0-or-later
// The player's records per level: solved, best time left, fewest actions; kept in a file per user
// under each level's digest, so a record follows its level into any set.
#pragma once

#include "game/records/kept_file.h"
#include "level/message.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {

struct PlayerRecord {
    bool solved = false;
    int best_time_left = 0;
    int fewest_actions = 0;
    // A solution was shown and the level is not yet won without help; never set when solved.
    bool seen = false;
    bool operator==(const PlayerRecord&) const = default;
};

// The daily puzzles a player has solved, as of one day.
struct DailyTally {
    int days_solved = 0;
    // Days solved one after another up to today, or up to yesterday while today is still open.
    int current_run = 0;
    int best_run = 0;
    bool operator==(const DailyTally&) const = default;
};

// Where the records live: $XDG_DATA_HOME/kelvaro/records.txt, else ~/.local/share/kelvaro/;
// nothing when neither variable names a folder.
std::filesystem::path recordsFile(const char* xdg_data_home, const char* home);

// The digest of the shipped level N (1 to 50), or nothing when its file cannot be read.
// Records files of the first kind were kept by level number; this carries them over.
using ShippedLevelKey = std::function<std::optional<std::string>(int level)>;

// The keys of the levels beside the programs in `app_dir`, read from their files when asked.
ShippedLevelKey shippedLevelKeys(const std::filesystem::path& app_dir);

class Records {
public:
    static constexpr int numbered_levels = 50;  // what the files kept by level number could hold

    explicit Records(std::filesystem::path file, ShippedLevelKey shipped = {});

    // Reads the file and takes in what it holds, keeping the better of each figure: another
    // copy of the game may have written wins of its own since. A missing file is an empty
    // start. A damaged or unreadable one is set aside under a new name beside it (never
    // deleted) and the records go on from what is in memory: the answer says so, for the
    // player. When it cannot even be set aside, nothing is read or written for the rest of
    // the run.
    std::optional<Message> load();
    // A win: the better time and the fewer actions are kept, each on its own.
    // True when anything improved.
    // `digest` is levelDigest() of the level as it was started; anything else is refused.
    bool recordWin(const std::string& digest, int time_left, int actions);
    // Reads the file again, takes in its records and writes the whole file or nothing, all
    // under the lock beside it, so no copy of the game writes over another's wins. Says why
    // it could not, or that a damaged file was set aside.
    std::optional<Message> save();
    // A solution of the level was shown: it is marked seen unless it is solved already, and
    // a later win makes it solved as any other. True when the mark is new.
    bool markSeen(const std::string& digest);

    // A win of the daily puzzle of `day`, kept by its date as well as by its level.
    bool recordDay(std::chrono::year_month_day day, int time_left, int actions);

    // The record of the level with this digest; an unsolved one for a level never won.
    const PlayerRecord& at(const std::string& digest) const;
    const PlayerRecord& onDay(std::chrono::year_month_day day) const;
    // The days solved, latest first, and the tally as of `today` (days after it are ignored).
    std::vector<std::pair<std::chrono::year_month_day, PlayerRecord>> days() const;
    DailyTally dailyTally(std::chrono::year_month_day today) const;
    const std::filesystem::path& file() const { return kept_.file(); }

    std::string text() const;
    // The records in `text`, or the line that is wrong. A file kept by level number is
    // carried over through `shipped`; a level it cannot key yet is kept as it was.
    static std::optional<Records> parse(const std::string& text, int& bad_line, const ShippedLevelKey& shipped = {});

private:
    int takeIn(const std::string& text);
    void keepCopyOfNumberedFile();
    void carryOver();

    KeptFile kept_;
    ShippedLevelKey shipped_;
    std::map<std::string, PlayerRecord> table_;
    std::map<int, PlayerRecord> numbered_;  // kept by level number, not yet carried over
    std::map<int, PlayerRecord> days_;      // daily puzzles, by days since 1970-01-01
    bool numbered_file_ = false;            // the file read was of the first kind
};

} // namespace kelvaro

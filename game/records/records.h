// SPDX-License-Identifier: GPL-3.0-or-later
// The player's records per level: solved, best time left, fewest actions; kept in a file per user.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro {

struct PlayerRecord {
    bool solved = false;
    int best_time_left = 0;
    int fewest_actions = 0;
    bool operator==(const PlayerRecord&) const = default;
};

// Where the records live: $XDG_DATA_HOME/kelvaro/records.txt, else ~/.local/share/kelvaro/;
// nothing when neither variable names a folder.
std::filesystem::path recordsFile(const char* xdg_data_home, const char* home);

class Records {
public:
    static constexpr int levels = 50;

    explicit Records(std::filesystem::path file) : file_(std::move(file)) {}

    // Reads the file and takes in what it holds, keeping the better of each figure: another
    // copy of the game may have written wins of its own since. A missing file is an empty
    // start. A damaged or unreadable one is set aside under a new name beside it (never
    // deleted) and the records go on from what is in memory: the answer says so, for the
    // player. When it cannot even be set aside, nothing is read or written for the rest of
    // the run.
    std::optional<std::string> load();
    // A win: the better time and the fewer actions are kept, each on its own.
    // True when anything improved.
    bool recordWin(int level, int time_left, int actions);
    // Reads the file again, takes in its records and writes the whole file or nothing, all
    // under the lock beside it, so no copy of the game writes over another's wins. Says why
    // it could not, or that a damaged file was set aside.
    std::optional<std::string> save();

    const PlayerRecord& at(int level) const { return table_.at(static_cast<std::size_t>(level - 1)); }
    const std::filesystem::path& file() const { return file_; }

    std::string text() const;
    // The records in `text`, or the line that is wrong.
    static std::optional<Records> parse(const std::string& text, int& bad_line);

private:
    std::optional<std::string> takeIn();
    std::optional<std::string> setAside(const std::string& why);
    std::filesystem::path lockFile() const;

    std::filesystem::path file_;
    std::array<PlayerRecord, levels> table_{};
    bool keep_off_ = false;  // a damaged file could not be moved away: never write over it
};

} // namespace kelvaro

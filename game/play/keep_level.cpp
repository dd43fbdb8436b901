// SPDX-License-Identifier: GPL-3.0-or-later
// The "Generated" set's files written for Keep this level.
#include "game/play/keep_level.h"

#include "level/level_files.h"
#include "level/sets/level_home.h"
#include "level/sets/level_set.h"

#include <optional>
#include <system_error>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// The set's level the notes give `code`, as "mazeN: CODE" among the notes' other words.
std::optional<int> keptAs(const std::string& notes, std::string_view code)
{
    const std::string mark = ": " + std::string(code);
    for (std::size_t at = notes.find(mark); at != std::string::npos; at = notes.find(mark, at + 1)) {
        const std::size_t end = at + mark.size();
        if (end < notes.size() && notes[end] != ',' && notes[end] != ' ')
            continue;  // a longer code that starts alike
        const std::size_t blank = notes.rfind(' ', at);
        const std::size_t start = blank == std::string::npos ? 0 : blank + 1;
        const std::string name = notes.substr(start, at - start);
        if (const std::optional<int> number = levelNumberOf(name + ".txt"))
            return number;
    }
    return std::nullopt;
}

KeepOutcome failure(const fs::path& file, std::string reason) { return {KeepOutcome::Kind::failed, file, std::move(reason)}; }

} // namespace

KeepOutcome keepGeneratedLevel(const fs::path& level_home, std::string_view code, std::string_view bytes)
{
    const fs::path folder = level_home / generated_set;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return failure(folder, ec.message());

    const LevelSet set = readLevelSet(folder);
    if (set.problem)
        return failure(folder, *set.problem);
    const fs::path info_file = fileIn(folder, "set.txt");
    SetInfo info = set.info;
    if (info.damaged)
        return {KeepOutcome::Kind::set_info_damaged, info_file, {}};
    if (const std::optional<int> number = keptAs(info.notes, code))
        if (const SetLevel* level = set.find(*number))
            return {KeepOutcome::Kind::already_kept, level->file, {}};
    if (set.highest() >= LevelSet::most_levels)
        return {KeepOutcome::Kind::set_full, folder, {}};

    const std::string name = "maze" + std::to_string(set.highest() + 1);
    const fs::path file = folder / (name + ".txt");
    if (const std::optional<LevelError> error = writeFileWhole(file, bytes))
        return failure(file, error->describe());
    if (info.title.empty())
        info.title = generated_set;
    info.notes += (info.notes.empty() ? "" : ", ") + name + ": " + std::string(code);
    if (const std::optional<LevelError> error = writeFileWhole(info_file, setInfoText(info))) {
        fs::remove(file, ec);
        return failure(info_file, error->describe());
    }
    return {KeepOutcome::Kind::kept, file, {}};
}

} // namespace kelvaro

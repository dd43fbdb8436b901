// SPDX-License-Identifier: GPL-3.0-or-later
// The "Generated" set's files written for Keep this level.
#include "game/play/keep_level.h"

#include "level/game_level.h"
#include "level/level_digest.h"
#include "level/level_files.h"
#include "level/sets/level_home.h"
#include "level/sets/level_set.h"

#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view note_separator = ", ";

// The notes as items, "mazeN: CODE" among whatever else a player wrote there.
std::vector<std::string> noteItems(const std::string& notes)
{
    std::vector<std::string> items;
    for (std::size_t start = 0; !notes.empty();) {
        const std::size_t end = notes.find(note_separator, start);
        items.push_back(notes.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + note_separator.size();
    }
    return items;
}

struct Label {
    int number = 0;
    std::string code;
};

// What an item says: "mazeN: CODE", the name the last word before the ": ".
std::optional<Label> labelIn(const std::string& item)
{
    const std::size_t colon = item.find(": ");
    if (colon == std::string::npos)
        return std::nullopt;
    const std::size_t blank = item.rfind(' ', colon);
    const std::size_t start = blank == std::string::npos ? 0 : blank + 1;
    const std::optional<int> number = levelNumberOf(item.substr(start, colon - start) + ".txt");
    return number ? std::optional(Label{*number, item.substr(colon + 2)}) : std::nullopt;
}

// The notes without the labels of levels the set no longer has, with "mazeN: CODE" added.
std::string notesWith(const std::string& notes, const LevelSet& set, int number, std::string_view code)
{
    std::string out;
    for (const std::string& item : noteItems(notes)) {
        const std::optional<Label> label = labelIn(item);
        if (label && !set.find(label->number))
            continue;  // also the label of a removed level whose number `number` takes again
        out += (out.empty() ? "" : std::string(note_separator)) + item;
    }
    const std::string name = "maze" + std::to_string(number);
    return out + (out.empty() ? "" : std::string(note_separator)) + name + ": " + std::string(code);
}

// The code the notes give level `number`, if any.
std::optional<std::string> codeOf(const std::string& notes, int number)
{
    for (const std::string& item : noteItems(notes))
        if (const std::optional<Label> label = labelIn(item); label && label->number == number)
            return label->code;
    return std::nullopt;
}

std::optional<std::string> digestOf(std::string_view bytes)
{
    std::istringstream in{std::string(bytes)};
    const Result<GameLevel> level = readGameLevel(in);
    return level ? std::optional(levelDigest(level.value())) : std::nullopt;
}

// The set's level that plays as `bytes` do and is labelled `code` or not at all: the levels
// themselves say what is kept, since a kill may come between writing a level and its label.
const SetLevel* keptLevel(const LevelSet& set, std::string_view code, std::string_view bytes)
{
    const std::optional<std::string> digest = digestOf(bytes);
    if (!digest)
        return nullptr;
    for (const SetLevel& level : set.levels) {
        const std::optional<std::string> label = codeOf(set.info.notes, level.number);
        if (label && *label != code)
            continue;  // another puzzle's, however alike
        const Result<GameLevel> kept = loadGameLevel(level.file);
        if (kept && levelDigest(kept.value()) == *digest)
            return &level;
    }
    return nullptr;
}

std::optional<LevelError> writeNotes(const fs::path& info_file, SetInfo info, const LevelSet& set, int number,
                                     std::string_view code)
{
    if (info.title.empty())
        info.title = generated_set;
    info.notes = notesWith(info.notes, set, number, code);
    return writeFileWhole(info_file, setInfoText(info));
}

KeepOutcome failure(const fs::path& file, Message reason) { return {KeepOutcome::Kind::failed, file, std::move(reason)}; }

} // namespace

KeepOutcome keepGeneratedLevel(const fs::path& level_home, std::string_view code, std::string_view bytes)
{
    const fs::path folder = level_home / generated_set;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return failure(folder, plainText(ec.message()));

    const LevelSet set = readLevelSet(folder);
    if (set.problem)
        return failure(folder, *set.problem);
    const fs::path info_file = fileIn(folder, "set.txt");
    if (set.info.damaged)
        return {KeepOutcome::Kind::set_info_damaged, info_file, {}};
    if (const SetLevel* level = keptLevel(set, code, bytes)) {
        // A level without its label was left by a kill between the two writes: label it now,
        // as far as that goes; it is kept either way.
        if (!codeOf(set.info.notes, level->number))
            writeNotes(info_file, set.info, set, level->number, code);
        return {KeepOutcome::Kind::already_kept, level->file, {}};
    }
    if (set.highest() >= LevelSet::most_levels)
        return {KeepOutcome::Kind::set_full, folder, {}};

    const int number = set.highest() + 1;
    const fs::path file = folder / ("maze" + std::to_string(number) + ".txt");
    if (const std::optional<LevelError> error = writeFileWhole(file, bytes))
        return failure(file, error->message());
    if (const std::optional<LevelError> error = writeNotes(info_file, set.info, set, number, code)) {
        fs::remove(file, ec);
        return failure(info_file, error->message());
    }
    return {KeepOutcome::Kind::kept, file, {}};
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's words, in the contexts the desktop's chooser and grid have always translated them in.
#include "game/play/chooser_level.h"

#include "game/play/played_set.h"
#include "level/game_level.h"

#include <string>
#include <system_error>

namespace kelvaro {
namespace {

constexpr const char* grid_context = "kelvaro::LevelGridModel";

// A value shown as it is, even one holding a %1 of its own.
Message valueText(std::string value) { return Message("", "%1", {std::move(value)}); }

Message chooserWord(const char* source, std::vector<MessageArg> args = {})
{
    return phrase(chooser_words::context, source, std::move(args));
}

Message levelCount(const LevelSet& set)
{
    if (set.problem)
        return chooserWord(QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "cannot be read"));
    if (set.levels.empty())
        return chooserWord(QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "empty"));
    return counted(chooser_words::context, QT_TRANSLATE_N_NOOP("kelvaro::LevelChooser", "%n levels"), "1 level",
                   static_cast<int>(set.levels.size()));
}

// How many levels, numbered up to which, and the numbers missing between.
Message levelSpan(const LevelSet& set)
{
    const Message count =
        chooserWord(QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "%1, numbered 1 to %2"), {levelCount(set), set.highest()});
    const std::vector<int> gaps = set.gaps();
    if (gaps.empty())
        return count;
    std::string missing;
    for (int n : gaps)
        missing += (missing.empty() ? "" : ", ") + std::to_string(n);
    return listed({count, chooserWord(QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "; no level %1"), {missing})}, "");
}

Message figureOrNone(bool known, int figure) { return plainText(known ? std::to_string(figure) : "–"); }

Message parOf(const LevelFigures& f)
{
    if (f.par)
        return plainText(std::to_string(*f.par));
    return plainText(f.par_unknown ? "?" : "…");
}

} // namespace

std::vector<ChooserLevel> readChooserLevels(const LevelSet& set)
{
    std::vector<ChooserLevel> levels;
    for (const SetLevel& each : set.levels) {
        ChooserLevel entry{each.number, each.file, std::nullopt, std::nullopt};
        Result<GameLevel> read = loadGameLevel(each.file);
        if (read)
            entry.level = std::move(read.value());
        else
            entry.error = read.error();
        levels.push_back(std::move(entry));
    }
    return levels;
}

std::vector<Message> chooserLevelLines(const ChooserLevel& entry, const LevelFigures& f)
{
    if (!entry.level) {
        const bool unreadable = entry.error && entry.error->kind == LevelError::Kind::unreadable;
        return {phrase(grid_context, unreadable ? QT_TRANSLATE_NOOP("kelvaro::LevelGridModel", "unreadable")
                                                : QT_TRANSLATE_NOOP("kelvaro::LevelGridModel", "damaged"))};
    }
    std::vector<Message> lines{phrase(grid_context, f.solved ? QT_TRANSLATE_NOOP("kelvaro::LevelGridModel", "solved")
                                          : QT_TRANSLATE_NOOP("kelvaro::LevelGridModel", "not solved")),
            phrase(grid_context, QT_TRANSLATE_NOOP("kelvaro::LevelGridModel", "best time left %1"),
                   {figureOrNone(f.solved, f.best_time_left)}),
            phrase(grid_context, QT_TRANSLATE_NOOP("kelvaro::LevelGridModel", "fewest actions %1"),
                   {figureOrNone(f.solved, f.fewest_actions)}),
            phrase(grid_context, QT_TRANSLATE_NOOP("kelvaro::LevelGridModel", "par %1"), {parOf(f)})};
    if (f.solution_kept)
        lines.push_back(phrase(grid_context, QT_TRANSLATE_NOOP("kelvaro::LevelGridModel", "solution kept")));
    return lines;
}

Message chooserSetName(const LevelSet& set, const std::vector<LevelSet>& all)
{
    return listed({valueText(setLabel(set, all)), levelCount(set)}, " — ");
}

Message chooserSetInfo(const LevelSet& set)
{
    std::vector<Message> lines;
    lines.push_back(set.info.author.empty()
                        ? valueText(set.title)
                        : chooserWord(QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "%1 by %2"), {set.title, set.info.author}));
    if (!set.info.description.empty())
        lines.push_back(valueText(set.info.description));
    lines.push_back(chooserWord(QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "Folder: %1"), {set.folder.string()}));
    if (set.problem)
        lines.push_back(*set.problem);
    else if (set.levels.empty())
        lines.push_back(chooserWord(
            QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "There is no level file (maze1.txt, maze2.txt, …) in this folder.")));
    else
        lines.push_back(levelSpan(set));
    if (set.info.damaged)
        lines.push_back(chooserWord(
            QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "Its set.txt cannot be read, so the set is named after its folder.")));
    return listed(lines, "\n");
}

std::optional<Message> unplayableLevel(const LevelSet& set, const SetLevel& level, const std::optional<LevelError>& error)
{
    if (!error)
        return std::nullopt;
    std::error_code ec;
    const Message head = chooserWord(QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "Level %1 cannot be played.\n\n"), {level.number});
    if (!std::filesystem::is_directory(set.folder, ec))
        return listed({head, chooserWord(QT_TRANSLATE_NOOP("kelvaro::LevelChooser", "Its folder %1 no longer exists."),
                                         {set.folder.string()})},
                      "");
    return listed({head, levelFault(level.file.string(), *error)}, "");
}

} // namespace kelvaro

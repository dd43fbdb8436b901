// SPDX-License-Identifier: GPL-3.0-or-later
// The rules a set gives New game and Next, and where its level files are.
#include "game/play/played_set.h"
#include "game/play/window_phrases.h"

#include "level/level_files.h"
#include "level/sets/level_home.h"

namespace kelvaro {

PlayedSet::PlayedSet()
{
    set_.title = builtin_set_title;
    set_.builtin = true;
}

int PlayedSet::highest() const { return builtin() ? builtin_levels : set_.highest(); }

std::optional<int> PlayedSet::next(int level) const
{
    if (builtin())
        return level < builtin_levels ? std::optional<int>(level + 1) : std::nullopt;
    const SetLevel* after = set_.after(level);
    return after ? std::optional<int>(after->number) : std::nullopt;
}

PlayedSet PlayedSet::withSet(LevelSet set) const
{
    PlayedSet fresh(std::move(set));
    fresh.only_file_ = only_file_;
    return fresh;
}

std::filesystem::path PlayedSet::file(int number) const
{
    if (only_file_)
        return *only_file_;
    return fileIn(set_.folder, "maze" + std::to_string(number) + ".txt");
}

Message PlayedSet::prompt() const { return phrase(words::context, words::prompt, {highest()}); }

LevelSet readAgain(const LevelSet& set)
{
    LevelSet fresh = readLevelSet(set.folder);
    if (set.builtin) {
        fresh.title = set.title;
        fresh.builtin = true;
    }
    return fresh;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the level files' error words a window recognises and translates.
#include "level/level_phrases.h"

#include <vector>

namespace kelvaro {

std::span<const Phrase> levelPhrases()
{
    using namespace level_words;
    static const auto table = [] {
        std::vector<Phrase> all{
            {context, at_line},
            {context, not_whole},
        {context, outside},
        {context, unreadable_end},
        {context, ends_before},
        {context, cell},
        {context, mark_outside},
        {context, no_file},
        {context, not_readable},
        {context, cannot_open},
        {context, cannot_write},
        {context, not_plain},
        {context, read_only},
        {context, not_flushed},
        {context, folder_forbidden},
        {context, folder_gone},
        {context, folder_unreadable},
        {context, level_words::jewel},  // level_words:: as CellKind has the same names
        {context, level_words::goal},
        {context, start},
        {context, start_at},
        {context, jewel_at},
        {context, goal_at},
        {context, cells_of_code},
        {context, jewel_cells},
        {context, goal_cells},
        {context, at_line_column},
        {context, no_cell_character},
        {context, row_length},
        {context, no_rows},
        {context, second_mark},
        {context, unknown_word},
        {context, numbers_wanted},
        {context, code_missing},
        {context, cell_outside},
        };
        for (const char* name : header_names)
            all.push_back({context, name});
        return all;
    }();
    return table;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the editor core's texts the window recognises and translates.
#include "editor/core/editor_phrases.h"

namespace kelvaro {

std::span<const Phrase> editorPhrases()
{
    using namespace editor_words;
    static constexpr Phrase table[] = {
        {context, marks_missing},
        {context, marks_outside},
        {context, marks_placed},
        {context, frame_closed},
        {context, frame_open},
        {context, no_whole_time},
        {context, time_enough},
        {context, time_short},
        {context, solvable},
        {context, not_shortest},
        {context, unsolvable},
        {context, search_limit},
        {context, time_limit},
        {context, checking},
        {context, not_checked},
        {context, unreadable},
        {context, cells},
        {context, size_problem},
        {context, no_new_grid},
        {context, load_failure},
        {context, save_failure},
        {context, plain_file},
        {context, not_folder},
        {context, no_file},
        {context, maps_folder},
        {context, level_folder},
        {context, no_maps_folder},
        {context, bad_time},
        {context, folder_not_made},
        {context, save_before_closing},
        {context, current},
        {context, name_slash},
        {context, name_control},
        {context, name_blank},
        {context, paste_failure},
    };
    return table;
}

} // namespace kelvaro

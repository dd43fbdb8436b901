// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the game's core texts a shell recognises and translates.
#include "game/play/window_phrases.h"

#include "game/aid/player_aid.h"
#include "game/play/level_clipboard.h"
#include "game/records/records_words.h"

namespace kelvaro {

std::span<const Phrase> windowPhrases()
{
    using namespace words;
    static constexpr Phrase table[] = {
        {context, sure}, {context, time}, {context, level}, {context, time_n},
        {context, engine_words::level_n}, {context, engine_words::game_over}, {context, engine_words::paused},
        {context, engine_words::winner}, {context, engine_words::waiting}, {context, engine_words::pause_hint},
        {context, engine_words::next}, {context, engine_words::abort}, {context, engine_words::retry},
        {context, kLostText}, {context, kNoHintText},
        {context, file_not_found}, {context, cannot_play}, {context, set_unreadable}, {context, set_empty},
        {context, level_selection}, {context, exit_game}, {context, restart_level}, {context, exit_kelvaro},
        {context, prompt}, {context, file_gone}, {context, file_unreadable}, {context, file_damaged},
        {context, records_words::unreadable}, {context, records_words::bad_line}, {context, records_words::kept_off},
        {context, records_words::set_aside}, {context, records_words::not_kept},
        {context, generated_puzzle}, {context, daily_puzzle}, {context, code_unknown_grade}, {context, code_no_seed},
        {context, code_not_a_number}, {context, code_too_large}, {context, no_level_found}, {context, kept},
        {context, already_kept}, {context, keep_failed}, {context, keep_set_damaged}, {context, keep_set_full},
        {context, keep_no_home}, {context, share}, {context, share_button}, {context, share_copied},
        {context, show_solution}, {context, show_solution_ask}, {context, no_solution_kept}, {context, no_solution_found},
        {clipboard_words::context, clipboard_words::cannot_play}, {clipboard_words::context, clipboard_words::no_level},
    };
    return table;
}

} // namespace kelvaro

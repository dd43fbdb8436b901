// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Copy level and Paste level: the level as a picture onto the clipboard, a level's text or picture from it.
#include "editor/core/editor_input.h"
#include "editor/core/editor_phrases.h"
#include "editor/core/editor_state.h"

#include "level/level_picture.h"
#include "level/level_text.h"

#include <cstdint>

namespace kelvaro {

void EditorState::copyLevel(ClipboardPort& clipboard) const
{
    // The time as SAVE would write it, when the box holds one.
    AuthorLevel copied = level;
    if (const std::optional<int> time = wholeNumberIn(texts.timeBox, INT16_MIN, INT16_MAX))
        copied.leveltime = static_cast<std::int16_t>(*time);
    clipboard.setText(writePicture(toRecord(copied)));
}

CommandResult EditorState::pasteLevel(const ClipboardPort& clipboard)
{
    pasted_ = clipboard.text();
    if (pasted_.find_first_not_of(" \t\r\n") == std::string::npos)
        return {};  // nothing to paste: nothing changes
    const CommandResult result = recorded(&EditorState::pasteNow);
    pasted_.clear();
    return result;
}

CommandResult EditorState::pasteNow()
{
    Result<AuthorLevel> read = readAuthorLevelText(pasted_);
    if (!read)
        return {editorMessage(editor_words::paste_failure, {read.error().message()})};
    takeLevel(std::move(read.value()));
    return {};
}

} // namespace kelvaro

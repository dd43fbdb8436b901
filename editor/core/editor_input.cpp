// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the editor's text boxes with the same number rules as a level file.
#include "editor/core/editor_input.h"
#include "editor/core/editor_phrases.h"

#include "level/field_reader.h"

#include <algorithm>

namespace kelvaro {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

} // namespace

std::optional<int> wholeNumberIn(const std::string& text, int low, int high)
{
    const Field field = classifyField(trimmed(text), 0);
    if (field.kind != Field::Kind::number || !field.whole)
        return std::nullopt;
    if (field.value < low || field.value > high)
        return std::nullopt;
    return static_cast<int>(field.value);
}

std::optional<Message> levelNameProblem(const std::string& name)
{
    // A separator would put the file outside the maps folder.
    if (name.find_first_of("/\\") != std::string::npos)
        return editorMessage(editor_words::name_slash);
    // A NUL would cut the name short and reach another file; line breaks hide in listings.
    if (std::any_of(name.begin(), name.end(), [](char c) { return (c >= 0 && c < 0x20) || c == 0x7f; }))
        return editorMessage(editor_words::name_control);
    if (!name.empty() && trimmed(name).empty())
        return editorMessage(editor_words::name_blank);
    return std::nullopt;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// RESET, LOAD and SAVE: the editor's commands on the whole level.
#include "editor/core/editor_input.h"
#include "editor/core/editor_state.h"
#include "editor/core/editor_phrases.h"

#include "level/level_files.h"
#include "level/level_text.h"

#include <cstdint>
#include <system_error>
#include <utility>
#include <vector>

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

using namespace editor_words;

std::string fileName(const std::string& typed) { return typed + ".txt"; }

Message loadFailure(const std::string& file, const std::string& places, Message why)
{
    return editorMessage(load_failure, {file, places, std::move(why)});
}

Message saveFailure(const std::string& file, const fs::path& folder, Message why)
{
    return editorMessage(save_failure, {file, folder.string(), std::move(why)});
}

// "A", or "A or B" when LOAD looks in two folders.
std::string placesText(const std::vector<fs::path>& folders)
{
    std::string text;
    for (const fs::path& folder : folders)
        text += (text.empty() ? "" : " or ") + folder.string();
    return text;
}

// The first of `folders` that has `file`: a damaged file there is told, not passed over.
std::optional<fs::path> firstHolding(const std::vector<fs::path>& folders, const std::string& file)
{
    for (const fs::path& folder : folders) {
        std::error_code ec;
        if (fs::exists(fileIn(folder, file), ec))
            return folder;
    }
    return std::nullopt;
}

// Why `folder` (the `noun`) cannot hold levels, or nothing when it is a folder; `missing` when it is absent.
std::optional<Message> folderProblem(const fs::path& folder, const char* noun, const char* missing)
{
    std::error_code ec;
    switch (fs::status(folder, ec).type()) {
    case fs::file_type::directory: return std::nullopt;
    case fs::file_type::not_found: return missing ? std::optional<Message>(editorMessage(missing)) : std::nullopt;
    case fs::file_type::regular:
        return editorMessage(plain_file, {folder.filename().string(), editorMessage(noun)});
    default:
        return editorMessage(not_folder, {folder.filename().string(), editorMessage(noun)});
    }
}

} // namespace

fs::path EditorState::levelFolder() const { return folders_.saveFolder(); }

fs::path EditorState::levelFile() const { return fileIn(levelFolder(), fileName(texts.nameBox)); }

CommandResult EditorState::recorded(CommandResult (EditorState::*command)())
{
    stopSolution();
    endStroke();
    const EditorSnapshot before = snapshot();
    CommandResult result = (this->*command)();
    if (result.ok())
        history_.record(before, document());
    return result;
}

CommandResult EditorState::reset() { return recorded(&EditorState::newmaze); }

CommandResult EditorState::load() { return recorded(&EditorState::loadNow); }

CommandResult EditorState::loadNow()
{
    const std::string file = fileName(texts.nameBox);
    const std::vector<fs::path> folders = folders_.loadFolders();
    if (auto problem = levelNameProblem(texts.nameBox))
        return {loadFailure(file, placesText(folders), *problem)};
    const std::optional<fs::path> holder = firstHolding(folders, file);
    if (!holder && folders.size() > 1)
        return {loadFailure(file, placesText(folders), editorMessage(no_file))};
    const fs::path folder = holder.value_or(folders.front());
    if (auto problem = folderProblem(folder, maps_folder, no_maps_folder))
        return {loadFailure(file, folder.string(), *problem)};

    // Read the whole file into a level of its own first, so a bad file costs nothing.
    Result<AuthorLevel> read = loadAuthorLevelOrPicture(fileIn(folder, file));
    if (!read)
        return {loadFailure(file, folder.string(), read.error().message())};

    takeLevel(std::move(read.value()));
    markSaved();
    return {};
}

void EditorState::takeLevel(AuthorLevel read)
{
    level = std::move(read);
    sizecanvas();
    texts.timeBox = std::to_string(level.leveltime);
    rendermaze();
}

CommandResult EditorState::save()
{
    const std::string file = fileName(texts.nameBox);
    const fs::path folder = levelFolder();
    if (auto problem = levelNameProblem(texts.nameBox))
        return {saveFailure(file, folder, *problem)};
    const std::optional<int> time = wholeNumberIn(texts.timeBox, INT16_MIN, INT16_MAX);
    if (!time)
        return {saveFailure(file, folder, editorMessage(bad_time, {texts.timeBox}))};

    // The player's own set is made at the first SAVE, with the level home around it.
    const char* noun = folders_.own_set ? level_folder : maps_folder;
    if (auto problem = folderProblem(folder, noun, nullptr))
        return {saveFailure(file, folder, *problem)};
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec)
            return {saveFailure(file, folder, editorMessage(folder_not_made, {editorMessage(noun), ec.message()}))};
    }
    const std::int16_t before = level.leveltime;
    level.leveltime = static_cast<std::int16_t>(*time);
    if (auto error = writeFileWhole(levelFile(), writeAuthorLevel(level))) {
        level.leveltime = before;
        return {saveFailure(file, folder, error->message())};
    }
    markSaved();
    return {};
}

} // namespace kelvaro

namespace kelvaro {

void EditorState::markSaved() { saved_ = {level, texts.timeBox}; }

bool EditorState::hasUnsavedChanges() const { return saved_.level != level || saved_.timeBox != texts.timeBox; }

Message EditorState::closingQuestion() const
{
    return editorMessage(editor_words::save_before_closing, {fileName(texts.nameBox)});
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a level from text or a file that holds a level file's lines or a picture.
#include "level/level_text.h"

#include "level/level_files.h"
#include "level/level_picture.h"

#include <fstream>
#include <sstream>

namespace kelvaro {
namespace {

// A picture is told by its first line that is not blank; a level file's first block tells it.
constexpr std::size_t kHeadSize = 1 << 16;

template <typename Level>
Result<Level> fromText(std::string_view text, const ReadRules& rules, Result<Level> (*readFile)(std::istream&),
                       Result<Level> (*fromRecord)(const LevelRecord&))
{
    if (isPicture(text)) {
        const Result<LevelRecord> read = readPicture(text, rules);
        if (!read)
            return read.error();
        return fromRecord(read.value());
    }
    std::istringstream in{std::string(text)};
    return readFile(in);
}

template <typename Level>
Result<Level> fromFile(const std::filesystem::path& file, const ReadRules& rules,
                       Result<Level> (*readFile)(std::istream&), Result<Level> (*fromRecord)(const LevelRecord&))
{
    std::ifstream in;
    if (auto error = openLevelFile(file, in))
        return *error;
    std::string head(kHeadSize, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    if (!isPicture(head)) {
        in.clear();
        in.seekg(0);
        return readFile(in);
    }
    std::ostringstream whole;
    whole << head;
    if (in)
        whole << in.rdbuf();
    return fromText<Level>(whole.str(), rules, readFile, fromRecord);
}

} // namespace

Result<GameLevel> readGameLevelText(std::string_view text)
{
    return fromText<GameLevel>(text, gameRules(), &readGameLevel, &gameLevelFrom);
}

Result<AuthorLevel> readAuthorLevelText(std::string_view text)
{
    return fromText<AuthorLevel>(text, editorRules(), &readAuthorLevel, &authorLevelFrom);
}

Result<GameLevel> loadGameLevelOrPicture(const std::filesystem::path& file)
{
    return fromFile<GameLevel>(file, gameRules(), &readGameLevel, &gameLevelFrom);
}

Result<AuthorLevel> loadAuthorLevelOrPicture(const std::filesystem::path& file)
{
    return fromFile<AuthorLevel>(file, editorRules(), &readAuthorLevel, &authorLevelFrom);
}

} // namespace kelvaro

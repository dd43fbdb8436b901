// SPDX-License-Identifier: GPL-3.0-or-later
// A level given as text, a level file's lines or a picture, read by the game's or the editor's rules.
#pragma once

#include "level/author_level.h"
#include "level/game_level.h"

#include <filesystem>
#include <string_view>

namespace kelvaro {

// The level the game plays from a level file's text or a picture; a fault says where.
Result<GameLevel> readGameLevelText(std::string_view text);
// The level the editor holds from a level file's text or a picture.
Result<AuthorLevel> readAuthorLevelText(std::string_view text);

// The same from a file that holds either: a level file is read as it streams, as loadGameLevel
// and loadAuthorLevel read it; only a picture is taken in whole.
Result<GameLevel> loadGameLevelOrPicture(const std::filesystem::path& file);
Result<AuthorLevel> loadAuthorLevelOrPicture(const std::filesystem::path& file);

} // namespace kelvaro

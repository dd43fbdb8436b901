// SPDX-License-Identifier: GPL-3.0-or-later
// The seven sound files beside the game, in the order they are loaded.
#pragma once

#include <array>
#include <string_view>

namespace kelvaro {

std::array<std::string_view, 7> soundFileNames();

} // namespace kelvaro

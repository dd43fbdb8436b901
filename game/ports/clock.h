// SPDX-License-Identifier: GPL-3.0-or-later
// The clock a shell hands the game: a millisecond count that wraps.
#pragma once

#include <cstdint>
#include <functional>

namespace kelvaro {

// A 32-bit millisecond count that wraps after about 49.7 days; differences are taken unsigned.
using TickSource = std::function<std::uint32_t()>;

inline std::uint32_t elapsed(std::uint32_t now, std::uint32_t since) { return now - since; }

} // namespace kelvaro

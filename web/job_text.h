// SPDX-License-Identifier: GPL-3.0-or-later
// The words the page's workers and the page pass: numbers and positions as plain text, read without iostreams.
#pragma once

#include "level/game_level.h"

#include <charconv>
#include <limits>
#include <string>
#include <string_view>

namespace kelvaro {

// Reads the space-separated words of a job or an answer in turn; any fault sticks.
class JobWords {
public:
    explicit JobWords(std::string_view text) : rest_(text) {}

    std::string_view word();

    // A decimal in [least, most], which default to what Number holds (up to what long long does).
    template <typename Number>
    Number number(long long least = static_cast<long long>(std::numeric_limits<Number>::min()),
                  long long most = widest<Number>())
    {
        const std::string_view token = word();
        long long value = 0;
        const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
        if (error != std::errc() || end != token.data() + token.size() || value < least || value > most)
            ok_ = false;
        return ok_ ? static_cast<Number>(value) : Number{};
    }

    // Whole, and nothing left over.
    bool ok();
    void fail() { ok_ = false; }

private:
    template <typename Number>
    static constexpr long long widest()
    {
        constexpr auto most = std::numeric_limits<Number>::max();
        constexpr auto limit = std::numeric_limits<long long>::max();
        return static_cast<unsigned long long>(most) > static_cast<unsigned long long>(limit)
                   ? limit
                   : static_cast<long long>(most);
    }

    std::string_view rest_;
    bool ok_ = true;
};

// Appends " value".
void putNumber(std::string& text, long long value);

// Every field of a position: "MAXX MAXY JEWELX JEWELY GOALX GOALY PLAYERX PLAYERY TIMELEFT CELLS",
// the cells two hex digits each in file order, so the worker works on exactly it.
void putPosition(std::string& text, const GameLevel& position);
// A fault (the words do not hold a whole position) sticks in the words.
GameLevel readPosition(JobWords& words);

} // namespace kelvaro

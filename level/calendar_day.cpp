// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading calendar days.
#include "level/calendar_day.h"

#include <cstdio>

namespace kelvaro {
namespace {

// The number written by the digits text[from, from + count), or nothing when any is no digit.
std::optional<int> digitsAt(std::string_view text, std::size_t from, std::size_t count)
{
    int number = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

} // namespace

std::string calendarDayText(std::chrono::year_month_day day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                  static_cast<unsigned>(day.day()));
    return text;
}

// Read field by field: a number too large for its field must be refused here, since the
// calendar types would take it modulo their range and give another, real, day.
std::optional<std::chrono::year_month_day> readCalendarDay(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const std::optional<int> y = digitsAt(text, 0, 4), m = digitsAt(text, 5, 2), d = digitsAt(text, 8, 2);
    if (!y || !m || !d)
        return std::nullopt;
    const std::chrono::year_month_day day{std::chrono::year(*y), std::chrono::month(static_cast<unsigned>(*m)),
                                          std::chrono::day(static_cast<unsigned>(*d))};
    return day.ok() ? std::optional(day) : std::nullopt;
}

} // namespace kelvaro

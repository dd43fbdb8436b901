// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading calendar days.
#include "level/calendar_day.h"

#include <cstdio>

namespace kelvaro {

std::string calendarDayText(std::chrono::year_month_day day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                  static_cast<unsigned>(day.day()));
    return text;
}

std::optional<std::chrono::year_month_day> readCalendarDay(std::string_view text)
{
    int y = 0;
    unsigned m = 0, d = 0;
    char tail = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%d-%u-%u%c", &y, &m, &d, &tail) != 3)
        return std::nullopt;
    const std::chrono::year_month_day day{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)};
    return day.ok() ? std::optional(day) : std::nullopt;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar days as people and files write them: "2026-12-08".
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// "YYYY-MM-DD", the month and day in two digits.
std::string calendarDayText(std::chrono::year_month_day day);

// A day written year-month-day with dashes (the month and day with or without a leading
// zero); nothing for any other text or a day the calendar does not have.
std::optional<std::chrono::year_month_day> readCalendarDay(std::string_view text);

} // namespace kelvaro

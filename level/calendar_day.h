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

// A day written as calendarDayText writes it, "YYYY-MM-DD" with a four-digit year; nothing
// for any other spelling (blanks, signs, fewer or more digits) or a day the calendar does not have.
std::optional<std::chrono::year_month_day> readCalendarDay(std::string_view text);

} // namespace kelvaro

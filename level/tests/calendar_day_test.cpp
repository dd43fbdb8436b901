// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar days read only in the one spelling they are written in, and only real ones.
#include "level/calendar_day.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using namespace std::chrono;

TEST(CalendarDay, AWrittenDayReadsBackAsItself)
{
    for (const year_month_day day : {year_month_day{year(2026), month(1), std::chrono::day(5)},
                                     year_month_day{year(2024), month(2), std::chrono::day(29)},
                                     year_month_day{year(1999), month(12), std::chrono::day(31)}}) {
        const std::string text = calendarDayText(day);
        EXPECT_EQ(readCalendarDay(text), day) << text;
    }
    EXPECT_EQ(calendarDayText(year_month_day{year(2026), month(1), std::chrono::day(5)}), "2026-01-05");
}

// Each of these once read as 2026-01-05 or another real day: the numbers wrapped in the
// calendar types, or the reader skipped blanks and signs.
TEST(CalendarDay, ImpossibleDaysAndOtherSpellingsAreRefused)
{
    for (const char* text : {"2026-01-261", "2026-257-05", "67562-01-05", " 2026-01-05", "+2026-01-05", "2026- 1- 5",
                             "2026-1-5", "2026-01-5", "2026-01-05 ", "2026-01-05x", "2026/01/05", "-2026-01-05",
                             "2026-02-30", "2025-02-29", "2026-13-01", "2026-00-10", "2026-01-00", "2026-01-32",
                             "", "2026", "2026-01", "20260105", "0x7e-01-05", "2026-+1-05", "2026-01--5"})
        EXPECT_EQ(readCalendarDay(text), std::nullopt) << "'" << text << "'";
}

} // namespace
} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The short code of a generated puzzle, such as "H-48213": its grade and its seed, and the daily puzzle's code.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kelvaro::forge {

enum class Grade { easy, medium, hard, expert };
inline constexpr Grade grades[] = {Grade::easy, Grade::medium, Grade::hard, Grade::expert};

// 'E', 'M', 'H' or 'X': the letter a code starts with.
char gradeLetter(Grade grade);
// "easy", "medium", "hard" or "expert", as the command line names them.
const char* gradeName(Grade grade);
// A grade by its name or its letter, in any letter case.
std::optional<Grade> gradeNamed(std::string_view name);

// Seeds are what fits five digits, so every code is short enough to read out.
inline constexpr std::uint32_t max_code_seed = 99'999;

struct LevelCode {
    Grade grade = Grade::easy;
    std::uint32_t seed = 0;  // 0 .. max_code_seed

    bool operator==(const LevelCode&) const = default;
};

// "H-48213": the grade's letter, a dash, the seed in five digits.
std::string codeText(LevelCode code);

// Why a typed code is no code; the shells word it.
enum class CodeFault {
    empty,           // nothing typed but blanks
    unknown_grade,   // the first letter is none of E, M, H, X
    no_seed,         // a grade and no number after it
    not_a_number,    // something other than digits where the seed goes
    seed_too_large,  // more than max_code_seed
};

// A code as a person types it: the grade letter in either case, the dash optional,
// blanks round the whole ignored, the seed with or without its leading zeros.
std::variant<LevelCode, CodeFault> readLevelCode(std::string_view text);

// The daily puzzle's code for a calendar day (UTC): always Hard, its seed mixed from the
// day's number yyyymmdd by a fixed function, so everyone gets the same puzzle that day.
LevelCode dailyCode(std::chrono::year_month_day day);

} // namespace kelvaro::forge

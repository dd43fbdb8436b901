// SPDX-License-Identifier: GPL-3.0-or-later
// Grade names and letters, codes written and read, and the seed of each day.
#include "level/forge/level_code.h"
#include "level/forge/forge_steps.h"

#include <algorithm>
#include <cstdio>

namespace kelvaro::forge {
namespace {

struct GradeWords {
    Grade grade;
    char letter;
    const char* name;
};

constexpr GradeWords words[] = {
    {Grade::easy, 'E', "easy"},
    {Grade::medium, 'M', "medium"},
    {Grade::hard, 'H', "hard"},
    {Grade::expert, 'X', "expert"},
};

const GradeWords& wordsOf(Grade grade) { return words[static_cast<int>(grade)]; }

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

char gradeLetter(Grade grade) { return wordsOf(grade).letter; }

const char* gradeName(Grade grade) { return wordsOf(grade).name; }

std::optional<Grade> gradeNamed(std::string_view name)
{
    for (const GradeWords& w : words)
        if (sameIgnoringCase(name, w.name) || sameIgnoringCase(name, std::string_view(&w.letter, 1)))
            return w.grade;
    return std::nullopt;
}

std::string codeText(LevelCode code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%c-%05u", gradeLetter(code.grade), static_cast<unsigned>(code.seed));
    return text;
}

std::variant<LevelCode, CodeFault> readLevelCode(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return CodeFault::empty;
    LevelCode code;
    bool known = false;
    for (const GradeWords& w : words)
        if (upper(text.front()) == w.letter) {
            code.grade = w.grade;
            known = true;
        }
    if (!known)
        return CodeFault::unknown_grade;
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    if (text.empty())
        return CodeFault::no_seed;
    std::uint64_t seed = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return CodeFault::not_a_number;
        seed = std::min<std::uint64_t>(seed * 10 + static_cast<std::uint64_t>(c - '0'), max_code_seed + 1ULL);
    }
    if (seed > max_code_seed)
        return CodeFault::seed_too_large;
    code.seed = static_cast<std::uint32_t>(seed);
    return code;
}

LevelCode dailyCode(std::chrono::year_month_day day)
{
    const auto number = static_cast<std::uint32_t>(static_cast<int>(day.year()) * 10000 +
                                                   static_cast<int>(static_cast<unsigned>(day.month())) * 100 +
                                                   static_cast<int>(static_cast<unsigned>(day.day())));
    return {Grade::hard, mixed(number) % (max_code_seed + 1)};
}

} // namespace kelvaro::forge

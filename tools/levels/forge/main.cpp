// SPDX-License-Identifier: GPL-3.0-or-later
// level_forge: makes one deep level by hill climbing and writes it as a drawing for the level
// tools, or writes the level file of a graded puzzle's code as the game plays it.
#include "level/forge/grade_forge.h"
#include "level/calendar_day.h"
#include "level/level_files.h"
#include "tools/options/option_reader.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace kelvaro::forge;

constexpr const char* usage =
    "usage: level_forge [options] OUT\n"
    "  Makes one level, deterministic for its settings, and writes it as a drawing\n"
    "  (see tools/levels/levels.py) with the title given; prints its figures.\n"
    "  --size W H        inside of the level, without the frame (3 x 3 to 13 x 12)\n"
    "  --crates LO HI    crates it may hold\n"
    "  --max-actions N   longest shortest solution allowed\n"
    "  --max-run N       most pushes of one object one way in a row (default 8)\n"
    "  --max-changes N   most changes of the pushed object (default no limit)\n"
    "  --rounds N        changes tried per restart (default 3000)\n"
    "  --restarts N      random rooms to climb from (default 4)\n"
    "  --positions N     most positions a level may have (default 50000)\n"
    "  --states N        most states solving a level may take (default 30000)\n"
    "  --seed S          random seed (default 1)\n"
    "  --title TEXT      the drawing's title\n"
    "\n"
    "usage: level_forge --grade NAME --seed N OUT | --code CODE OUT | --daily YYYY-MM-DD OUT\n"
    "  Writes the level file of a generated puzzle, as the game plays it: its grade\n"
    "  (easy, medium, hard or expert) and seed (0 to 99999), a code such as H-48213,\n"
    "  or the daily puzzle of a day (UTC). Prints its code and figures.\n"
    "\n"
    "  --help            print this text and exit\n"
    "  --version         print the version and exit\n";

kelvaro::ValueReader gradeName(std::optional<Grade>& target)
{
    return [&target](std::string_view text) -> std::optional<kelvaro::Message> {
        if ((target = gradeNamed(text)))
            return std::nullopt;
        return kelvaro::plainText("'" + std::string(text) + "' is no grade: easy, medium, hard or expert");
    };
}

std::string codeFaultText(std::string_view text, CodeFault fault)
{
    const std::string quoted = "'" + std::string(text) + "'";
    switch (fault) {
    case CodeFault::empty: return "no code given";
    case CodeFault::unknown_grade: return quoted + " starts with no grade: E, M, H or X";
    case CodeFault::no_seed: return quoted + " has no number after its grade";
    case CodeFault::not_a_number: return quoted + ": the seed after the grade is no whole number";
    case CodeFault::seed_too_large: return quoted + ": the seed is more than " + std::to_string(max_code_seed);
    }
    return quoted + " is no code";
}

kelvaro::ValueReader levelCode(std::optional<LevelCode>& target)
{
    return [&target](std::string_view text) -> std::optional<kelvaro::Message> {
        const auto read = readLevelCode(text);
        if (const auto* code = std::get_if<LevelCode>(&read)) {
            target = *code;
            return std::nullopt;
        }
        return kelvaro::plainText(codeFaultText(text, std::get<CodeFault>(read)));
    };
}

kelvaro::ValueReader calendarDay(std::optional<std::chrono::year_month_day>& target)
{
    return [&target](std::string_view text) -> std::optional<kelvaro::Message> {
        target = kelvaro::readCalendarDay(text);
        if (target)
            return std::nullopt;
        return kelvaro::plainText("'" + std::string(text) + "' is no calendar day written YYYY-MM-DD");
    };
}

int writeDrawing(const std::string& out, const std::string& title, const Forged& forged)
{
    std::ofstream file(out, std::ios::binary);
    if (!title.empty())
        file << "; " << title << "\n";
    for (const std::string& row : forged.drawing)
        file << row << "\n";
    file.close();
    if (!file) {
        std::cerr << "level_forge: cannot write " << out << "\n";
        return 1;
    }
    const auto& f = forged.figures;
    std::cout << out << ": score " << f.score << ", " << f.solution.actions() << " actions, " << f.depth.pushes
              << " pushes, " << f.depth.object_changes << " changes, " << f.depth.crates_must_move << " must move, "
              << f.depth.traps << " traps, run " << f.depth.longest_run << ", " << f.depth.positions << " positions\n";
    return 0;
}

int writePuzzle(const std::string& out, const ForgeOutcome& outcome)
{
    if (!outcome.ok()) {
        std::cerr << "level_forge: no level found, try another code\n";
        return 1;
    }
    const GradedLevel& graded = outcome.level();
    if (auto error = kelvaro::writeFileWhole(out, levelFileBytes(graded.level))) {
        std::cerr << "level_forge: cannot write " << out << ": " << error->describe() << "\n";
        return 1;
    }
    const auto& d = graded.depth;
    std::cout << out << ": " << codeText(graded.code) << ", time limit " << graded.level.timeleft << " s, "
              << graded.solution.actions() << " actions, " << d.pushes << " pushes, " << d.object_changes
              << " changes, " << d.crates_must_move << " must move, " << d.traps << " traps, " << d.positions
              << " positions\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    using kelvaro::wholeNumber;
    Settings settings;
    std::string title;
    std::optional<Grade> grade;
    std::optional<LevelCode> code;
    std::optional<std::chrono::year_month_day> daily;
    std::vector<std::string> outs;
    kelvaro::OptionReader reader("level_forge", usage, "level_forge (Kelvaro) " KELVARO_VERSION);
    reader.option("--size", {wholeNumber(settings.width, 3, 13), wholeNumber(settings.height, 3, 12)})
        .option("--crates", {wholeNumber(settings.crates_low, 0), wholeNumber(settings.crates_high, 0)})
        .option("--max-actions", {wholeNumber(settings.max_actions, 1)})
        .option("--max-run", {wholeNumber(settings.max_run, 1)})
        .option("--max-changes", {wholeNumber(settings.max_changes, 0)})
        .option("--rounds", {wholeNumber(settings.rounds, 0)})
        .option("--restarts", {wholeNumber(settings.restarts, 1)})
        .option("--positions", {wholeNumber(settings.max_positions, std::size_t{1})})
        .option("--states", {wholeNumber(settings.max_solve_states, std::size_t{1})})
        .option("--seed", {wholeNumber(settings.seed)})
        .option("--title", {kelvaro::anyText(title)})
        .option("--grade", {gradeName(grade)})
        .option("--code", {levelCode(code)})
        .option("--daily", {calendarDay(daily)})
        .operands(outs, 1, 1, "OUT");
    if (const std::optional<int> status = reader.read(argc, argv))
        return *status;
    if (int(grade.has_value()) + int(code.has_value()) + int(daily.has_value()) > 1)
        return reader.fail("give only one of '--grade', '--code' and '--daily'");
    if (grade) {
        if (settings.seed > max_code_seed)
            return reader.fail("option '--seed': a puzzle's seed is at most " + std::to_string(max_code_seed));
        code = LevelCode{*grade, settings.seed};
    }
    if (code)
        return writePuzzle(outs.front(), forgeCode(*code));
    if (daily)
        return writePuzzle(outs.front(), forgeDaily(*daily));
    if (settings.crates_low > settings.crates_high)
        return reader.fail("option '--crates': " + std::to_string(settings.crates_low) + " is more than " +
                           std::to_string(settings.crates_high));
    const auto forged = forge(settings);
    if (!forged) {
        std::cerr << "level_forge: no fair level found; try other settings\n";
        return 1;
    }
    return writeDrawing(outs.front(), title, *forged);
}

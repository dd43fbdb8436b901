// SPDX-License-Identifier: GPL-3.0-or-later
// level_forge: makes one deep level by hill climbing and writes it as a drawing for the level tools.
#include "level/forge/forge.h"
#include "tools/options/option_reader.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

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
    "  --help            print this text and exit\n"
    "  --version         print the version and exit\n";

} // namespace

int main(int argc, char** argv)
{
    using kelvaro::wholeNumber;
    kelvaro::forge::Settings settings;
    std::string title;
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
        .operands(outs, 1, 1, "OUT");
    if (const std::optional<int> status = reader.read(argc, argv))
        return *status;
    if (settings.crates_low > settings.crates_high)
        return reader.fail("option '--crates': " + std::to_string(settings.crates_low) + " is more than " +
                           std::to_string(settings.crates_high));
    const std::string& out = outs.front();
    const auto forged = kelvaro::forge::forge(settings);
    if (!forged) {
        std::cerr << "level_forge: no fair level found; try other settings\n";
        return 1;
    }
    std::ofstream file(out, std::ios::binary);
    if (!title.empty())
        file << "; " << title << "\n";
    for (const std::string& row : forged->drawing)
        file << row << "\n";
    file.close();
    if (!file) {
        std::cerr << "level_forge: cannot write " << out << "\n";
        return 1;
    }
    const auto& f = forged->figures;
    std::cout << out << ": score " << f.score << ", " << f.solution.actions() << " actions, " << f.depth.pushes
              << " pushes, " << f.depth.object_changes << " changes, " << f.depth.crates_must_move << " must move, "
              << f.depth.traps << " traps, run " << f.depth.longest_run << ", " << f.depth.positions << " positions\n";
    return 0;
}

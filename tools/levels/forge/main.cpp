// SPDX-License-Identifier: GPL-3.0-or-later
// level_forge: makes one deep level by hill climbing and writes it as a drawing for the level tools.
#include "tools/levels/forge/forge.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr const char* usage =
    "usage: level_forge [options] OUT\n"
    "  Makes one level, deterministic for its settings, and writes it as a drawing\n"
    "  (see tools/levels/levels.py) with the title given; prints its figures.\n"
    "  --size W H        inside of the level, without the frame (at most 13 x 12)\n"
    "  --crates LO HI    crates it may hold\n"
    "  --max-actions N   longest shortest solution allowed\n"
    "  --max-run N       most pushes of one object one way in a row (default 8)\n"
    "  --max-changes N   most changes of the pushed object (default no limit)\n"
    "  --rounds N        changes tried per restart (default 3000)\n"
    "  --restarts N      random rooms to climb from (default 4)\n"
    "  --positions N     most positions a level may have (default 50000)\n"
    "  --states N        most states solving a level may take (default 30000)\n"
    "  --seed S          random seed (default 1)\n"
    "  --title TEXT      the drawing's title\n";

bool number(const char* text, auto& out)
{
    const std::string_view value = text;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), out);
    return error == std::errc{} && end == value.data() + value.size();
}

bool parse(int argc, char** argv, kelvaro::forge::Settings& s, std::string& title, std::string& out)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool one = i + 1 < argc, two = i + 2 < argc;
        bool ok = true;
        if (arg == "--size" && two)
            ok = number(argv[++i], s.width) && number(argv[++i], s.height);
        else if (arg == "--crates" && two)
            ok = number(argv[++i], s.crates_low) && number(argv[++i], s.crates_high);
        else if (arg == "--max-actions" && one)
            ok = number(argv[++i], s.max_actions);
        else if (arg == "--max-run" && one)
            ok = number(argv[++i], s.max_run);
        else if (arg == "--max-changes" && one)
            ok = number(argv[++i], s.max_changes);
        else if (arg == "--rounds" && one)
            ok = number(argv[++i], s.rounds);
        else if (arg == "--restarts" && one)
            ok = number(argv[++i], s.restarts);
        else if (arg == "--positions" && one)
            ok = number(argv[++i], s.max_positions);
        else if (arg == "--states" && one)
            ok = number(argv[++i], s.max_solve_states);
        else if (arg == "--seed" && one)
            ok = number(argv[++i], s.seed);
        else if (arg == "--title" && one)
            title = argv[++i];
        else if (arg.starts_with("--") || !out.empty())
            return false;
        else
            out = arg;
        if (!ok)
            return false;
    }
    return !out.empty() && s.width >= 3 && s.width <= 13 && s.height >= 3 && s.height <= 12 && s.crates_low >= 0 &&
           s.crates_low <= s.crates_high;
}

} // namespace

int main(int argc, char** argv)
{
    kelvaro::forge::Settings settings;
    std::string title, out;
    if (!parse(argc, argv, settings, title, out)) {
        std::cerr << usage;
        return 2;
    }
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

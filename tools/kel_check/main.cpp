// SPDX-License-Identifier: GPL-3.0-or-later
// kel_check: tells a level author whether level files read, are closed, solvable and fairly timed.
#include "tools/kel_check/level_check.h"
#include "tools/kel_check/level_report.h"

#include <charconv>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* usage =
    "usage: kel_check [--moves] [--markdown] [--quick] [--limit STATES] [--seconds S] FILE...\n"
    "       kel_check --help | --version\n"
    "  Checks each level file as the game reads it; exits 0 only when every file passes.\n"
    "  --moves      also print a shortest solution (r l u d walk, R L U D push)\n"
    "  --markdown   print a table of the levels instead of the checks\n"
    "  --quick      leave out the costly depth figures (crates that must move, traps)\n"
    "  --limit N    states each search may hold (default 1000000)\n"
    "  --seconds S  time each search may take (default 30)\n"
    "  --help       print this text and exit\n"
    "  --version    print the version and exit\n"
    "\n"
    "Depth figures, on the shortest solution and the level's positions:\n"
    "  pushes       pushes of the shortest solution, of the jewel and of crates.\n"
    "  changes      how often the pushed object differs from the one pushed just before;\n"
    "               longest run: the most pushes of one object in one direction in a row.\n"
    "  crates       crates that must move: those that every solution moves, since with\n"
    "               the crate fixed in place the level is proven unsolvable; and how many\n"
    "               crates the shortest solution moves.\n"
    "  traps        distinct pushes (what is pushed, from where, which way) available in\n"
    "               a position along the shortest solution that leave a position proven\n"
    "               unwinnable, so the player has to restart; and whether one is\n"
    "               available before the first push.\n"
    "  effort       states the search that decides the level expanded before it knew;\n"
    "               positions: all the level can reach, the player counted once per\n"
    "               area it walks in. Crates and traps are only counted when they fit\n"
    "               the state limit.\n";

struct Options {
    bool moves = false;
    bool markdown = false;
    bool help = false;
    kelvaro::SolverLimits limits;
    int seconds = 30;
    kelvaro::DepthLimits depth;
    std::vector<std::string> files;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            options.help = true;
        } else if (arg == "--quick") {
            options.depth.full = false;
        } else if (arg == "--moves") {
            options.moves = true;
        } else if (arg == "--markdown") {
            options.markdown = true;
        } else if (arg == "--limit" && i + 1 < argc) {
            const std::string_view value = argv[++i];
            auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), options.limits.max_states);
            if (error != std::errc{} || end != value.data() + value.size() || options.limits.max_states == 0)
                return false;
        } else if (arg == "--seconds" && i + 1 < argc) {
            const std::string_view value = argv[++i];
            auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), options.seconds);
            if (error != std::errc{} || end != value.data() + value.size() || options.seconds <= 0)
                return false;
        } else if (arg.starts_with("--")) {
            return false;
        } else {
            options.files.emplace_back(arg);
        }
    }
    options.depth.max_states = options.limits.max_states;
    return options.help || !options.files.empty();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::cout << usage;
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << "kel_check (Kelvaro) " KELVARO_VERSION "\n";
        return 0;
    }
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << usage;
        return 2;
    }
    if (options.help) {
        std::cout << usage;
        return 0;
    }
    int passed = 0;
    if (options.markdown)
        std::cout << kelvaro::markdownHeader();
    for (const std::string& file : options.files) {
        // Each file's search gets its own time, counted from its start.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.seconds);
        options.limits.should_stop = [deadline] { return std::chrono::steady_clock::now() >= deadline; };
        const kelvaro::LevelCheck check = kelvaro::checkLevelFile(file, options.limits, options.depth);
        passed += check.passed();
        if (options.markdown)
            std::cout << kelvaro::markdownRow(std::filesystem::path(file).stem().string(), check);
        else
            std::cout << kelvaro::reportText(file, check, options.moves) << "\n";
    }
    const auto total = static_cast<int>(options.files.size());
    if (!options.markdown && total > 1)
        std::cout << passed << " of " << total << " files pass\n";
    return passed == total ? 0 : 1;
}

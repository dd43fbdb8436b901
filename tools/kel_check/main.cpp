// SPDX-License-Identifier: GPL-3.0-or-later
// kel_check: tells a level author whether level files and sets read, are closed, solvable and fairly timed.
#include "tools/kel_check/level_check.h"
#include "tools/kel_check/level_report.h"
#include "tools/kel_check/reader_language.h"
#include "tools/kel_check/set_check.h"
#include "tools/options/option_reader.h"

#include "level/level_picture.h"
#include "level/level_text.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr const char* usage = QT_TRANSLATE_NOOP(
    "KelCheck",
    "usage: kel_check [--moves] [--markdown] [--quick] [--limit STATES] [--seconds S] FILE|DIR...\n"
    "       kel_check --picture FILE|DIR...\n"
    "       kel_check --help | --version\n"
    "  Checks each level file as the game reads it; exits 0 only when every file passes.\n"
    "  A file may also hold a picture of a level (see --picture).\n"
    "  A folder is a level set: its maze1.txt to maze999.txt are checked in number order,\n"
    "  and missing numbers are reported (they do not fail it); a set without a level fails.\n"
    "  --moves      also print a shortest solution (r l u d walk, R L U D push)\n"
    "  --markdown   print a table of the levels instead of the checks\n"
    "  --quick      leave out the costly depth figures (crates that must move, traps)\n"
    "  --limit N    states each search may hold (default 1000000)\n"
    "  --seconds S  time each search may take (default 30)\n"
    "  --picture    print each level's picture in plain characters instead of checking it\n"
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
    "               the state limit.\n"
    "  statistics   what the game's Records window shows of a kept solution, here of the\n"
    "               shortest: actions, pushes, object changes and push runs (runs of\n"
    "               pushes with no walk between them).\n");

struct Options {
    bool moves = false;
    bool markdown = false;
    bool quick = false;
    bool picture = false;
    kelvaro::SolverLimits limits;
    int seconds = 30;
    std::vector<std::string> files;
};

// Checks files one by one, each search with its own time, and keeps the count.
class Checker {
public:
    Checker(Options& options, const kelvaro::ReportWords& words)
        : options_(options), words_(words), depth_{.max_states = options.limits.max_states, .full = !options.quick}
    {
    }

    void file(const std::string& name)
    {
        // Each file's search gets its own time, counted from its start.
        if (options_.picture)
            return picture(name);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options_.seconds);
        options_.limits.should_stop = [deadline] { return std::chrono::steady_clock::now() >= deadline; };
        const kelvaro::LevelCheck check = kelvaro::checkLevelFile(name, options_.limits, depth_);
        ++files_;
        passed_ += check.passed();
        if (options_.markdown)
            std::cout << kelvaro::markdownRow(std::filesystem::path(name).stem().string(), check, words_);
        else
            std::cout << kelvaro::reportText(name, check, options_.moves, words_) << "\n";
    }

    // A set folder: what it holds, then each level in number order.
    void set(const std::string& name)
    {
        const kelvaro::SetCheck check = kelvaro::checkSetFolder(name);
        sets_failed_ += !check.passed();
        if (!options_.markdown && !options_.picture)
            std::cout << kelvaro::setReportText(name, check, words_) << "\n";
        for (const kelvaro::SetLevel& level : check.set.levels)
            file(level.file.string());
    }

    // The level's picture, what a paste and the editor's Load read back; or why the file cannot be read.
    void picture(const std::string& name)
    {
        const kelvaro::Result<kelvaro::GameLevel> level = kelvaro::loadGameLevelOrPicture(name);
        ++files_;
        if (!level) {
            std::cerr << name << ": " << words_.core(level.error().message()) << "\n";
            return;
        }
        ++passed_;
        std::cout << (passed_ > 1 ? "\n" : "") << kelvaro::writePicture(kelvaro::toRecord(level.value()));
    }

    int files() const { return files_; }
    int passed() const { return passed_; }
    bool allPassed() const { return passed_ == files_ && sets_failed_ == 0; }

private:
    Options& options_;
    const kelvaro::ReportWords& words_;
    kelvaro::DepthLimits depth_;
    int files_ = 0;
    int passed_ = 0;
    int sets_failed_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    const kelvaro::ReportWords& words = kelvaro::readersWords(argc, argv);
    Options options;
    kelvaro::OptionReader reader("kel_check", words.text(usage), "kel_check (Kelvaro) " KELVARO_VERSION);
    reader.wording([&words](const kelvaro::Message& problem) { return words.core(problem); })
        .flag("--moves", options.moves)
        .flag("--markdown", options.markdown)
        .flag("--quick", options.quick)
        .flag("--picture", options.picture)
        .option("--limit", {kelvaro::wholeNumber(options.limits.max_states, std::size_t{1})})
        .option("--seconds", {kelvaro::wholeNumber(options.seconds, 1)})
        .operands(options.files, 1, std::numeric_limits<std::size_t>::max(), words.text(QT_TRANSLATE_NOOP("KelCheck", "FILE or DIR")));
    if (const std::optional<int> status = reader.read(argc, argv))
        return *status;
    if (options.markdown && !options.picture)
        std::cout << kelvaro::markdownHeader(words);
    Checker checker(options, words);
    for (const std::string& operand : options.files) {
        std::error_code ec;
        if (std::filesystem::is_directory(operand, ec))
            checker.set(operand);
        else
            checker.file(operand);
    }
    if (!options.markdown && !options.picture && checker.files() > 1)
        std::cout << words.counted(QT_TRANSLATE_N_NOOP("KelCheck", "%1 of %n files pass"), "%1 of 1 file passes",
                                   checker.files(), {std::to_string(checker.passed())})
                  << "\n";
    return checker.allPassed() ? 0 : 1;
}

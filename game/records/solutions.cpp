// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, improving and writing the solutions file, under the records' lock.
#include "game/records/solutions.h"
#include "game/records/records_words.h"

#include <sstream>

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

const std::string kSolutionsHeader = "kelvaro solutions 1";
// Longer than any solution a player could make in the time a level can give.
constexpr std::size_t max_moves = 1'000'000;

bool fewerActions(const KeptSolution& a, const KeptSolution& b)
{
    return a.actions() != b.actions() ? a.actions() < b.actions() : a.time_left > b.time_left;
}

bool moreTimeLeft(const KeptSolution& a, const KeptSolution& b)
{
    return a.time_left != b.time_left ? a.time_left > b.time_left : a.actions() < b.actions();
}

// "<digest> <time-left> <moves>", the moves as readMoves() reads them.
std::optional<std::pair<std::string, KeptSolution>> solutionLine(const std::string& line)
{
    std::istringstream fields(line);
    std::string digest, moves, rest;
    long time_left = 0;
    if (!(fields >> digest >> time_left >> moves) || (fields >> rest) || !isLevelDigest(digest) ||
        time_left < -32768 || time_left > 32767 || moves.size() > max_moves || !readMoves(moves))
        return std::nullopt;
    return std::pair{digest, KeptSolution{moves, static_cast<int>(time_left)}};
}

} // namespace

fs::path solutionsFile(const fs::path& records_file)
{
    return records_file.empty() ? records_file : records_file.parent_path() / "solutions.txt";
}

Solutions::Solutions(fs::path file, const fs::path& records_file)
    : kept_(std::move(file), keptLockFile(records_file),
            {records_words::solutions_set_aside, records_words::solutions_kept_off, records_words::solutions_not_kept})
{
}

std::optional<Message> Solutions::load()
{
    return kept_.load([this](const std::string& text) { return takeIn(text); });
}

std::optional<Message> Solutions::save()
{
    return kept_.save([this](const std::string& text) { return takeIn(text); }, [this] { return text(); });
}

int Solutions::takeIn(const std::string& text)
{
    int bad_line = 0;
    const std::optional<Solutions> read = parse(text, bad_line);
    if (!read)
        return bad_line;
    for (const auto& [digest, kept] : read->table_) {
        if (kept.fewest)
            keep(digest, *kept.fewest);
        if (kept.most_time)
            keep(digest, *kept.most_time);
    }
    return 0;
}

bool Solutions::recordWin(const std::string& digest, const std::vector<Action>& moves, int time_left)
{
    if (!isLevelDigest(digest) || moves.empty() || moves.size() > max_moves)
        return false;
    return keep(digest, {movesText(moves), time_left});
}

bool Solutions::keep(const std::string& digest, const KeptSolution& won)
{
    LevelSolutions& kept = table_[digest];
    const LevelSolutions before = kept;
    if (!kept.fewest || fewerActions(won, *kept.fewest))
        kept.fewest = won;
    if (!kept.most_time || moreTimeLeft(won, *kept.most_time))
        kept.most_time = won;
    return !(kept == before);
}

const LevelSolutions& Solutions::at(const std::string& digest) const
{
    static const LevelSolutions none;
    const auto it = table_.find(digest);
    return it == table_.end() ? none : it->second;
}

std::string Solutions::text() const
{
    std::ostringstream out;
    out << kSolutionsHeader << "\n# level-digest time-left moves: the fewest actions first, then the most time left\n";
    for (const auto& [digest, kept] : table_) {
        if (kept.fewest)
            out << digest << ' ' << kept.fewest->time_left << ' ' << kept.fewest->moves << '\n';
        if (kept.most_time && kept.most_time != kept.fewest)
            out << digest << ' ' << kept.most_time->time_left << ' ' << kept.most_time->moves << '\n';
    }
    return out.str();
}

std::optional<Solutions> Solutions::parse(const std::string& text, int& bad_line)
{
    Solutions solutions({}, {});
    std::istringstream in(text);
    std::string line;
    bad_line = 1;
    if (!std::getline(in, line) || line != kSolutionsHeader)
        return std::nullopt;
    while (std::getline(in, line)) {
        ++bad_line;
        if (line.empty() || line[0] == '#')
            continue;
        const auto read = solutionLine(line);
        if (!read)
            return std::nullopt;
        solutions.keep(read->first, read->second);
    }
    bad_line = 0;
    return solutions;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's jobs and answers as text: plain tokens, read without iostreams to keep the worker module small.
#include "web/solver_job.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

namespace kelvaro {
namespace {

constexpr char hex_digits[] = "0123456789abcdef";

template <typename Number>
constexpr long long widest()
{
    constexpr auto most = std::numeric_limits<Number>::max();
    constexpr auto limit = std::numeric_limits<long long>::max();
    return static_cast<unsigned long long>(most) > static_cast<unsigned long long>(limit) ? limit
                                                                                          : static_cast<long long>(most);
}

// Reads the space-separated tokens of a job or an answer in turn; any fault sticks.
class Tokens {
public:
    explicit Tokens(std::string_view text) : rest_(text) {}

    std::string_view word()
    {
        while (!rest_.empty() && rest_.front() == ' ')
            rest_.remove_prefix(1);
        const std::size_t end = std::min(rest_.find(' '), rest_.size());
        const std::string_view token = rest_.substr(0, end);
        rest_.remove_prefix(end);
        if (token.empty())
            ok_ = false;
        return token;
    }

    // A decimal in [least, most], which default to what Number holds (up to what long long does).
    template <typename Number>
    Number number(long long least = static_cast<long long>(std::numeric_limits<Number>::min()),
                  long long most = widest<Number>())
    {
        const std::string_view token = word();
        long long value = 0;
        const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
        if (error != std::errc() || end != token.data() + token.size() || value < least || value > most)
            ok_ = false;
        return ok_ ? static_cast<Number>(value) : Number{};
    }

    // Whole and nothing left over.
    bool ok()
    {
        while (!rest_.empty() && rest_.front() == ' ')
            rest_.remove_prefix(1);
        return ok_ && rest_.empty();
    }
    void fail() { ok_ = false; }

private:
    std::string_view rest_;
    bool ok_ = true;
};

void put(std::string& text, long long value)
{
    text += ' ';
    text += std::to_string(value);
}

int hexValue(char c)
{
    const char* found = c != '\0' ? std::strchr(hex_digits, c) : nullptr;
    return found ? static_cast<int>(found - hex_digits) : -1;
}

bool readCells(std::string_view cells, std::vector<std::uint8_t>& out)
{
    if (cells.size() != out.size() * 2)
        return false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int high = hexValue(cells[2 * i]), low = hexValue(cells[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        out[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return true;
}

bool readMoves(std::string_view text, std::vector<Action>& moves)
{
    static constexpr std::string_view walks = "rlud", pushes = "RLUD";
    if (text == "-")
        return true;
    for (const char c : text) {
        const std::size_t walk = walks.find(c), push = pushes.find(c);
        if (walk == std::string_view::npos && push == std::string_view::npos)
            return false;
        moves.push_back({push != std::string_view::npos, static_cast<std::uint8_t>(push != std::string_view::npos ? push : walk)});
    }
    return true;
}

} // namespace

std::string jobText(const SolverJob& job)
{
    const GameLevel& p = job.position;
    std::string text = "job";
    for (const long long value : {static_cast<long long>(job.id), static_cast<long long>(job.budget_ms),
                                  static_cast<long long>(p.maze.maxx()), static_cast<long long>(p.maze.maxy()),
                                  static_cast<long long>(p.jewelx), static_cast<long long>(p.jewely),
                                  static_cast<long long>(p.goalx), static_cast<long long>(p.goaly),
                                  static_cast<long long>(p.playerx), static_cast<long long>(p.playery),
                                  static_cast<long long>(p.timeleft)})
        put(text, value);
    text += ' ';
    for (const std::uint8_t cell : p.maze.cells()) {
        text += hex_digits[cell >> 4];
        text += hex_digits[cell & 15];
    }
    return text;
}

std::optional<SolverJob> parseJob(const std::string& text)
{
    Tokens tokens(text);
    if (tokens.word() != "job")
        return std::nullopt;
    SolverJob job;
    job.id = tokens.number<std::uint32_t>();
    job.budget_ms = tokens.number<int>(0);
    // The sizes are bytes in a level file: at most 256 columns and rows.
    const int maxx = tokens.number<int>(0, 255), maxy = tokens.number<int>(0, 255);
    GameLevel& p = job.position;
    for (std::uint8_t* field : {&p.jewelx, &p.jewely, &p.goalx, &p.goaly, &p.playerx, &p.playery})
        *field = tokens.number<std::uint8_t>();
    p.timeleft = tokens.number<std::int16_t>();
    const std::string_view cells = tokens.word();
    if (!tokens.ok())
        return std::nullopt;
    p.maze = Grid<std::uint8_t>(maxx, maxy);
    if (!readCells(cells, p.maze.cells()))
        return std::nullopt;
    return job;
}

std::string answerText(const SolverAnswer& answer)
{
    const Solution& s = answer.solution;
    std::string text = "answer";
    for (const long long value : {static_cast<long long>(answer.id), static_cast<long long>(s.verdict),
                                  static_cast<long long>(s.shortest), static_cast<long long>(s.walks),
                                  static_cast<long long>(s.pushes), static_cast<long long>(s.states),
                                  static_cast<long long>(s.expanded), static_cast<long long>(s.stopped)})
        put(text, value);
    text += ' ';
    text += s.moves.empty() ? std::string("-") : movesText(s.moves);
    return text;
}

std::optional<SolverAnswer> parseAnswer(const std::string& text)
{
    Tokens tokens(text);
    if (tokens.word() != "answer")
        return std::nullopt;
    SolverAnswer answer;
    Solution& s = answer.solution;
    answer.id = tokens.number<std::uint32_t>();
    s.verdict = static_cast<Verdict>(tokens.number<int>(0, static_cast<int>(Verdict::unknown)));
    s.shortest = tokens.number<int>(0, 1) != 0;
    s.walks = tokens.number<int>(0);
    s.pushes = tokens.number<int>(0);
    s.states = tokens.number<std::size_t>();
    s.expanded = tokens.number<std::size_t>();
    s.stopped = tokens.number<int>(0, 1) != 0;
    const std::string_view moves = tokens.word();
    if (!tokens.ok() || !readMoves(moves, s.moves))
        return std::nullopt;
    return answer;
}

std::optional<std::string> answerJob(const std::string& text, const std::function<double()>& now)
{
    const std::optional<SolverJob> job = parseJob(text);
    if (!job)
        return std::nullopt;
    const double deadline = now() + job->budget_ms;
    SolverLimits limits;
    limits.should_stop = [&now, deadline] { return now() > deadline; };
    return answerText({job->id, solve(job->position, limits)});
}

} // namespace kelvaro

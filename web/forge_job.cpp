// SPDX-License-Identifier: GPL-3.0-or-later
// The forge's jobs, progress and outcomes as text, and what the forge's worker does with a job.
#include "web/forge_job.h"

#include "web/job_text.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {
namespace {

constexpr int share_steps = 10000;

std::optional<forge::ForgeOutcome> readOutcome(JobWords& words)
{
    forge::ForgeOutcome outcome;
    const bool ok = words.number<int>(0, 1) != 0;
    if (ok) {
        forge::GradedLevel graded;
        graded.code.grade = static_cast<forge::Grade>(words.number<int>(0, static_cast<int>(forge::Grade::expert)));
        graded.code.seed = words.number<std::uint32_t>(0, forge::max_code_seed);
        outcome.result = std::move(graded);
    } else {
        outcome.result = static_cast<forge::ForgeFailure>(words.number<int>(0, static_cast<int>(forge::ForgeFailure::cancelled)));
    }
    outcome.work = words.number<std::size_t>();
    outcome.rooms = words.number<int>(0);
    if (ok) {
        // Only the shortest solution's length travels, for the par: the page never replays it.
        auto& graded = std::get<forge::GradedLevel>(outcome.result);
        const int par = words.number<int>(0);
        graded.solution.verdict = par ? Verdict::solvable : Verdict::unknown;
        graded.solution.shortest = par > 0;
        graded.solution.moves.assign(static_cast<std::size_t>(par), Action{false, 0});
        graded.level = readPosition(words);
    }
    if (!words.ok())
        return std::nullopt;
    return outcome;
}

} // namespace

std::string forgeJobText(const ForgeJob& job)
{
    std::string text = "forge";
    putNumber(text, job.id);
    if (const auto* code = std::get_if<forge::LevelCode>(&job.request)) {
        text += " code";
        putNumber(text, static_cast<int>(code->grade));
        putNumber(text, code->seed);
    } else {
        const auto& day = std::get<std::chrono::year_month_day>(job.request);
        text += " day";
        putNumber(text, static_cast<int>(day.year()));
        putNumber(text, static_cast<unsigned>(day.month()));
        putNumber(text, static_cast<unsigned>(day.day()));
    }
    return text;
}

std::optional<ForgeJob> parseForgeJob(const std::string& text)
{
    JobWords words(text);
    if (words.word() != "forge")
        return std::nullopt;
    ForgeJob job;
    job.id = words.number<std::uint32_t>();
    const std::string_view kind = words.word();
    if (kind == "code") {
        const auto grade = static_cast<forge::Grade>(words.number<int>(0, static_cast<int>(forge::Grade::expert)));
        job.request = forge::LevelCode{grade, words.number<std::uint32_t>(0, forge::max_code_seed)};
    } else if (kind == "day") {
        const int year = words.number<int>(1, 9999);
        const unsigned month = words.number<unsigned>(1, 12), day = words.number<unsigned>(1, 31);
        const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
        if (!date.ok())
            words.fail();
        job.request = date;
    } else {
        words.fail();
    }
    if (!words.ok())
        return std::nullopt;
    return job;
}

std::string progressText(std::uint32_t id, double share)
{
    std::string text = "progress";
    putNumber(text, id);
    putNumber(text, std::lround(std::clamp(share, 0.0, 1.0) * share_steps));
    return text;
}

std::string outcomeText(std::uint32_t id, const forge::ForgeOutcome& outcome)
{
    std::string text = "forged";
    putNumber(text, id);
    putNumber(text, outcome.ok() ? 1 : 0);
    if (outcome.ok()) {
        putNumber(text, static_cast<int>(outcome.level().code.grade));
        putNumber(text, outcome.level().code.seed);
    } else {
        putNumber(text, static_cast<int>(outcome.failure()));
    }
    putNumber(text, static_cast<long long>(outcome.work));
    putNumber(text, outcome.rooms);
    if (outcome.ok()) {
        const Solution& solution = outcome.level().solution;
        putNumber(text, solution.shortest ? static_cast<int>(solution.moves.size()) : 0);
        putPosition(text, outcome.level().level);
    }
    return text;
}

std::optional<ForgeReport> parseForgeReport(const std::string& text)
{
    JobWords words(text);
    const std::string_view kind = words.word();
    ForgeReport report;
    report.id = words.number<std::uint32_t>();
    if (kind == "progress") {
        report.what = words.number<int>(0, share_steps) / static_cast<double>(share_steps);
        if (!words.ok())
            return std::nullopt;
        return report;
    }
    if (kind != "forged")
        return std::nullopt;
    std::optional<forge::ForgeOutcome> outcome = readOutcome(words);
    if (!outcome)
        return std::nullopt;
    report.what = std::move(*outcome);
    return report;
}

// One thread: the browser's worker has no others to lend (the result is the same whatever the count).
std::optional<std::string> answerForgeJob(const std::string& text, const std::function<void(const std::string&)>& report)
{
    const std::optional<ForgeJob> job = parseForgeJob(text);
    if (!job)
        return std::nullopt;
    const forge::Progress progress = [&report, id = job->id](double share) { report(progressText(id, share)); };
    const forge::ForgeOutcome outcome =
        std::holds_alternative<forge::LevelCode>(job->request)
            ? forge::forgeCode(std::get<forge::LevelCode>(job->request), nullptr, progress, 1)
            : forge::forgeDaily(std::get<std::chrono::year_month_day>(job->request), nullptr, progress, 1);
    return outcomeText(job->id, outcome);
}

} // namespace kelvaro

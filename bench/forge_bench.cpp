// SPDX-License-Identifier: GPL-3.0-or-later
// How long the forge takes: graded puzzles on one thread (median, p90, worst per grade), the
// plan's level-20 settings, several threads for Expert, and how soon Cancel stops it.
#include "level/forge/grade_forge.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

using namespace kelvaro::forge;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Sample {
    double wall;
    double cpu;
};

// The value below which `share` of the sorted values lie (nearest rank).
double rank(std::vector<double> values, double share)
{
    std::ranges::sort(values);
    const auto at = static_cast<std::size_t>(std::max(0.0, share * static_cast<double>(values.size()) - 1e-9));
    return values[std::min(at, values.size() - 1)];
}

void summary(const char* what, const std::vector<Sample>& samples)
{
    std::vector<double> wall, cpu;
    for (const Sample& s : samples) {
        wall.push_back(s.wall);
        cpu.push_back(s.cpu);
    }
    std::printf("%-28s wall median %6.2f s  p90 %6.2f s  worst %6.2f s | processor median %6.2f s  p90 %6.2f s  worst %6.2f s\n",
                what, rank(wall, 0.5), rank(wall, 0.9), rank(wall, 1.0), rank(cpu, 0.5), rank(cpu, 0.9),
                rank(cpu, 1.0));
}

void benchGrade(Grade grade, std::uint32_t first, int seeds, int threads)
{
    std::vector<Sample> samples;
    std::vector<double> changes;
    int found = 0, most_rooms = 0;
    for (int i = 0; i < seeds; ++i) {
        const LevelCode code{grade, first + static_cast<std::uint32_t>(i)};
        const double cpu0 = cpuSeconds();
        const auto t0 = Clock::now();
        const ForgeOutcome outcome = forgeCode(code, nullptr, {}, threads);
        samples.push_back({seconds(Clock::now() - t0), cpuSeconds() - cpu0});
        found += outcome.ok();
        most_rooms = std::max(most_rooms, outcome.rooms);
        if (outcome.ok()) {
            const auto& d = outcome.level().depth;
            changes.push_back(d.object_changes);
            std::printf("  %s  %6.2f s  rooms %2d  work %9zu  %2d changes %d must move %2d traps  %3d actions  limit %d s\n",
                        codeText(code).c_str(), samples.back().wall, outcome.rooms, outcome.work, d.object_changes,
                        d.crates_must_move, d.traps, outcome.level().solution.actions(), outcome.level().level.timeleft);
        } else {
            std::printf("  %s  %6.2f s  rooms %2d  work %9zu  no level found\n", codeText(code).c_str(),
                        samples.back().wall, outcome.rooms, outcome.work);
        }
        std::fflush(stdout);
    }
    char what[64];
    std::snprintf(what, sizeof what, "%s, %d thread%s, %d/%d", gradeName(grade), threads, threads > 1 ? "s" : "", found,
                  seeds);
    summary(what, samples);
    if (!changes.empty())
        std::printf("%-28s object changes median %.0f, rooms at most %d\n", "", rank(changes, 0.5), most_rooms);
}

// The plan's settings for level 20 (tools/levels/plan.txt), as forge_all.py runs them.
void benchPlan()
{
    std::vector<Sample> samples;
    for (std::uint32_t seed : {20U, 21U}) {
        Settings settings = settingsOf({20, 10, 9, 4, 7, 108, 1000, 354, 2});
        settings.seed = seed;
        const double cpu0 = cpuSeconds();
        const auto t0 = Clock::now();
        const auto forged = forge(settings);
        samples.push_back({seconds(Clock::now() - t0), cpuSeconds() - cpu0});
        std::printf("  plan seed %u  %6.2f s  %d changes\n", seed, samples.back().wall,
                    forged ? forged->figures.depth.object_changes : -1);
    }
    summary("plan level 20, seeds 20, 21", samples);
}

// Cancel raised at spread-out moments of a forge, and the time until it returns.
void benchCancel(Grade grade, int tries)
{
    double worst = 0;
    for (int i = 0; i < tries; ++i) {
        std::atomic<bool> cancel{false};
        std::thread forger([&] { forgeCode({grade, 500U + static_cast<std::uint32_t>(i)}, &cancel, {}, 1); });
        std::this_thread::sleep_for(std::chrono::milliseconds(37 * (i + 1)));
        const Clock::time_point raised_at = Clock::now();
        cancel = true;
        forger.join();
        worst = std::max(worst, seconds(Clock::now() - raised_at));
    }
    std::printf("%-28s worst %.1f ms over %d tries\n", (std::string("cancel, ") + gradeName(grade)).c_str(),
                worst * 1000, tries);
}

} // namespace

int main(int argc, char** argv)
{
    int seeds = 40;
    std::uint32_t first = 1;
    std::vector<Grade> chosen;
    bool plan = false, cancel = false;
    int expert_threads = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seeds" && i + 1 < argc)
            seeds = std::atoi(argv[++i]);
        else if (arg == "--first" && i + 1 < argc)
            first = static_cast<std::uint32_t>(std::atol(argv[++i]));
        else if (arg == "--plan")
            plan = true;
        else if (arg == "--cancel")
            cancel = true;
        else if (arg == "--expert-threads" && i + 1 < argc)
            expert_threads = std::atoi(argv[++i]);
        else if (auto grade = gradeNamed(arg))
            chosen.push_back(*grade);
        else {
            std::fprintf(stderr,
                         "usage: forge_bench [easy|medium|hard|expert ...] [--seeds N] [--first S] [--plan] [--cancel]\n"
                         "                   [--expert-threads N]\n"
                         "  With no grade, every grade; seeds S .. S+N-1 (default 1 .. 40), one thread each.\n");
            return 2;
        }
    }
    if (chosen.empty() && !plan && !cancel && expert_threads == 0)
        chosen.assign(std::begin(grades), std::end(grades));
    for (Grade grade : chosen)
        benchGrade(grade, first, seeds, 1);
    if (expert_threads > 0)
        benchGrade(Grade::expert, first, seeds, expert_threads);
    if (plan)
        benchPlan();
    if (cancel)
        for (Grade grade : {Grade::hard, Grade::expert})
            benchCancel(grade, 10);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Rooms settled in order under one budget, with scripted climbs: one thread or several, the same outcome.
#include "level/forge/room_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>

namespace kelvaro::forge {
namespace {

// A scripted room: it finds a level once its work reaches `found_at`, or else ends at
// `end`; like a real climb it stops at its allowance and only goes further with more.
struct Script {
    std::optional<std::size_t> found_at;
    std::size_t end = 0;
};

RoomClimb climbed(const Script& script, int room, std::size_t allowance)
{
    RoomClimb climb;
    const std::size_t reach = script.found_at ? *script.found_at : script.end;
    if (reach >= allowance) {
        climb.work = allowance;
        climb.exhausted = true;
    } else if (script.found_at) {
        climb.found = Forged{{std::to_string(room)}, {}};
        climb.started_last = *script.found_at;
        climb.work = *script.found_at + 7;
    } else {
        climb.work = script.end;
    }
    return climb;
}

ClimbRoom scripted(const std::vector<Script>& scripts)
{
    return [&scripts](int room, std::size_t allowance, const RoomWatch&) {
        return climbed(scripts[static_cast<std::size_t>(room)], room, allowance);
    };
}

RoomPlan planOf(int rooms, std::size_t budget, int threads, const std::atomic<bool>* cancel = nullptr)
{
    RoomPlan plan;
    plan.rooms = rooms;
    plan.budget = budget;
    plan.threads = threads;
    plan.cancel = cancel;
    return plan;
}

int winner(const RoomOutcome& outcome) { return outcome.found ? std::stoi(outcome.found->drawing[0]) : -1; }

TEST(RoomSchedule, TheFirstRoomToFindALevelWithinWhatIsLeftWins)
{
    const std::vector<Script> scripts = {{{}, 100}, {{}, 40}, {50, 0}, {10, 0}};
    const RoomOutcome outcome = scheduleRooms(planOf(4, 1000, 1), scripted(scripts));
    EXPECT_EQ(winner(outcome), 2);
    EXPECT_EQ(outcome.rooms, 3);
    EXPECT_EQ(outcome.work, 100u + 40u + 57u);
    EXPECT_FALSE(outcome.cancelled);
}

TEST(RoomSchedule, GivesUpWhenTheBudgetOrTheRoomsRunOut)
{
    // 150 spent before room 2, which would find its level at 60: 50 were left.
    const std::vector<Script> late = {{{}, 100}, {{}, 50}, {60, 0}};
    const RoomOutcome spent = scheduleRooms(planOf(3, 200, 1), scripted(late));
    EXPECT_FALSE(spent.found);
    EXPECT_EQ(spent.rooms, 3);
    EXPECT_EQ(spent.work, 200u);

    const std::vector<Script> barren = {{{}, 10}, {{}, 20}};
    const RoomOutcome empty = scheduleRooms(planOf(2, 1000, 1), scripted(barren));
    EXPECT_FALSE(empty.found);
    EXPECT_EQ(empty.rooms, 2);
    EXPECT_EQ(empty.work, 30u);
}

TEST(RoomSchedule, SeveralThreadsSettleAsOneDoes)
{
    std::mt19937 dice(7);
    for (int trial = 0; trial < 150; ++trial) {
        std::vector<Script> scripts(8);
        for (Script& s : scripts) {
            if (dice() % 4 == 0)
                s.found_at = dice() % 400;
            s.end = dice() % 400;
        }
        const RoomPlan plan = planOf(8, 200 + dice() % 1500, 1);
        const RoomOutcome one = scheduleRooms(plan, scripted(scripts));
        for (int threads : {2, 3, 8}) {
            RoomPlan crew = plan;
            crew.threads = threads;
            const RoomOutcome many = scheduleRooms(crew, scripted(scripts));
            ASSERT_EQ(winner(many), winner(one)) << "trial " << trial << ", " << threads << " threads";
            EXPECT_EQ(many.work, one.work);
            EXPECT_EQ(many.rooms, one.rooms);
        }
    }
}

TEST(RoomSchedule, RoomsAfterOneThatFoundALevelAreStopped)
{
    std::atomic<bool> second_started{false};
    std::atomic<bool> second_stopped{false};
    const ClimbRoom climb = [&](int room, std::size_t, const RoomWatch& watch) {
        RoomClimb result;
        if (room == 0) {
            while (!second_started)
                std::this_thread::yield();
            result.found = Forged{{"0"}, {}};
            result.work = 5;
            return result;
        }
        second_started = true;
        while (!watch.stop())
            std::this_thread::yield();
        second_stopped = true;
        result.stopped = true;
        return result;
    };
    const RoomOutcome outcome = scheduleRooms(planOf(4, 1000, 2), climb);
    EXPECT_EQ(winner(outcome), 0);
    EXPECT_TRUE(second_stopped);
    EXPECT_EQ(outcome.work, 5u);
}

TEST(RoomSchedule, CancelEndsItOnAnyNumberOfThreads)
{
    for (int threads : {1, 3}) {
        std::atomic<bool> cancel{false};
        int climbs = 0;
        const ClimbRoom climb = [&](int, std::size_t, const RoomWatch& watch) {
            ++climbs;
            cancel = true;
            RoomClimb result;
            result.stopped = watch.stop();
            return result;
        };
        const RoomOutcome outcome = scheduleRooms(planOf(40, 1000, threads, &cancel), climb);
        EXPECT_TRUE(outcome.cancelled);
        EXPECT_FALSE(outcome.found);
        EXPECT_LE(climbs, threads);
    }
    std::atomic<bool> cancelled_before{true};
    int climbs = 0;
    const RoomOutcome outcome = scheduleRooms(planOf(4, 1000, 1, &cancelled_before), [&](int, std::size_t, const RoomWatch& w) {
        ++climbs;
        RoomClimb result;
        result.stopped = w.stop();
        return result;
    });
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_LE(climbs, 1);
}

TEST(RoomSchedule, ProgressRisesToTheShareOfTheBudgetSpent)
{
    std::vector<double> reports;
    const ClimbRoom climb = [](int room, std::size_t allowance, const RoomWatch& watch) {
        RoomClimb result;
        for (std::size_t work = 0; work <= 300 && work < allowance; work += 10)
            watch.spent(work);
        result.work = 300;
        result.exhausted = 300 >= allowance;
        (void)room;
        return result;
    };
    RoomPlan plan = planOf(10, 1000, 1);
    plan.progress = [&](double share) { reports.push_back(share); };
    const RoomOutcome outcome = scheduleRooms(plan, climb);
    EXPECT_FALSE(outcome.found);
    ASSERT_FALSE(reports.empty());
    EXPECT_TRUE(std::ranges::is_sorted(reports));
    EXPECT_GT(reports.front(), 0.0);
    EXPECT_LE(reports.back(), 1.0);
    EXPECT_GE(reports.back(), 0.99);
    EXPECT_LE(reports.size(), 201u);
}

} // namespace
} // namespace kelvaro::forge

// SPDX-License-Identifier: GPL-3.0-or-later
// Rooms settled in order until one gives a level, with scripted climbs: one thread or several, the same outcome.
#include "level/forge/room_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <mutex>
#include <thread>

namespace kelvaro::forge {
namespace {

// A scripted room: it finds a level after `work`, or ends empty after it.
struct Script {
    bool found = false;
    std::size_t work = 0;
};

ClimbRoom scripted(const std::vector<Script>& scripts)
{
    return [&scripts](int room, const RoomWatch&) {
        const Script& script = scripts[static_cast<std::size_t>(room) % scripts.size()];
        RoomClimb climb;
        climb.work = script.work;
        if (script.found)
            climb.found = Forged{{std::to_string(room)}, {}};
        return climb;
    };
}

RoomPlan planOf(int rooms, int threads, const std::atomic<bool>* cancel = nullptr)
{
    RoomPlan plan;
    plan.rooms = rooms;
    plan.threads = threads;
    plan.cancel = cancel;
    return plan;
}

int winner(const RoomOutcome& outcome) { return outcome.found ? std::stoi(outcome.found->drawing[0]) : -1; }

TEST(RoomSchedule, TheFirstRoomToFindALevelWinsHoweverManyComeFirst)
{
    const std::vector<Script> scripts = {{false, 100}, {false, 40}, {true, 57}, {true, 10}};
    const RoomOutcome outcome = scheduleRooms(planOf(0, 1), scripted(scripts));
    EXPECT_EQ(winner(outcome), 2);
    EXPECT_EQ(outcome.rooms, 3);
    EXPECT_EQ(outcome.work, 100u + 40u + 57u);
    EXPECT_FALSE(outcome.cancelled);

    // No bound on the rooms: the forty-first room gives the level.
    std::vector<Script> late(41, {false, 1000});
    late.back() = {true, 5};
    const RoomOutcome patient = scheduleRooms(planOf(0, 1), scripted(late));
    EXPECT_EQ(winner(patient), 40);
    EXPECT_EQ(patient.work, 40'005u);

    const std::vector<Script> barren = {{false, 10}, {false, 20}};
    const RoomOutcome empty = scheduleRooms(planOf(2, 1), scripted(barren));
    EXPECT_FALSE(empty.found);
    EXPECT_EQ(empty.rooms, 2);
    EXPECT_EQ(empty.work, 30u);
}

TEST(RoomSchedule, SeveralThreadsSettleAsOneDoes)
{
    std::mt19937 dice(7);
    for (int trial = 0; trial < 150; ++trial) {
        std::vector<Script> scripts(12);
        for (Script& s : scripts)
            s = {dice() % 6 == 0, dice() % 400};
        scripts.back().found = true;
        const RoomPlan plan = planOf(0, 1);
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
    const ClimbRoom climb = [&](int room, const RoomWatch& watch) {
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
    const RoomOutcome outcome = scheduleRooms(planOf(0, 2), climb);
    EXPECT_EQ(winner(outcome), 0);
    EXPECT_TRUE(second_stopped);
    EXPECT_EQ(outcome.work, 5u);
}

TEST(RoomSchedule, CancelEndsItOnAnyNumberOfThreads)
{
    for (int threads : {1, 3}) {
        std::atomic<bool> cancel{false};
        int climbs = 0;
        const ClimbRoom climb = [&](int, const RoomWatch& watch) {
            ++climbs;
            cancel = true;
            RoomClimb result;
            result.stopped = watch.stop();
            return result;
        };
        const RoomOutcome outcome = scheduleRooms(planOf(0, threads, &cancel), climb);
        EXPECT_TRUE(outcome.cancelled);
        EXPECT_FALSE(outcome.found);
        EXPECT_LE(climbs, threads);
    }
    std::atomic<bool> cancelled_before{true};
    int climbs = 0;
    const RoomOutcome outcome = scheduleRooms(planOf(0, 1, &cancelled_before), [&](int, const RoomWatch& w) {
        ++climbs;
        RoomClimb result;
        result.stopped = w.stop();
        return result;
    });
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_LE(climbs, 1);
}

TEST(RoomSchedule, ProgressRisesTowardsFullAndNeverFalls)
{
    // Half full after the typical work, and still short of full however long it takes.
    for (int threads : {1, 3}) {
        std::vector<double> reports;
        std::mutex reported;
        const ClimbRoom climb = [](int room, const RoomWatch& watch) {
            RoomClimb result;
            for (std::size_t work = 0; work <= 300; work += 10)
                watch.spent(work);
            result.work = 300;
            if (room == 9)
                result.found = Forged{{"9"}, {}};
            return result;
        };
        RoomPlan plan = planOf(0, threads);
        plan.typical = 1500;
        plan.progress = [&](double share) {
            std::lock_guard lock(reported);
            reports.push_back(share);
        };
        const RoomOutcome outcome = scheduleRooms(plan, climb);
        EXPECT_EQ(winner(outcome), 9);
        ASSERT_FALSE(reports.empty());
        EXPECT_TRUE(std::ranges::is_sorted(reports));
        EXPECT_GT(reports.front(), 0.0);
        EXPECT_LT(reports.back(), 1.0);
        EXPECT_GE(reports.back(), 0.7);  // 3000 of work: three quarters
        EXPECT_LE(reports.size(), 201u);
    }
}

} // namespace
} // namespace kelvaro::forge

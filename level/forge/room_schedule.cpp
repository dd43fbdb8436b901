// SPDX-License-Identifier: GPL-3.0-or-later
// Settling rooms in order, whichever thread climbed them and however far ahead.
#include "level/forge/room_schedule.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace kelvaro::forge {
namespace {

// The outcome of the rooms settled so far, as if they were climbed one by one.
class Ledger {
public:
    explicit Ledger(const RoomPlan& plan) : plan_(plan) {}

    void settle(const RoomClimb& climb)
    {
        ++outcome_.rooms;
        outcome_.work += climb.work;
        outcome_.found = climb.found;
        done_ = climb.found || outcome_.rooms == plan_.rooms;
    }

    bool done() const { return done_; }
    std::size_t spent() const { return outcome_.work; }
    RoomOutcome outcome() const { return outcome_; }

private:
    const RoomPlan& plan_;
    RoomOutcome outcome_;
    bool done_ = false;
};

// Tells the caller how far the forge is, a few hundred times at most.
class ProgressReport {
public:
    explicit ProgressReport(const RoomPlan& plan)
        : report_(plan.progress), typical_(static_cast<double>(std::max<std::size_t>(plan.typical, 1)))
    {
    }

    void spent(std::size_t work)
    {
        const double share = 1.0 - std::exp2(-static_cast<double>(work) / typical_);
        if (report_ && share >= last_ + 0.005) {
            last_ = share;
            report_(share);
        }
    }

private:
    const std::function<void(double)>& report_;
    double typical_;
    double last_ = 0;
};

RoomOutcome cancelledOutcome()
{
    RoomOutcome outcome;
    outcome.cancelled = true;
    return outcome;
}

bool cancelled(const RoomPlan& plan) { return plan.cancel && plan.cancel->load(std::memory_order_relaxed); }

RoomOutcome oneByOne(const RoomPlan& plan, const ClimbRoom& climb)
{
    Ledger ledger(plan);
    ProgressReport progress(plan);
    const RoomWatch watch{[&] { return cancelled(plan); }, [&](std::size_t work) { progress.spent(ledger.spent() + work); }};
    for (int room = 0; !ledger.done(); ++room) {
        const RoomClimb climbed = climb(room, watch);
        if (climbed.stopped || cancelled(plan))
            return cancelledOutcome();
        ledger.settle(climbed);
    }
    return ledger.outcome();
}

// Threads take rooms in order and the ledger settles the finished rooms in order.
class Crew {
public:
    Crew(const RoomPlan& plan, const ClimbRoom& climb) : plan_(plan), climb_(climb), ledger_(plan), progress_(plan) {}

    RoomOutcome run()
    {
        std::vector<std::thread> helpers;
        for (int i = 1; i < plan_.threads; ++i)
            helpers.emplace_back([this] { work(); });
        work();
        for (std::thread& helper : helpers)
            helper.join();
        if (cancelled(plan_))
            return cancelledOutcome();
        return ledger_.outcome();
    }

private:
    // Whether a room can still change the outcome: not after the forge is settled, nor
    // after a room that found a level.
    bool matters(int room) const { return !settled_.load() && room <= first_found_.load(); }

    bool beyondPlan(int room) const { return plan_.rooms > 0 && room >= plan_.rooms; }

    void work()
    {
        for (;;) {
            int room;
            {
                std::lock_guard lock(mutex_);
                room = next_++;
                live_[room] = 0;
            }
            if (beyondPlan(room) || !matters(room) || cancelled(plan_))
                return forget(room);
            const RoomWatch watch{[&] { return cancelled(plan_) || !matters(room); },
                                  [&](std::size_t work) { spent(room, work); }};
            RoomClimb climbed = climb_(room, watch);
            std::lock_guard lock(mutex_);
            live_.erase(room);
            if (climbed.stopped)
                continue;
            if (climbed.found)
                first_found_.store(std::min(first_found_.load(), room));
            climbs_.emplace(room, std::move(climbed));
            for (auto next = climbs_.find(settled_rooms_); !ledger_.done() && next != climbs_.end();
                 next = climbs_.find(settled_rooms_)) {
                ledger_.settle(next->second);
                climbs_.erase(next);
                ++settled_rooms_;
            }
            settled_.store(ledger_.done());
            reportWork();
        }
    }

    void forget(int room)
    {
        std::lock_guard lock(mutex_);
        live_.erase(room);
    }

    void spent(int room, std::size_t work)
    {
        std::lock_guard lock(mutex_);
        live_[room] = work;
        reportWork();
    }

    // The work of every room so far, settled, finished out of turn or under way; under the lock.
    void reportWork()
    {
        std::size_t all = ledger_.spent();
        for (const auto& [_, w] : live_)
            all += w;
        for (const auto& [_, climbed] : climbs_)
            all += climbed.work;
        progress_.spent(all);
    }

    const RoomPlan& plan_;
    const ClimbRoom& climb_;
    std::mutex mutex_;
    Ledger ledger_;
    ProgressReport progress_;
    std::map<int, RoomClimb> climbs_;    // finished, not yet settled
    std::map<int, std::size_t> live_;    // work of the rooms being climbed
    int next_ = 0;
    int settled_rooms_ = 0;
    std::atomic<bool> settled_{false};
    std::atomic<int> first_found_{std::numeric_limits<int>::max()};
};

} // namespace

RoomOutcome scheduleRooms(const RoomPlan& plan, const ClimbRoom& climb)
{
    if (plan.threads <= 1)
        return oneByOne(plan, climb);
    return Crew(plan, climb).run();
}

} // namespace kelvaro::forge

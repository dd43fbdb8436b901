// SPDX-License-Identifier: GPL-3.0-or-later
// Settling rooms in order, whichever thread climbed them and however far ahead.
#include "level/forge/room_schedule.h"

#include <algorithm>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

namespace kelvaro::forge {
namespace {

// The outcome of the rooms settled so far, as if they were climbed one by one.
class Ledger {
public:
    explicit Ledger(const RoomPlan& plan) : plan_(plan) {}

    // Takes the next room's climb. A room that found its level within what was left wins;
    // one that reached what was left (before or while finding one) ends the forge empty.
    void settle(const RoomClimb& climb)
    {
        const std::size_t allowance = plan_.budget - outcome_.work;
        ++outcome_.rooms;
        if (climb.found && climb.started_last < allowance) {
            outcome_.work += climb.work;
            outcome_.found = climb.found;
            done_ = true;
        } else if (climb.found || climb.exhausted || climb.work >= allowance) {
            outcome_.work = plan_.budget;
            done_ = true;
        } else {
            outcome_.work += climb.work;
            done_ = outcome_.rooms == plan_.rooms;
        }
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
    explicit ProgressReport(const std::function<void(double)>& report, std::size_t budget)
        : report_(report), budget_(static_cast<double>(std::max<std::size_t>(budget, 1)))
    {
    }

    void spent(std::size_t work)
    {
        const double share = std::min(1.0, static_cast<double>(work) / budget_);
        if (report_ && share >= last_ + 0.005) {
            last_ = share;
            report_(share);
        }
    }

private:
    const std::function<void(double)>& report_;
    double budget_;
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
    ProgressReport progress(plan.progress, plan.budget);
    const RoomWatch watch{[&] { return cancelled(plan); }, [&](std::size_t work) { progress.spent(ledger.spent() + work); }};
    for (int room = 0; !ledger.done(); ++room) {
        const RoomClimb climbed = climb(room, plan.budget - ledger.spent(), watch);
        if (climbed.stopped || cancelled(plan))
            return cancelledOutcome();
        ledger.settle(climbed);
    }
    return ledger.outcome();
}

// Threads take rooms in order; each climbs with the whole budget, since what the rooms
// before it spend is not known yet, and the ledger settles the finished rooms in order.
class Crew {
public:
    Crew(const RoomPlan& plan, const ClimbRoom& climb)
        : plan_(plan), climb_(climb), ledger_(plan), progress_(plan.progress, plan.budget),
          climbs_(static_cast<std::size_t>(plan.rooms)), live_(static_cast<std::size_t>(plan.rooms), 0)
    {
    }

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

    void work()
    {
        for (;;) {
            int room;
            {
                std::lock_guard lock(mutex_);
                room = next_++;
            }
            if (room >= plan_.rooms || !matters(room) || cancelled(plan_))
                return;
            const RoomWatch watch{[&] { return cancelled(plan_) || !matters(room); },
                                  [&](std::size_t work) { spent(room, work); }};
            RoomClimb climbed = climb_(room, plan_.budget, watch);
            std::lock_guard lock(mutex_);
            if (climbed.stopped)
                continue;
            if (climbed.found)
                first_found_.store(std::min(first_found_.load(), room));
            climbs_[static_cast<std::size_t>(room)] = std::move(climbed);
            while (!ledger_.done() && settled_rooms_ < plan_.rooms && climbs_[static_cast<std::size_t>(settled_rooms_)])
                ledger_.settle(*climbs_[static_cast<std::size_t>(settled_rooms_++)]);
            settled_.store(ledger_.done());
        }
    }

    void spent(int room, std::size_t work)
    {
        std::lock_guard lock(mutex_);
        live_[static_cast<std::size_t>(room)] = work;
        std::size_t all = 0;
        for (std::size_t w : live_)
            all += w;
        progress_.spent(std::min(all, plan_.budget));
    }

    const RoomPlan& plan_;
    const ClimbRoom& climb_;
    std::mutex mutex_;
    Ledger ledger_;
    ProgressReport progress_;
    std::vector<std::optional<RoomClimb>> climbs_;
    std::vector<std::size_t> live_;
    int next_ = 0;
    int settled_rooms_ = 0;
    std::atomic<bool> settled_{false};
    std::atomic<int> first_found_{std::numeric_limits<int>::max()};
};

} // namespace

RoomOutcome scheduleRooms(const RoomPlan& plan, const ClimbRoom& climb)
{
    if (plan.rooms <= 0)
        return {};
    if (plan.threads <= 1)
        return oneByOne(plan, climb);
    return Crew(plan, climb).run();
}

} // namespace kelvaro::forge

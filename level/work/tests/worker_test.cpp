// SPDX-License-Identifier: GPL-3.0-or-later
// The worker thread: answers reach the owner's thread only, a cancel is heard by the job under way, close joins.
#include "level/work/worker.h"
#include "level/work/tests/owner_loop.h"

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <thread>
#include <vector>

namespace kelvaro::testing {
namespace {

// A job is a name; "hold" jobs wait for their stop flag before they end.
struct Probe {
    std::promise<void> held;             // kept once a "hold" job runs
    std::atomic<bool> heard_stop{false}; // a "hold" job saw its flag
    std::atomic<bool> ended{false};      // the last job run has returned
    std::thread::id worker_thread;
    std::vector<std::string> answers;    // on the owner's thread only
    std::vector<std::thread::id> answered_on;

    Worker<std::string>::Run run()
    {
        return [this](std::string& name, const JobTicket& ticket) {
            ended = false;
            worker_thread = std::this_thread::get_id();
            if (name == "hold") {
                held.set_value();
                while (!ticket.stopped())
                    std::this_thread::yield();
                heard_stop = true;
            }
            ticket.answer([this, name] {
                answers.push_back(name);
                answered_on.push_back(std::this_thread::get_id());
            });
            ended = true;
        };
    }
};

TEST(Worker, AnswersInTurnOnTheOwnersThread)
{
    OwnerLoop loop;
    Probe probe;
    Worker<std::string> worker(loop.post(), probe.run());
    for (const char* name : {"one", "two", "three"})
        worker.submit(name);
    loop.runUntil([&] { return probe.answers.size() == 3; });
    EXPECT_EQ(probe.answers, (std::vector<std::string>{"one", "two", "three"}));
    for (std::thread::id id : probe.answered_on)
        EXPECT_EQ(id, std::this_thread::get_id());
    EXPECT_NE(probe.worker_thread, std::this_thread::get_id());
}

TEST(Worker, ACancelIsHeardByTheJobUnderWayAndNoCancelledJobAnswers)
{
    OwnerLoop loop;
    Probe probe;
    Worker<std::string> worker(loop.post(), probe.run());
    worker.submit("hold");
    worker.submit("waiting");
    probe.held.get_future().wait();
    worker.cancelAll();
    worker.submit("after");
    loop.runUntil([&] { return !probe.answers.empty(); });
    EXPECT_TRUE(probe.heard_stop);
    EXPECT_EQ(probe.answers, std::vector<std::string>{"after"});
}

TEST(Worker, TheNewestJobCancelsTheOnesBeforeIt)
{
    OwnerLoop loop;
    Probe probe;
    Worker<std::string> worker(loop.post(), probe.run(), Worker<std::string>::Keep::newest_job);
    worker.submit("hold");
    probe.held.get_future().wait();
    worker.submit("overtaken");
    worker.submit("newest");
    loop.runUntil([&] { return !probe.answers.empty(); });
    EXPECT_TRUE(probe.heard_stop);
    EXPECT_EQ(probe.answers, std::vector<std::string>{"newest"});
}

TEST(Worker, ClosingStopsTheJobUnderWayJoinsAndDropsItsAnswers)
{
    OwnerLoop loop;
    Probe probe;
    {
        Worker<std::string> worker(loop.post(), probe.run());
        worker.submit("finished");
        loop.runUntil([&] { return !probe.answers.empty(); });
        worker.submit("hold");
        probe.held.get_future().wait();
    }
    // Joined: the job has returned, and what it posted on its way out does nothing.
    EXPECT_TRUE(probe.heard_stop);
    EXPECT_TRUE(probe.ended);
    loop.runPosted();
    EXPECT_EQ(probe.answers, std::vector<std::string>{"finished"});
}

} // namespace
} // namespace kelvaro::testing

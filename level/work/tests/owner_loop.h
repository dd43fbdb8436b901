// SPDX-License-Identifier: GPL-3.0-or-later
// The owner's event loop, played by a test's thread: posted tasks wait here until it runs them.
#pragma once

#include "level/work/worker.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace kelvaro::testing {

struct OwnerLoop {
    std::mutex mutex;
    std::condition_variable posted;
    std::deque<std::function<void()>> tasks;

    PostToOwner post()
    {
        return [this](std::function<void()> task) {
            std::lock_guard lock(mutex);
            tasks.push_back(std::move(task));
            posted.notify_all();
        };
    }
    // Runs the tasks handed over, waiting for more until `enough` says so.
    void runUntil(const std::function<bool()>& enough)
    {
        while (!enough()) {
            std::unique_lock lock(mutex);
            posted.wait(lock, [this] { return !tasks.empty(); });
            std::function<void()> task = std::move(tasks.front());
            tasks.pop_front();
            lock.unlock();
            task();
        }
    }
    // Runs what is posted already, as a loop does once its owner has gone.
    void runPosted()
    {
        std::unique_lock lock(mutex);
        std::deque<std::function<void()>> now = std::move(tasks);
        tasks.clear();
        lock.unlock();
        for (auto& task : now)
            task();
    }
};

} // namespace kelvaro::testing

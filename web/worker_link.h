// SPDX-License-Identifier: GPL-3.0-or-later
// The way from the page's ports to a worker of their own: jobs as text out, answers as text back.
#pragma once

#include <string>

namespace kelvaro {

// The browser's is a Web Worker running a module of its own (web/js_worker_link.h).
class WorkerLink {
public:
    virtual ~WorkerLink() = default;
    // Hands the worker a job's text; its answers come back to the port that posted it.
    virtual void post(const std::string& job) = 0;
    // Ends the worker with the work it runs and starts a fresh one: work cannot hear a cancel
    // while it runs, as the worker shares no memory with the page.
    virtual void restart() = 0;
};

} // namespace kelvaro

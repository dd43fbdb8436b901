// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's way to a port's worker: a Web Worker the page starts (web/library_workers.js).
#pragma once

#include "web/worker_link.h"

namespace kelvaro {

class JsWorkerLink : public WorkerLink {
public:
    // `name` names the worker's module, kelvaro_NAME.js beside the page, and its answers'
    // way back (kel_worker_answer).
    explicit JsWorkerLink(const char* name) : name_(name) {}

    void post(const std::string& job) override;
    void restart() override;
    // Loads the worker soon, once the page has shown the game, before its first job needs it.
    void prepare();

private:
    const char* name_;
};

} // namespace kelvaro

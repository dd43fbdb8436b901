// SPDX-License-Identifier: GPL-3.0-or-later
// The forge port of the page: one puzzle at a time forged in a worker, its progress and outcome handed back on the page's thread.
#pragma once

#include "game/ports/forge_port.h"
#include "web/worker_link.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kelvaro {

// A new request cancels the one under way, as the desktop's worker does: a forge cannot hear a
// cancel while it runs, so its worker ends with it, and what still comes for it is dropped by
// its number.
class WebForge : public ForgePort {
public:
    explicit WebForge(WorkerLink& link) : link_(link) {}

    void forge(ForgeRequest request, std::function<void(double share)> progress,
               std::function<void(const forge::ForgeOutcome&)> done) override;
    void cancel() override;

    // A report of the worker, on the page's thread: the progress or outcome of the forge under
    // way is handed over. Whether it was.
    bool answer(const std::string& text);
    // The worker failed: the forge under way finds no level.
    void failed();

    bool busy() const { return running_.has_value(); }

private:
    struct Job {
        std::uint32_t id;
        std::function<void(double)> progress;
        std::function<void(const forge::ForgeOutcome&)> done;
    };
    void finish(const forge::ForgeOutcome& outcome);

    WorkerLink& link_;
    std::uint32_t next_id_ = 1;
    std::optional<Job> running_;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// A puzzle to forge in the forge's worker module, its progress and its outcome, as the plain text the page's worker passes on.
#pragma once

#include "game/ports/forge_port.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace kelvaro {

struct ForgeJob {
    std::uint32_t id = 0;
    ForgeRequest request;
};

// "forge ID code GRADE SEED" or "forge ID day YEAR MONTH DAY".
std::string forgeJobText(const ForgeJob& job);
std::optional<ForgeJob> parseForgeJob(const std::string& text);

// What the worker reports on a job: the share of the budget spent, then the outcome. The
// outcome carries what the window plays, the level and its code, and the shortest solution's
// length for the par; the moves and the depth the forge judged it by stay in the worker.
struct ForgeReport {
    std::uint32_t id = 0;
    std::variant<double, forge::ForgeOutcome> what;
};

// "progress ID SHARE", the share in ten-thousandths.
std::string progressText(std::uint32_t id, double share);
// "forged ID 1 GRADE SEED WORK ROOMS PAR POSITION" (PAR 0: not known) (the position as putPosition writes it), or
// "forged ID 0 FAILURE WORK ROOMS".
std::string outcomeText(std::uint32_t id, const forge::ForgeOutcome& outcome);
std::optional<ForgeReport> parseForgeReport(const std::string& text);

// What the worker does with a job's text: forges it on its one thread, handing `report` each
// progress text, and answers with the outcome's; nothing for text that is not a job.
std::optional<std::string> answerForgeJob(const std::string& text, const std::function<void(const std::string&)>& report);

} // namespace kelvaro

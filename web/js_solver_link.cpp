// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's worker through the page's script.
#include "web/js_solver_link.h"

extern "C" {
void kelvaro_solver_post(const char* job);
void kelvaro_solver_restart();
void kelvaro_solver_prepare();
}

namespace kelvaro {

void JsSolverLink::post(const std::string& job) { kelvaro_solver_post(job.c_str()); }
void JsSolverLink::restart() { kelvaro_solver_restart(); }
void JsSolverLink::prepare() { kelvaro_solver_prepare(); }

} // namespace kelvaro

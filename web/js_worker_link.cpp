// SPDX-License-Identifier: GPL-3.0-or-later
// A port's worker through the page's script.
#include "web/js_worker_link.h"

extern "C" {
void kelvaro_worker_post(const char* name, const char* job);
void kelvaro_worker_restart(const char* name);
void kelvaro_worker_prepare(const char* name);
}

namespace kelvaro {

void JsWorkerLink::post(const std::string& job) { kelvaro_worker_post(name_, job.c_str()); }
void JsWorkerLink::restart() { kelvaro_worker_restart(name_); }
void JsWorkerLink::prepare() { kelvaro_worker_prepare(name_); }

} // namespace kelvaro

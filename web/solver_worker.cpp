// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's own module, run in a Web Worker beside the page: a job's text in, its answer's text out.
#include "web/solver_job.h"

#include <emscripten.h>

#include <string>

extern "C" {

// The answer to the job, bounded by the worker's own clock; an empty text for what is not a
// job. Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kel_work(const char* job)
{
    static std::string answer;
    answer = kelvaro::answerJob(job, [] { return emscripten_get_now(); }).value_or(std::string());
    return answer.c_str();
}
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The forge's own module, run in a Web Worker beside the page: a puzzle's request in, its progress posted as it goes, its outcome out.
#include "web/forge_job.h"

#include <emscripten.h>

#include <string>

extern "C" {

// Valid until the next call; an empty text for what is not a job.
EMSCRIPTEN_KEEPALIVE const char* kel_work(const char* job)
{
    static std::string answer;
    answer = kelvaro::answerForgeJob(job, [](const std::string& progress) {
                 EM_ASM({ postMessage(UTF8ToString($0)); }, progress.c_str());
             }).value_or(std::string());
    return answer.c_str();
}
}

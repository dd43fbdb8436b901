// SPDX-License-Identifier: GPL-3.0-or-later
// The worker thread's lower priority, the one piece of it that asks the system.
#include "level/work/worker.h"

#include <sys/resource.h>
#include <unistd.h>

namespace kelvaro {

void lowerThreadPriority()
{
    // On Linux a thread has its own nice value: this one alone yields to the owner's thread.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// For the Qt tests of both programs: waiting for what a worker or Qt posts back, however long it takes.
#pragma once

#include <QCoreApplication>
#include <QEventLoop>

namespace kelvaro {

// Handles events until `holds()` is true. What a test waits for arrives as an event, so
// this waits for the state itself and never for a time: a busy machine only makes it later.
template <typename Condition>
void waitUntil(Condition holds)
{
    while (!holds())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace kelvaro

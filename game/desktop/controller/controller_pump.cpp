// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the game controllers from Qt's event loop without waking it for nothing.
#include "game/desktop/controller/controller_pump.h"

#include <QDir>

namespace kelvaro {
namespace {

constexpr int kPlayInterval = 25;    // ms: as often as the play loop steps
constexpr int kOtherInterval = 100;  // ms: commands only
constexpr int kSettleReadings = 6;   // over about three seconds after a device appears
constexpr int kSettleInterval = 500;

} // namespace

ControllerPump::ControllerPump(Hooks hooks, QObject* parent) : QObject(parent), hooks_(std::move(hooks))
{
    poll_.setTimerType(Qt::PreciseTimer);
    connect(&poll_, &QTimer::timeout, this, &ControllerPump::pump);
    settle_.setInterval(kSettleInterval);
    connect(&settle_, &QTimer::timeout, this, [this] {
        pump();
        if (--settle_left_ <= 0)
            settle_.stop();
    });
    // A controller plugged in shows up as a new device node; SDL notices it when read next.
    // Watching the folder costs nothing while nothing changes, where reading SDL every so
    // often to find out would wake the program all the time.
    if (pads_.available() && QDir("/dev/input").exists()) {
        devices_.addPath("/dev/input");
        connect(&devices_, &QFileSystemWatcher::directoryChanged, this, &ControllerPump::devicesChanged);
    }
    pump();  // the controllers connected before the game started
}

void ControllerPump::devicesChanged()
{
    pump();
    settle_left_ = kSettleReadings;
    settle_.start();
}

void ControllerPump::pump()
{
    const std::vector<PadCommand> commands = pads_.poll();
    if (pads_.keys() != keys_) {
        keys_ = pads_.keys();
        if (hooks_.keys)
            hooks_.keys(keys_);
    }
    for (PadCommand command : commands)
        if (hooks_.command)
            hooks_.command(command);
    reschedule();
}

void ControllerPump::bind(const KeyBindings& pad)
{
    pads_.bind(pad);
    pump();
}

void ControllerPump::setInPlay(bool in_play)
{
    if (in_play == in_play_)
        return;
    in_play_ = in_play;
    reschedule();
}

void ControllerPump::reschedule()
{
    if (pads_.connected() == 0) {
        poll_.stop();
        return;
    }
    // Started afresh at every reading: when the window reads the controllers on its own
    // wake-ups (every step while a key is held), this timer never has to wake it as well.
    poll_.start(in_play_ ? kPlayInterval : kOtherInterval);
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the game controllers into the window: reads SDL's queue only while a controller is
// connected (or one may just have been plugged in), as often as the state of the game needs.
#pragma once

#include "game/desktop/controller/game_controllers.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

namespace kelvaro {

class ControllerPump : public QObject {
public:
    struct Hooks {
        std::function<void(const GameControllers::Keys&)> keys;  // the held keys changed
        std::function<void(PadCommand)> command;                 // a command button was pressed
    };

    explicit ControllerPump(Hooks hooks, QObject* parent = nullptr);

    // Reads what the controllers did; the timers call it, the window at each of its own
    // wake-ups while a controller is connected, and tests after acting on a virtual pad.
    void pump();
    // In play the stick and buttons are read as often as the play loop steps (25 ms);
    // otherwise only the command buttons matter, and a tenth of a second is soon enough.
    void setInPlay(bool in_play);
    // The buttons as the player bound them; the keys they held are let go.
    void bind(const KeyBindings& pad);
    int connected() const { return pads_.connected(); }
    bool polling() const { return poll_.isActive(); }

private:
    void reschedule();
    void devicesChanged();

    Hooks hooks_;
    GameControllers pads_;
    GameControllers::Keys keys_{};
    QTimer poll_;
    QTimer settle_;  // after a change in /dev/input: a few readings while the system sets the device up
    int settle_left_ = 0;
    QFileSystemWatcher devices_;
    bool in_play_ = false;
};

} // namespace kelvaro

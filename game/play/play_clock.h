// SPDX-License-Identifier: GPL-3.0-or-later
// The pause key and the window's two timers: the countdown of the level in play and the idle banner's colours.
#pragma once

#include "game/engine/engine.h"

#include <cstdint>
#include <optional>
#include <random>

namespace kelvaro {

// The sooner of two moments on the wrapping count, compared as distances from `now`.
inline std::optional<std::uint32_t> sooner(std::optional<std::uint32_t> a, std::optional<std::uint32_t> b,
                                           std::uint32_t now)
{
    if (!a || !b)
        return a ? a : b;
    return static_cast<std::int32_t>(*b - now) < static_cast<std::int32_t>(*a - now) ? b : a;
}

class PlayClock {
public:
    PlayClock(Engine& engine, Controls& controls, TickSource ticks);

    // P or p toggles the pause while a level is played and its time is not up; any other
    // character key applies the state again.
    void onCharacterKey(char key);
    // A menu or box takes the playfield: the level in play is paused.
    void pauseForBox();

    // Fires each timer that is due, calling `after` once after each tick.
    template <typename After>
    void fire(After after);
    // The earlier of the timers' next ticks, if either runs.
    std::optional<std::uint32_t> nextDue() const;

    void onBannerTick();
    void onCountdownTick();

private:
    bool fireOne(TimerControl& timer, std::uint32_t now);
    void pause();
    void goOn();

    Engine& engine_;
    Controls& controls_;
    TickSource ticks_;
    std::mt19937 rng_;
    // What was left of the countdown's second when the pause began: it goes on from there.
    std::optional<std::uint32_t> second_left_;
};

template <typename After>
void PlayClock::fire(After after)
{
    const std::uint32_t now = ticks_();
    if (fireOne(controls_.bannerTimer, now)) {
        onBannerTick();
        after();
    }
    if (fireOne(controls_.countdownTimer, now)) {
        onCountdownTick();
        after();
    }
}

} // namespace kelvaro

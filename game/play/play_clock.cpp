// SPDX-License-Identifier: GPL-3.0-or-later
// The pause key, the countdown and the idle banner.
#include "game/play/play_clock.h"
#include "game/play/window_phrases.h"

#include <algorithm>
#include <string>

namespace kelvaro {

PlayClock::PlayClock(Engine& engine, Controls& controls, TickSource ticks)
    : engine_(engine), controls_(controls), ticks_(std::move(ticks))
{
}

void PlayClock::onCharacterKey(char key)
{
    if (!engine_.playing() || engine_.timeup())
        return;
    const bool toggles = key == 'P' || key == 'p';
    if ((engine_.paused() != 0) != toggles)
        pause();
    else
        goOn();
}

void PlayClock::pauseForBox()
{
    if (engine_.playing())
        pause();
}

void PlayClock::pause()
{
    TimerControl& countdown = controls_.countdownTimer;
    if (countdown.enabled) {
        const auto left = static_cast<std::int32_t>(countdown.due - ticks_());
        second_left_ = static_cast<std::uint32_t>(std::clamp<std::int32_t>(left, 0, countdown.interval));
    }
    engine_.pause();
    controls_.pausedLabel.visible = true;
    controls_.clearWindowSurface();
    countdown.disable();
}

void PlayClock::goOn()
{
    TimerControl& countdown = controls_.countdownTimer;
    const bool was_paused = engine_.paused() != 0;
    engine_.goOn();
    controls_.pausedLabel.visible = false;
    const std::uint32_t now = ticks_();
    if (engine_.replaying())
        return;  // the countdown waits for the player to take over
    countdown.enable(now);
    if (was_paused && second_left_)
        countdown.due = now + *second_left_;
    second_left_.reset();
}

bool PlayClock::fireOne(TimerControl& timer, std::uint32_t now)
{
    if (!timer.enabled || elapsed(now, timer.due) >= 0x80000000u)
        return false;
    timer.due += timer.interval;
    if (elapsed(now, timer.due) < 0x80000000u)  // fell behind: no burst of ticks
        timer.due = now + timer.interval;
    return true;
}

std::optional<std::uint32_t> PlayClock::nextDue() const
{
    std::optional<std::uint32_t> due;
    for (const TimerControl* timer : {&controls_.bannerTimer, &controls_.countdownTimer})
        if (timer->enabled)
            due = sooner(due, timer->due, ticks_());
    return due;
}

void PlayClock::onBannerTick()
{
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const int red_part = static_cast<int>(uniform(rng_) * 255);
    const int green_part = static_cast<int>(uniform(rng_) * 255);
    const int blue_part = static_cast<int>(uniform(rng_) * 255);
    controls_.bannerLabel.colour = 0xff000000u | static_cast<Pixel>(red_part << 16 | green_part << 8 | blue_part);
}

void PlayClock::onCountdownTick()
{
    const int left = engine_.tickCountdown();
    controls_.timeLabel.caption = timeCaption(left);
    if (left < 1)
        controls_.countdownTimer.disable();
}

} // namespace kelvaro

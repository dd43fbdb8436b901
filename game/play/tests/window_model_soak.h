// SPDX-License-Identifier: GPL-3.0-or-later
// A randomized run of the main window on the fakes that checks, after every step, what must always hold.
#pragma once

#include "game/play/tests/window_model_fakes.h"

#include <random>

namespace kelvaro {

struct SoakReport {
    long steps = 0, advances = 0, starts = 0, animations = 0, pushes = 0, wins = 0, losses = 0, boxes = 0;
    long quits = 0;
    long lost_signs = 0, hints = 0;
    long violations = 0;
    std::vector<std::string> first_violations;  // with the step and the state they were seen in
};

class Soak {
public:
    explicit Soak(std::uint32_t seed) : rng_(seed)
    {
        // Many small levels, one large start effect, a level won at once, a second jewel, things in
        // the outer ring, a level too small and one too wide, and limits from the lowest to a few seconds.
        const std::vector<std::vector<std::string>> drawings = {
            {"#########", "##@*G..##", "##.o.o.##", "##..7..##", "#########"},
            {"##########", "##..o..o##", "##.@o.*G##", "##..o...##", "##########"},
            {"#######", "o@.*.G#", "#.o..o#", "#######"},
            {"######", "##@!##", "######"},
            {"########", "##@*J.G#", "##o..o.#", "########"},
            {"##*##", "##@##", "#G.o#", "##o##"},
            {"###########", "##.o.o.o.##", "##o.@.o..##", "##.o.*.o.##", "##..o..G.##", "###########"},
            {"@!"},  // no inner cell at all
            {std::string(40, '#'), "##@..o...*" + std::string(28, '.') + "G#", std::string(40, '#')},  // wider than the window
        };
        for (int n = 1; n <= 50; ++n) {
            const std::int16_t time = n == 17 ? -32768 : static_cast<std::int16_t>(n % 9 * 5 - 1);
            if (n % 13 == 0)
                continue;  // missing
            if (n == 44)
                rig_.levels.damage(n, LevelError{LevelError::Kind::early_end, 40, plainText("the file ends early")});
            else if (n == 20)
                rig_.levels.add(n, framedLevel(15, 15, 4));
            else
                rig_.levels.add(n, levelFrom(drawings[static_cast<std::size_t>(n) % drawings.size()], time));
        }
    }

    SoakReport run(long steps)
    {
        for (report_.steps = 0; report_.steps < steps; ++report_.steps) {
            const std::uint64_t frame_before = rig_.controls.windowSurfaceVersion;
            const bool idle_before = rig_.engine.phase() == Engine::Phase::idle;
            const bool input = act();
            pass();
            if (idle_before && !input && rig_.controls.windowSurfaceVersion != frame_before)
                fail("the window was drawn with no run alive");
            check();
        }
        report_.starts = rig_.levels.loaded;
        report_.pushes = rig_.sound.count("moving");
        report_.boxes = static_cast<long>(rig_.dialogs.opened.size());
        report_.quits = rig_.quits;
        return report_;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    // One thing a person might do; true when it reached the window.
    bool act()
    {
        if (rig_.dialogs.isOpen()) {
            if (!chance(0.3))
                return false;
            static const char* const answers[] = {"", "0", "51", "abc", "0.5", "7.9", "13", "44", "20", "17"};
            std::string text = rig_.dialogs.current().kind == FakeDialogs::Kind::confirm
                                   ? (chance(0.5) ? "yes" : "no")
                                   : (chance(0.5) ? std::to_string(1 + pick(50)) : answers[pick(10)]);
            rig_.dialogs.answer(text);
            return true;
        }
        if (chance(0.3)) {
            // Mostly one arrow, with or without Ctrl; now and then any mixture.
            const bool mixture = chance(0.3);
            const int arrow = pick(5);
            for (Key key : {Key::left, Key::right, Key::up, Key::down, Key::ctrl}) {
                const bool down = key == Key::ctrl || mixture ? chance(0.5) : static_cast<int>(key) == arrow;
                down ? rig_.keys.hold({key}) : rig_.keys.release(key);
            }
        }
        if (chance(0.08)) {
            rig_.model.onCharacterKey("PpPpxq7 \bUuHh"[pick(13)]);
            return true;
        }
        if (chance(0.04)) {
            if (const std::optional<Command> command = someCommand()) {
                rig_.model.post(*command);
                return true;
            }
        }
        return false;
    }

    // A menu item that is enabled or a button that is shown, as a person could choose it.
    std::optional<Command> someCommand()
    {
        const Controls& k = rig_.controls;
        const std::pair<Command, bool> offered[] = {
            {Command::newGameItem, true},          {Command::newGameItem, true},          {Command::endGameItem, k.endGameItem.enabled},
            {Command::restartLevelItem, k.restartLevelItem.enabled}, {Command::exitItem, chance(0.2)}, {Command::soundItem, chance(0.5)},
            {Command::helpItem, true},          {Command::aboutItem, true},          {Command::nextButton, k.nextButton.visible},
            {Command::nextButton, k.nextButton.visible}, {Command::abortButton, k.abortButton.visible},
            {Command::retryButton, k.retryButton.visible}, {Command::retryButton, k.retryButton.visible},
            {Command::hintItem, true},
        };
        const auto& [command, available] = offered[pick(static_cast<int>(std::size(offered)))];
        return available ? std::optional<Command>(command) : std::nullopt;
    }

    // Time passes: either the shell keeps every appointment, or it comes late and all at once.
    void pass()
    {
        const int kind = pick(10);
        const std::uint32_t ms = kind < 6 ? pick(31) : kind < 9 ? 30 + pick(270) : 300 + pick(1200);
        if (chance(0.5)) {
            const std::uint32_t end = rig_.clock.now + ms;
            for (int guard = 0; guard < 100000; ++guard) {
                const std::optional<std::uint32_t> due = rig_.model.nextDue();
                const bool in_time = due && static_cast<std::int32_t>(*due - end) <= 0;
                if (in_time && static_cast<std::int32_t>(*due - rig_.clock.now) > 0)
                    rig_.clock.now = *due;
                if (!in_time)
                    rig_.clock.now = end;
                advanceOnce();
                if (!in_time)
                    return;
            }
            fail("the window never settles");
            return;
        }
        rig_.clock.now += ms;
        advanceOnce();
        for (int guard = 0; guard < 50; ++guard) {
            const std::optional<std::uint32_t> due = rig_.model.nextDue();
            if (!due || static_cast<std::int32_t>(*due - rig_.clock.now) > 0)
                return;
            advanceOnce();
        }
    }

    void advanceOnce()
    {
        const bool animating = rig_.engine.phase() == Engine::Phase::animating;
        rig_.model.advance();
        ++report_.advances;
        report_.animations += !animating && rig_.engine.phase() == Engine::Phase::animating;
        watchPacing();
        watchOutcomes();
    }

    // Steps and frames at least 25 ms apart within one run.
    void watchPacing()
    {
        const Engine& e = rig_.engine;
        if (e.lasttick() == lasttick_)
            return;
        if (lasttick_run_ == rig_.levels.loaded && e.lasttick() - lasttick_ < 25)
            fail("a step or frame " + std::to_string(e.lasttick() - lasttick_) + " ms after the last");
        lasttick_ = e.lasttick();
        lasttick_run_ = rig_.levels.loaded;
    }

    // Each run ends at most once, with the outcome its own state calls for.
    void watchOutcomes()
    {
        const Controls& k = rig_.controls;
        const Engine& e = rig_.engine;
        const long sounds = rig_.sound.count("win") + rig_.sound.count("lose");
        if (sounds != outcome_sounds_) {
            if (outcome_run_ == rig_.levels.loaded)
                fail("a second outcome for one run");
            outcome_run_ = rig_.levels.loaded;
            outcome_sounds_ = sounds;
        }
        if (k.winnerLabel.visible && !won_) {
            ++report_.wins;
            if (e.jewelx() != e.goalx() || e.jewely() != e.goaly())
                fail("WINNER! without the jewel on the goal");
        }
        if (k.gameOverLabel.visible && !lost_) {
            ++report_.losses;
            if (!e.timeup())
                fail("GAME OVER without the time being up");
        }
        won_ = k.winnerLabel.visible;
        lost_ = k.gameOverLabel.visible;
    }

    void check()
    {
        const Controls& k = rig_.controls;
        const Engine& e = rig_.engine;
        if (e.paused() > 1)
            fail("paused is " + std::to_string(e.paused()));
        if (rig_.dialogs.stacked)
            fail("a box opened over another");
        if (rig_.levels.loaded > 0)
            checkGrid();
        if (k.countdownTimer.enabled && (!e.playing() || e.timeup()))
            fail("the countdown runs with no level in play or after it ran out");
        if (rig_.engine.phase() != Engine::Phase::idle && !e.timeup() &&
            english(k.timeLabel.caption) != "TIME : " + std::to_string(e.timeleft()))
            fail("the TIME read-out is not the time left");
        // The banner timer itself may run on: Next or Retry left on show by a failed start lead into play without New game.
        if (k.bannerLabel.visible && e.playing())
            fail("the idle banner shows during play");
        if (e.playing() && rig_.engine.phase() != Engine::Phase::idle && k.pausedLabel.visible != (e.paused() == 1))
            fail("GAME PAUSED does not match the pause");
        checkOutcomeControls();
        checkAid();
        if (rig_.inSpiral())
            checkSpiralShowsOnlyTiles();
    }

    void checkGrid()
    {
        const Engine& e = rig_.engine;
        if (!e.maze().contains(e.playerx(), e.playery()) || e.maze().at(e.playerx(), e.playery()) != blank)
            fail("the player is not on a blank cell");
        auto jewelsIn = [](const Grid<std::uint8_t>& maze) {
            return std::count(maze.cells().begin(), maze.cells().end(), std::uint8_t{jewel});
        };
        if (loaded_seen_ != rig_.levels.loaded) {
            loaded_seen_ = rig_.levels.loaded;
            one_jewel_ = jewelsIn(rig_.levels.files.at(rig_.levels.last).value().maze) == 1;
        }
        const long jewels = jewelsIn(e.maze());
        if (one_jewel_ && (jewels != 1 || e.maze().at(e.jewelx(), e.jewely()) != jewel))
            fail("the jewel is not one cell at (jewelx, jewely)");
    }

    void checkOutcomeControls()
    {
        const Controls& k = rig_.controls;
        const bool running = rig_.engine.phase() != Engine::Phase::idle;
        const bool lost = k.gameOverLabel.visible;
        if (lost != k.retryButton.visible || lost != k.sadPicture.visible)
            fail("GAME OVER, Retry and the sad figure apart");
        if (k.nextButton.visible && !k.winnerLabel.visible)
            fail("Next without WINNER!");
        if (k.abortButton.visible != (k.nextButton.visible || k.retryButton.visible))
            fail("Abort alone or missing");
        if (k.winnerLabel.visible && lost)
            fail("won and lost at once");
        if (running && (k.winnerLabel.visible || lost || k.nextButton.visible || k.abortButton.visible))
            fail("an outcome display during a run");
        if (running && !(k.endGameItem.enabled && k.restartLevelItem.enabled))
            fail("End game or Restart level disabled during a run");
        if ((k.nextButton.visible || lost) && (k.endGameItem.enabled || k.restartLevelItem.enabled))
            fail("End game or Restart level enabled after the outcome");
    }

    // The lost sign only on a position the solver proves lost, and only in play; the hint only in play.
    void checkAid()
    {
        const Controls& k = rig_.controls;
        const Engine& e = rig_.engine;
        if (k.lostMarkLabel.visible && !e.playing())
            fail("the lost sign with no level in play");
        if (k.hintOutline.visible && (!e.playing() || e.paused() || rig_.dialogs.isOpen()))
            fail("a hint outlined out of play");
        report_.hints += k.hintOutline.visible && !hint_shown_;
        hint_shown_ = k.hintOutline.visible;
        if (k.lostMarkLabel.visible && !lost_sign_) {
            ++report_.lost_signs;
            const GameLevel here{e.maze(), e.jewelx(), e.jewely(), e.goalx(), e.goaly(), e.playerx(), e.playery(), e.timeleft()};
            if (solve(here).verdict != Verdict::unsolvable)
                fail("the lost sign on a position that can be won");
        }
        lost_sign_ = k.lostMarkLabel.visible;
    }

    // While the start effect runs, the window holds READY! tiles or nothing: a frame of a
    // replaced run would show cell pictures.
    void checkSpiralShowsOnlyTiles()
    {
        const Engine& e = rig_.engine;
        for (int y = 0; y <= std::min<int>(e.maxy(), 15); ++y)
            for (int x = 0; x <= std::min<int>(e.maxx(), 22); ++x) {
                const Pixel p = cellColour(rig_.controls.windowSurface, x, y);
                if (p != black && p != colour::ready) {
                    fail("a picture on the window during the start effect");
                    return;
                }
            }
    }

    void fail(const std::string& what)
    {
        if (++report_.violations <= 10)
            report_.first_violations.push_back("step " + std::to_string(report_.steps) + ": " + what + " [" +
                                               summary(rig_) + "]");
    }

    WindowModelRig rig_{0xfffc0000u};  // the tick count wraps after about four minutes of play
    std::mt19937 rng_;
    SoakReport report_;
    std::uint32_t lasttick_ = 0;
    int lasttick_run_ = -1;
    long outcome_sounds_ = 0;
    int outcome_run_ = -1;
    bool won_ = false, lost_ = false;
    int loaded_seen_ = -1;
    bool one_jewel_ = false;
    bool lost_sign_ = false;
    bool hint_shown_ = false;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Game controllers on SDL's virtual joystick, no device needed: hot-plug, the D-pad, the stick,
// the buttons, and what is held when a controller goes away.
#include "game/desktop/controller/game_controllers.h"
#include "game/desktop/controller/tests/virtual_pad.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace kelvaro {
namespace {

using Keys = GameControllers::Keys;

Keys held(std::initializer_list<Key> keys)
{
    Keys k{};
    for (Key key : keys)
        k[static_cast<int>(key)] = true;
    return k;
}

TEST(GameControllers, AControllerPluggedInIsTakenWithoutAWord)
{
    GameControllers pads;
    ASSERT_TRUE(pads.available());
    EXPECT_EQ(pads.connected(), 0);
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    EXPECT_TRUE(pads.poll().empty());
    EXPECT_EQ(pads.connected(), 1);
    EXPECT_EQ(pads.keys(), Keys{});
}

TEST(GameControllers, TheDpadAndSouthButtonAreTheArrowsAndCtrl)
{
    const struct {
        SDL_GameControllerButton button;
        Key key;
    } cases[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Key::left}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Key::right},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, Key::up},     {SDL_CONTROLLER_BUTTON_DPAD_DOWN, Key::down},
        {SDL_CONTROLLER_BUTTON_A, Key::ctrl},
    };
    GameControllers pads;
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    pads.poll();
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.key));
        pad.button(c.button, true);
        EXPECT_TRUE(pads.poll().empty());
        EXPECT_EQ(pads.keys(), held({c.key}));
        pad.button(c.button, false);
        pads.poll();
        EXPECT_EQ(pads.keys(), Keys{});
    }
}

TEST(GameControllers, TheLeftStickPastHalfWayIsAnArrowUntilItComesBackUnderAQuarter)
{
    const struct {
        SDL_GameControllerAxis axis;
        int value;
        Keys expected;
    } steps[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, 12000, {}},                     // inside the dead zone
        {SDL_CONTROLLER_AXIS_LEFTX, 20000, held({Key::right})},     // past half way
        {SDL_CONTROLLER_AXIS_LEFTX, 12000, held({Key::right})},     // eased back: still held
        {SDL_CONTROLLER_AXIS_LEFTX, 4000, {}},                      // under a quarter: released
        {SDL_CONTROLLER_AXIS_LEFTX, -32768, held({Key::left})},
        {SDL_CONTROLLER_AXIS_LEFTY, -30000, held({Key::left, Key::up})},  // a diagonal holds two
        {SDL_CONTROLLER_AXIS_LEFTX, 0, held({Key::up})},
        {SDL_CONTROLLER_AXIS_LEFTY, 32767, held({Key::down})},
        {SDL_CONTROLLER_AXIS_RIGHTX, 32767, held({Key::down})},     // the right stick does nothing
        {SDL_CONTROLLER_AXIS_LEFTY, 0, {}},
    };
    GameControllers pads;
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    pads.poll();
    int n = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(n++);
        pad.axis(s.axis, s.value);
        pads.poll();
        EXPECT_EQ(pads.keys(), s.expected);
    }
}

TEST(GameControllers, StartBAndBackAreCommandsOnTheirPress)
{
    const struct {
        SDL_GameControllerButton button;
        PadCommand command;
    } cases[] = {
        {SDL_CONTROLLER_BUTTON_START, PadCommand::pause},
        {SDL_CONTROLLER_BUTTON_B, PadCommand::pressFocused},
        {SDL_CONTROLLER_BUTTON_BACK, PadCommand::newGame},
    };
    GameControllers pads;
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    pads.poll();
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.button));
        pad.button(c.button, true);
        EXPECT_EQ(pads.poll(), std::vector{c.command});
        EXPECT_EQ(pads.keys(), Keys{});
        pad.button(c.button, false);
        EXPECT_TRUE(pads.poll().empty());  // a release is no second command
    }
    pad.button(SDL_CONTROLLER_BUTTON_X, true);
    pad.button(SDL_CONTROLLER_BUTTON_Y, true);
    EXPECT_TRUE(pads.poll().empty());  // buttons the game gives no meaning
    EXPECT_EQ(pads.keys(), Keys{});
}

TEST(GameControllers, ButtonsThePlayerBoundWalkAndCommandInsteadOfTheDefaults)
{
    GameControllers pads;
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    pads.poll();
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);  // held while the buttons change: let go
    pads.poll();
    KeyBindings bound = KeyBindings::padDefaults();
    bound.set(KeyAction::left, {"LB"});
    bound.set(KeyAction::takeBack, {"X"});
    bound.set(KeyAction::redo, {"DpadLeft"});
    bound.set(KeyAction::hint, {"Y"});
    pads.bind(bound);
    EXPECT_EQ(pads.keys(), Keys{});
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    pads.poll();
    pad.button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true);
    EXPECT_TRUE(pads.poll().empty());
    EXPECT_EQ(pads.keys(), held({Key::left}));
    for (auto [button, command] : {std::pair{SDL_CONTROLLER_BUTTON_X, PadCommand::takeBack},
                                   std::pair{SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadCommand::redo},
                                   std::pair{SDL_CONTROLLER_BUTTON_Y, PadCommand::hint},
                                   std::pair{SDL_CONTROLLER_BUTTON_B, PadCommand::pressFocused}}) {
        pad.button(button, true);
        EXPECT_EQ(pads.poll(), std::vector{command}) << int(button);
        pad.button(button, false);
        pads.poll();
    }
    EXPECT_EQ(pads.keys(), held({Key::left}));
}

TEST(GameControllers, AControllerRemovedLeavesNoKeyHeldAndTheOtherKeepsItsOwn)
{
    GameControllers pads;
    VirtualPad first;
    VirtualPad second;
    ASSERT_TRUE(first.plugged() && second.plugged()) << SDL_GetError();
    pads.poll();
    ASSERT_EQ(pads.connected(), 2);
    first.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    first.button(SDL_CONTROLLER_BUTTON_A, true);
    second.axis(SDL_CONTROLLER_AXIS_LEFTY, 32767);
    pads.poll();
    EXPECT_EQ(pads.keys(), held({Key::right, Key::ctrl, Key::down}));

    first.unplug();  // pulled out in the middle of a walk
    pads.poll();
    EXPECT_EQ(pads.connected(), 1);
    EXPECT_EQ(pads.keys(), held({Key::down}));
    second.unplug();
    pads.poll();
    EXPECT_EQ(pads.connected(), 0);
    EXPECT_EQ(pads.keys(), Keys{});
}

} // namespace
} // namespace kelvaro

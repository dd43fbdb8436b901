// SPDX-License-Identifier: GPL-3.0-or-later
// Reading game controllers from SDL's event queue into held keys and commands.
#include "game/desktop/controller/game_controllers.h"

#include <SDL.h>

#include <optional>

namespace kelvaro {
namespace {

// The stick counts as pushed past half its travel, and as released back under a quarter:
// the gap keeps a stick held near the edge from flickering between walk and stop.
constexpr int kStickPress = 16384;
constexpr int kStickRelease = 8192;

struct NamedButton {
    const char* name;
    SDL_GameControllerButton button;
};

// The names are the ones printed on the common pads, the D-pad spelled out.
constexpr NamedButton named_buttons[] = {
    {"A", SDL_CONTROLLER_BUTTON_A},
    {"X", SDL_CONTROLLER_BUTTON_X},
    {"Y", SDL_CONTROLLER_BUTTON_Y},
    {"Start", SDL_CONTROLLER_BUTTON_START},
    {"LB", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
    {"RB", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
    {"LS", SDL_CONTROLLER_BUTTON_LEFTSTICK},
    {"RS", SDL_CONTROLLER_BUTTON_RIGHTSTICK},
    {"DpadUp", SDL_CONTROLLER_BUTTON_DPAD_UP},
    {"DpadDown", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {"DpadLeft", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {"DpadRight", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
};

std::optional<PadCommand> command(Uint8 button, std::optional<KeyAction> action)
{
    if (button == SDL_CONTROLLER_BUTTON_B)
        return PadCommand::pressFocused;
    if (button == SDL_CONTROLLER_BUTTON_BACK)
        return PadCommand::newGame;
    switch (action.value_or(KeyAction::left)) {
    case KeyAction::pause: return PadCommand::pause;
    case KeyAction::takeBack: return PadCommand::takeBack;
    case KeyAction::redo: return PadCommand::redo;
    case KeyAction::hint: return PadCommand::hint;
    default: return std::nullopt;
    }
}

// One direction of a stick axis: pushed toward `key` when the value passes the press
// threshold on its side, released when it comes back under the release threshold.
void stickAxis(GameControllers::Keys& stick, int value, Key negative, Key positive)
{
    auto side = [&](Key key, int toward) {
        bool& held = stick[static_cast<int>(key)];
        held = held ? toward > kStickRelease : toward > kStickPress;
    };
    side(negative, -value);
    side(positive, value);
}

} // namespace

const std::vector<std::string>& GameControllers::bindableButtons()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const NamedButton& named : named_buttons)
            all.emplace_back(named.name);
        return all;
    }();
    return names;
}

void GameControllers::bind(const KeyBindings& pad)
{
    bindings_ = pad;
    // A button held now may mean another key on its release: let go of them all.
    for (auto& [instance, held] : pads_)
        held.buttons = {};
    recompute();
}

std::optional<KeyAction> GameControllers::bound(std::uint8_t button) const
{
    for (const NamedButton& named : named_buttons)
        if (named.button == button)
            return bindings_.action(named.name);
    return std::nullopt;
}

GameControllers::GameControllers()
{
    // SDL would otherwise take over SIGINT and SIGTERM, and the game would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

GameControllers::~GameControllers()
{
    for (auto& [instance, pad] : pads_)
        SDL_GameControllerClose(pad.controller);
    if (started_)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void GameControllers::open(int device_index)
{
    SDL_GameController* controller = SDL_GameControllerOpen(device_index);
    if (!controller)
        return;  // gone again, or not usable: as if never connected
    const SDL_JoystickID instance = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (pads_.count(instance)) {
        SDL_GameControllerClose(controller);  // already open: SDL counts the second open
        return;
    }
    pads_[instance].controller = controller;
}

void GameControllers::close(std::int32_t instance)
{
    const auto pad = pads_.find(instance);
    if (pad == pads_.end())
        return;
    SDL_GameControllerClose(pad->second.controller);
    pads_.erase(pad);
}

void GameControllers::recompute()
{
    keys_ = {};
    for (const auto& [instance, pad] : pads_)
        for (std::size_t k = 0; k < keys_.size(); ++k)
            keys_[k] = keys_[k] || pad.buttons[k] || pad.stick[k];
}

std::vector<PadCommand> GameControllers::poll()
{
    std::vector<PadCommand> commands;
    if (!started_)
        return commands;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED: open(event.cdevice.which); break;
        case SDL_CONTROLLERDEVICEREMOVED: close(event.cdevice.which); break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            const auto pad = pads_.find(event.cbutton.which);
            if (pad == pads_.end())
                break;
            const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
            const std::optional<KeyAction> action = bound(event.cbutton.button);
            if (const auto key = action ? heldKey(*action) : std::nullopt)
                pad->second.buttons[static_cast<int>(*key)] = down;
            else if (const auto pressed = command(event.cbutton.button, action); pressed && down)
                commands.push_back(*pressed);
            break;
        }
        case SDL_CONTROLLERAXISMOTION: {
            const auto pad = pads_.find(event.caxis.which);
            if (pad == pads_.end())
                break;
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
                stickAxis(pad->second.stick, event.caxis.value, Key::left, Key::right);
            else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
                stickAxis(pad->second.stick, event.caxis.value, Key::up, Key::down);
            break;
        }
        default: break;  // the plain joystick events beside them, and the rest of SDL's
        }
    }
    recompute();
    return commands;
}

} // namespace kelvaro

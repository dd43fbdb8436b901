// SPDX-License-Identifier: GPL-3.0-or-later
// The player's keys: the game's own keys as the defaults, the ready sets, a key taken twice refused,
// the keys read back from the settings, the Help naming them, and Options > Keys pausing the game.
#include "game/play/tests/window_model_fakes.h"
#include "game/play/window_text.h"

#include <gtest/gtest.h>

#include <map>

namespace kelvaro {
namespace {

using Names = KeyBindings::Names;

std::vector<std::string> englishLines(const WindowText& text)
{
    std::vector<std::string> lines;
    for (const Message& line : text.lines)
        lines.push_back(english(line));
    return lines;
}

TEST(KeyBindings, TheDefaultsAreTheKeysTheGameHasAlwaysRead)
{
    const KeyBindings keys = KeyBindings::defaults();
    const std::pair<const char*, std::optional<KeyAction>> named[] = {
        {"Left", KeyAction::left},          {"Right", KeyAction::right},        {"Up", KeyAction::up},
        {"Down", KeyAction::down},          {"Ctrl", KeyAction::push},          {"P", KeyAction::pause},
        {"Backspace", KeyAction::takeBack}, {"U", KeyAction::takeBack},         {"Shift+Backspace", KeyAction::redo},
        {"Shift+U", KeyAction::redo},       {"H", KeyAction::hint},             {"W", std::nullopt},
        {"Esc", std::nullopt},
    };
    for (const auto& [name, action] : named)
        EXPECT_EQ(keys.action(name), action) << name;
    // The model hears each action by a character it has always known, and a key bound to
    // nothing never passes for one of them.
    EXPECT_EQ(characterFor(KeyAction::pause, 0), 'P');
    EXPECT_EQ(characterFor(KeyAction::takeBack, 0), '\b');
    EXPECT_EQ(characterFor(KeyAction::hint, 0), 'h');
    for (char taken : std::string("pPuUhH\b"))
        EXPECT_EQ(characterFor(std::nullopt, taken), 0) << taken;
    EXPECT_EQ(characterFor(std::nullopt, 'x'), 'x');
    EXPECT_EQ(characterFor(std::nullopt, '\x1b'), '\x1b');  // Esc still drops a pick
}

TEST(KeyBindings, EveryReadySetIsUsableAndWalksOnItsOwnKeys)
{
    const std::pair<KeyBindings, Names> sets[] = {
        {KeyBindings::arrows(), {"Left", "Right", "Up", "Down"}},
        {KeyBindings::wasd(), {"A", "D", "W", "S"}},
        {KeyBindings::hjkl(), {"H", "L", "K", "J"}},
        {KeyBindings::padDefaults(), {"DpadLeft", "DpadRight", "DpadUp", "DpadDown"}},
    };
    for (const auto& [keys, walk] : sets) {
        SCOPED_TRACE(walk.front());
        EXPECT_EQ(keys.fault(), std::nullopt);
        const KeyAction directions[] = {KeyAction::left, KeyAction::right, KeyAction::up, KeyAction::down};
        for (std::size_t d = 0; d < walk.size(); ++d)
            EXPECT_EQ(keys.keys(directions[d]), Names{walk[d]});
    }
    EXPECT_EQ(KeyBindings::hjkl().action("F"), KeyAction::hint);  // H walks
    // The controller's buttons do what they did: nothing takes back, redoes or asks a hint.
    for (KeyAction action : {KeyAction::takeBack, KeyAction::redo, KeyAction::hint})
        EXPECT_TRUE(KeyBindings::padDefaults().keys(action).empty());
    EXPECT_EQ(KeyBindings::padDefaults().keys(KeyAction::push), Names{"A"});
}

TEST(KeyBindings, AKeyTakenTwiceOrAnActionWithoutAKeyIsRefusedInWords)
{
    KeyBindings keys = KeyBindings::wasd();
    keys.set(KeyAction::hint, {"F1", "W"});
    ASSERT_TRUE(keys.fault());
    EXPECT_EQ(english(*keys.fault()), "The key W is chosen for both Walk up and Hint.");
    keys.set(KeyAction::hint, {"F1"});
    keys.set(KeyAction::pause, {});
    ASSERT_TRUE(keys.fault());
    EXPECT_EQ(english(*keys.fault()), "Choose a key for Pause.");

    KeyBindings pad = KeyBindings::padDefaults();
    pad.set(KeyAction::hint, {"A"});
    ASSERT_TRUE(pad.fault());
    EXPECT_EQ(english(*pad.fault()), "The button A is chosen for both Push and Hint.");
    pad.set(KeyAction::hint, {"Y"});
    pad.set(KeyAction::pause, {});  // a controller may leave an action without a button
    EXPECT_EQ(pad.fault(), std::nullopt);
}

TEST(KeyBindings, SavedKeysReadBackAndADamagedEntryFallsBackAloneToItsDefault)
{
    auto known = [](const std::string& name) { return name != "Nonsense"; };
    auto from = [](const std::map<std::string, Names>& file) {
        return [file](KeyAction action) -> std::optional<Names> {
            const auto entry = file.find(settingsName(action));
            return entry == file.end() ? std::nullopt : std::optional<Names>(entry->second);
        };
    };
    std::map<std::string, Names> file;
    for (KeyAction action : key_actions)
        file[settingsName(action)] = KeyBindings::hjkl().keys(action);
    EXPECT_EQ(KeyBindings::read(KeyBindings::defaults(), from(file), known), KeyBindings::hjkl());

    file["pause"] = {"F6", "F7", "F8"};   // three keys
    file["redo"] = {"Nonsense"};          // a key no keyboard has
    file["push"] = {};                    // none at all
    file.erase("takeBack");               // missing
    file["right"] = {"K"};                // up's key, saved before it in no order of ours
    KeyBindings read = KeyBindings::read(KeyBindings::defaults(), from(file), known);
    EXPECT_EQ(read.fault(), std::nullopt);
    for (KeyAction action : {KeyAction::pause, KeyAction::redo, KeyAction::push, KeyAction::takeBack})
        EXPECT_EQ(read.keys(action), KeyBindings::defaults().keys(action)) << settingsName(action);
    EXPECT_EQ(read.keys(KeyAction::left), Names{"H"});
    EXPECT_EQ(read.keys(KeyAction::right), Names{"K"});
    EXPECT_EQ(read.keys(KeyAction::up), Names{"Up"});  // K taken: up's default instead
    EXPECT_EQ(read.keys(KeyAction::hint), Names{"F"});

    // A controller's action without a button is kept as it was saved.
    std::map<std::string, Names> pad_file{{"pause", {}}, {"hint", {"Y"}}};
    const KeyBindings pad = KeyBindings::read(KeyBindings::padDefaults(), from(pad_file), known);
    EXPECT_TRUE(pad.keys(KeyAction::pause).empty());
    EXPECT_EQ(pad.keys(KeyAction::hint), Names{"Y"});
    EXPECT_EQ(pad.keys(KeyAction::push), Names{"A"});
}

TEST(KeyBindings, TheHelpNamesTheKeysInUseAndReadsAsEverWithTheGamesOwn)
{
    const std::vector<std::string> own = {"",
                                          "  This is simple:",
                                          "  Move Kelvaro using the arrow keys.",
                                          "  Use the Ctrl key to push the obstacles.",
                                          "  If you move the ball on the 'goal' point",
                                          "  before time expires,you win!"};
    EXPECT_EQ(englishLines(helpText()), own);
    EXPECT_EQ(englishLines(helpText(KeyBindings::arrows())), own);

    std::vector<std::string> wasd = own;
    wasd[2] = "  Move Kelvaro using the W A S D keys.";
    wasd[3] = "  Use the Space key to push the obstacles.";
    EXPECT_EQ(englishLines(helpText(KeyBindings::wasd())), wasd);

    KeyBindings keys = KeyBindings::defaults();
    keys.set(KeyAction::up, {"Up", "K"});
    keys.set(KeyAction::hint, {"F"});
    std::vector<std::string> more = own;
    more[2] = "  Move Kelvaro using the Up/K Left Down Right keys.";
    more.push_back("  Pause P, take back Backspace/U, redo Shift+Backspace/Shift+U, hint F.");
    EXPECT_EQ(englishLines(helpText(keys)), more);
}

TEST(OptionsKeys, TheBoxPausesTheGameAndOnlyAUsableSetIsKept)
{
    WindowModelRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    rig.click(Command::keysItem);
    ASSERT_TRUE(rig.dialogs.isOpen());
    EXPECT_EQ(rig.dialogs.current().kind, FakeDialogs::Kind::keys);
    EXPECT_EQ(rig.dialogs.keys_shown, PlayerKeys{});
    EXPECT_EQ(rig.engine.paused(), 1);
    EXPECT_TRUE(rig.controls.pausedLabel.visible);

    rig.dialogs.keys_chosen.keyboard = KeyBindings::wasd();
    rig.answer("ok");
    EXPECT_EQ(rig.model.playerKeys().keyboard, KeyBindings::wasd());
    ASSERT_EQ(rig.keys_kept.size(), 1u);
    EXPECT_EQ(rig.keys_kept[0].keyboard, KeyBindings::wasd());

    // Cancelled, or answered with a key taken twice: the keys stay, and nothing more is kept.
    rig.click(Command::keysItem);
    EXPECT_EQ(rig.dialogs.keys_shown->keyboard, KeyBindings::wasd());
    rig.dialogs.keys_chosen.keyboard = KeyBindings::defaults();
    rig.answer("cancel");
    rig.click(Command::keysItem);
    rig.dialogs.keys_chosen.keyboard.set(KeyAction::hint, {"Up"});
    rig.answer("ok");
    EXPECT_EQ(rig.model.playerKeys().keyboard, KeyBindings::wasd());
    EXPECT_EQ(rig.keys_kept.size(), 1u);
    EXPECT_EQ(rig.dialogs.stacked, 0);
}

} // namespace
} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The page's keys act through the player's bindings as the desktop's do, and exactly as before with the defaults.
#include "web/web_keys.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

std::string deed(KeyReader& reader, const KeyBindings& keys, const std::string& name, const std::string& bare, char typed = 0,
                 bool down = true, bool repeat = false)
{
    const KeyDeed d = reader.read(keys, {name, bare, typed, down, repeat});
    switch (d.kind) {
    case KeyDeed::Kind::nothing: return "-";
    case KeyDeed::Kind::redo: return "redo";
    case KeyDeed::Kind::character: return "char " + std::to_string(static_cast<int>(d.character));
    case KeyDeed::Kind::held: break;
    }
    if (!d.changed)
        return "held";  // a repeat: nothing changes, the page only keeps the key from scrolling
    return "key " + std::to_string(static_cast<int>(d.key)) + (d.down ? " down" : " up");
}

TEST(WebKeys, TheDefaultsActAsThePagesKeysAlwaysDid)
{
    KeyReader reader;
    const KeyBindings keys = KeyBindings::defaults();
    EXPECT_EQ(deed(reader, keys, "Left", "Left"), "key 0 down");
    EXPECT_EQ(deed(reader, keys, "Left", "Left", 0, true, true), "held");
    EXPECT_EQ(deed(reader, keys, "Ctrl", "Ctrl"), "key 4 down");
    EXPECT_EQ(deed(reader, keys, "Ctrl+Right", "Right"), "key 1 down");  // pushing right
    EXPECT_EQ(deed(reader, keys, "Ctrl", "Ctrl", 0, false), "key 4 up");
    EXPECT_EQ(deed(reader, keys, "Right", "Right", 0, false), "key 1 up");
    EXPECT_EQ(deed(reader, keys, "Shift+Backspace", "Backspace", 8), "redo");
    EXPECT_EQ(deed(reader, keys, "Shift+U", "U", 'U'), "redo");
    EXPECT_EQ(deed(reader, keys, "Backspace", "Backspace", 8), "char 8");
    EXPECT_EQ(deed(reader, keys, "U", "U", 'u'), "char 8");
    EXPECT_EQ(deed(reader, keys, "Shift+P", "P", 'P'), "char 80");
    EXPECT_EQ(deed(reader, keys, "H", "H", 'h'), "char 104");
    EXPECT_EQ(deed(reader, keys, "Space", "Space", ' '), "char 32");  // a focused Next or Retry
    EXPECT_EQ(deed(reader, keys, "Return", "Return", 13), "char 13");
    EXPECT_EQ(deed(reader, keys, "X", "X", 'x'), "char 120");
    EXPECT_EQ(deed(reader, keys, "Ctrl+U", "U"), "-");  // with Ctrl a letter never typed
    EXPECT_EQ(deed(reader, keys, "U", "U", 'u', false), "-");
    // An arrow pressed in a box comes up after it closed: it took nothing, and lets go nothing.
    EXPECT_EQ(deed(reader, keys, "Down", "Down", 0, false), "-");
}

TEST(WebKeys, ChosenKeysWalkPushAndActAndFreeTheGamesOwn)
{
    KeyReader reader;
    KeyBindings keys = KeyBindings::wasd();
    keys.set(KeyAction::right, {"D", "Right"});
    EXPECT_EQ(deed(reader, keys, "D", "D", 'd'), "key 1 down");
    EXPECT_EQ(deed(reader, keys, "Right", "Right"), "key 1 down");
    EXPECT_EQ(deed(reader, keys, "D", "D", 'd', false), "key 1 down");  // the arrow still holds it
    EXPECT_EQ(deed(reader, keys, "Right", "Right", 0, false), "key 1 up");
    EXPECT_EQ(deed(reader, keys, "Space", "Space", ' '), "key 4 down");
    EXPECT_EQ(deed(reader, keys, "Space", "Space", ' ', false), "key 4 up");
    EXPECT_EQ(deed(reader, keys, "Ctrl", "Ctrl"), "-");
    EXPECT_EQ(deed(reader, keys, "Left", "Left"), "-");
    // The letter that walks is no longer the model's: H is the hint's here, never typed as h.
    keys = KeyBindings::hjkl();
    EXPECT_EQ(deed(reader, keys, "H", "H", 'h'), "key 0 down");
    EXPECT_EQ(deed(reader, keys, "F", "F", 'f'), "char 104");
    keys.set(KeyAction::hint, {"G"});
    EXPECT_EQ(deed(reader, keys, "Shift+H", "H", 'H'), "key 0 down");
    // A key let go after the keys changed lets go what it took.
    reader.read(keys, {"K", "K", 'k', true, false});
    EXPECT_EQ(deed(reader, KeyBindings::defaults(), "K", "K", 'k', false), "key 2 up");
}

TEST(WebKeys, NamesAreTheDesktopsPortableOnes)
{
    for (const char* name : {"Left", "W", "Space", "Ctrl", "Shift", "Shift+U", "Ctrl+Alt+Shift+Meta+F12", "?", "1", "PgDown", "F1"})
        EXPECT_TRUE(webKeyName(name)) << name;
    for (const char* name : {"", "Esc", "w", "Shift+Ctrl+U", "Ctrl+Ctrl", "Ctrl+", "F0", "F25", "Hyper", "é", "Left+Up", " "})
        EXPECT_FALSE(webKeyName(name)) << name;
}

} // namespace
} // namespace kelvaro

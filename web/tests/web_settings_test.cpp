// SPDX-License-Identifier: GPL-3.0-or-later
// The page's settings survive a write and a read, and a damaged or strange file falls back to the defaults.
#include "web/web_settings.h"

#include "game/records/tests/records_files.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(WebSettings, WhatIsWrittenReadsBack)
{
    TempDir dir;
    const fs::path file = dir.path / "kelvaro" / "kelvaro.ini";
    EXPECT_EQ(readWebSettings(file), WebSettings{});
    const WebSettings kept{fs::path("/save/sets/a=b set"), false};
    ASSERT_TRUE(writeWebSettings(file, kept));
    EXPECT_EQ(slurp(file), "[game]\ncurrent_set=/save/sets/a=b set\nsound=false\n\n[keys]\nleft=Left\nright=Right\nup=Up\n"
                           "down=Down\npush=Ctrl\npause=P\ntakeBack=Backspace, U\nredo=Shift+Backspace, Shift+U\nhint=H\n");
    EXPECT_EQ(readWebSettings(file), kept);
    ASSERT_TRUE(writeWebSettings(file, WebSettings{}));
    EXPECT_EQ(readWebSettings(file), WebSettings{});
}

TEST(WebSettings, OtherSectionsKeysAndNonsenseArePassedOver)
{
    const WebSettings read = parseWebSettings("[view]\nsound=false\ncurrent_set=/x\n"
                                              "[game]\r\n  sound = maybe \r\nzoom=3\njunk line\ncurrent_set = /save/sets/A \n");
    EXPECT_TRUE(read.sound);
    EXPECT_EQ(read.current_set, fs::path("/save/sets/A"));
    EXPECT_EQ(parseWebSettings(std::string("\0\xff[game", 7)), WebSettings{});
    EXPECT_FALSE(parseWebSettings("[game]\nsound=false").sound);
}

// The keys as the desktop's kelvaro.ini keeps them; an entry the game cannot use falls back to
// its default alone, and keys written with commas or quotes in them read back as they were.
TEST(WebSettings, KeysReadBackAndADamagedEntryFallsBackToItsDefault)
{
    WebSettings chosen;
    chosen.keys = KeyBindings::wasd();
    chosen.keys.set(KeyAction::hint, {",", "\""});
    chosen.keys.set(KeyAction::pause, {"Ctrl+Alt+Shift+Meta+F12"});
    EXPECT_EQ(parseWebSettings(webSettingsText(chosen)), chosen);

    const WebSettings read = parseWebSettings("[keys]\nleft=A\nright=D\nup=W, Up\ndown=Nonsense\npush=Space, Space\n"
                                              "pause=\ntakeBack=U, A\nredo=Shift+U, Q, Z\nhint=\"F\n[game]\nsound=true\n");
    KeyBindings expected = KeyBindings::defaults();
    expected.set(KeyAction::left, {"A"});
    expected.set(KeyAction::right, {"D"});
    expected.set(KeyAction::up, {"W", "Up"});
    expected.set(KeyAction::takeBack, {"Backspace", "U"});  // A walks left already
    EXPECT_EQ(read.keys, expected);
    EXPECT_EQ(parseWebSettings("[keys]\nleft=Esc\nright=a\nup=Shift+\ndown=Ctrl+Ctrl+X\n").keys, KeyBindings::defaults());
}

TEST(WebSettings, AFileThatCannotBeWrittenIsRefused)
{
    TempDir dir;
    spit(dir.path / "file", "x");
    EXPECT_FALSE(writeWebSettings(dir.path / "file" / "kelvaro.ini", WebSettings{}));
}

} // namespace
} // namespace kelvaro

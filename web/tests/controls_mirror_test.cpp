// SPDX-License-Identifier: GPL-3.0-or-later
// The page hears of every control once, then only of those whose count moved, and of each drawn area once.
#include "web/controls_mirror.h"
#include "web/tests/fake_page.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvaro {
namespace {

struct MirrorRig {
    FakePage page;
    Controls controls;
    Images images;
    ControlsMirror mirror{page};

    std::vector<std::string> show()
    {
        mirror.show(controls, images);
        return page.take();
    }
};

std::size_t countStarting(const std::vector<std::string>& calls, const std::string& start)
{
    return static_cast<std::size_t>(
        std::count_if(calls.begin(), calls.end(), [&](const std::string& call) { return call.rfind(start, 0) == 0; }));
}

TEST(ControlsMirror, ShowsEverythingFirstThenNothingUnchanged)
{
    MirrorRig rig;
    const std::vector<std::string> first = rig.show();
    EXPECT_EQ(countStarting(first, "label "), 8u);
    EXPECT_EQ(countStarting(first, "button "), 3u);
    EXPECT_EQ(countStarting(first, "picture "), 2u);
    EXPECT_EQ(countStarting(first, "menu "), 6u);
    EXPECT_EQ(countStarting(first, "blit "), 1u);
    EXPECT_NE(std::find(first.begin(), first.end(), "blit 0,0 737x534"), first.end());
    EXPECT_NE(std::find(first.begin(), first.end(), "label 0 LEVEL :"), first.end());
    EXPECT_NE(std::find(first.begin(), first.end(), "picture 0 hidden"), first.end());
    EXPECT_TRUE(rig.controls.drawn.empty());
    EXPECT_TRUE(rig.show().empty());

    // A new language: the page is handed every control again, to word it anew.
    rig.mirror.showAgain();
    EXPECT_EQ(rig.show(), first);
    EXPECT_TRUE(rig.show().empty());
}

TEST(ControlsMirror, PassesOnOnlyWhatMoved)
{
    MirrorRig rig;
    rig.show();
    rig.controls.levelLabel.caption = levelCaption(4);
    rig.controls.markDrawn({32, 64, 32, 32});
    rig.controls.markDrawn({0, 0, 10, 10});
    EXPECT_EQ(rig.show(), (std::vector<std::string>{"label 0 LEVEL : 4", "blit 32,64 32x32", "blit 0,0 10x10"}));

    rig.controls.endGameItem.enabled = false;
    const std::vector<std::string> menus = rig.show();
    EXPECT_EQ(countStarting(menus, "menu "), 6u);
    EXPECT_NE(std::find(menus.begin(), menus.end(), "menu endGame disabled"), menus.end());

    rig.controls.nextButton.visible = true;
    EXPECT_EQ(rig.show(), std::vector<std::string>{"button 0 Next"});
    rig.controls.focus = Focus::nextButton;  // a focus that moves redoes the buttons
    EXPECT_EQ(rig.show(), (std::vector<std::string>{"button 0 Next focused", "button 1 Abort hidden", "button 2 Retry hidden"}));

    rig.controls.hintOutline.visible = true;
    EXPECT_EQ(rig.show(), std::vector<std::string>{"overlay hint"});
    rig.controls.hintOutline.visible = false;
    EXPECT_EQ(rig.show(), std::vector<std::string>{"overlay"});
}

} // namespace
} // namespace kelvaro

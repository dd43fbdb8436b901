// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' change counts, which tell the view what to redo: a new value counts, the same one does not.
#include "game/engine/controls.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(Controls, OnlyANewValueCountsAsAChange)
{
    Controls c;
    const std::uint32_t label = c.timeLabel.changes(), menus = c.menuChanges();
    c.timeLabel.caption = timeCaption();  // as it was
    c.timeLabel.visible = true;
    c.endGameItem.enabled = true;
    EXPECT_EQ(c.timeLabel.changes(), label);
    EXPECT_EQ(c.menuChanges(), menus);

    c.timeLabel.caption = timeCaption(75);
    c.timeLabel.colour = red;
    EXPECT_EQ(c.timeLabel.changes(), label + 2);
    EXPECT_EQ(english(c.timeLabel.caption), "TIME : 75");
    c.soundItem.checked = !c.soundItem.checked;
    EXPECT_EQ(c.menuChanges(), menus + 1);
    EXPECT_FALSE(c.soundItem.checked);
}

TEST(Controls, ACopyHoldsTheValuesAndCountsItsOwnChanges)
{
    Controls c;
    c.winnerLabel.visible = true;
    LabelControl copy = c.winnerLabel;
    EXPECT_EQ(copy, c.winnerLabel);
    const std::uint32_t before = c.winnerLabel.changes();
    copy.visible = false;
    EXPECT_EQ(c.winnerLabel.changes(), before);
    EXPECT_TRUE(c.winnerLabel.visible);
}

} // namespace
} // namespace kelvaro

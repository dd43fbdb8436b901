// SPDX-License-Identifier: GPL-3.0-or-later
// Copy and paste in the window: the level as it started and a win's moves copied, a pasted level played, a damaged one refused.
#include "game/play/tests/window_model_fakes.h"

#include "level/level_picture.h"
#include "level/level_record.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Kind = FakeDialogs::Kind;

// The jewel one push from the goal.
const std::vector<std::string> one_push = {"########", "##.@*G##", "########"};
const std::vector<std::string> pasted_room = {"##########", "##########", "##@..o..##", "##*....G##",
                                              "##########", "##########"};

struct ClipboardRig : WindowModelRig {
    void step(std::initializer_list<Key> held)
    {
        keys.hold(held);
        run(25);
        keys.releaseAll();
        run(300);
    }
    void paste(const std::string& text)
    {
        clipboard = text;
        click(Command::pasteLevelItem);
    }
    std::vector<std::string> played() const { return drawing(engine); }
};

TEST(LevelClipboard, CopyGivesTheLevelAsItStartedAndAfterAWinItsMoves)
{
    ClipboardRig rig;
    rig.clipboard = "kept";
    rig.click(Command::copyLevelItem);
    EXPECT_EQ(rig.clipboard, "kept");  // no level yet: the clipboard is left alone

    ASSERT_TRUE(rig.play(3, drawn_room));
    rig.step({Key::right});
    rig.click(Command::copyLevelItem);
    const std::string level_text = writeRecord(toRecord(levelFrom(drawn_room)));
    EXPECT_EQ(rig.clipboard, level_text);  // the level file's lines, not the position reached

    ASSERT_TRUE(rig.play(4, one_push, 60));
    rig.step({Key::left});
    rig.step({Key::right});
    rig.step({Key::ctrl, Key::right});
    ASSERT_TRUE(rig.controls.winnerLabel.visible);
    rig.click(Command::copyLevelItem);
    const std::string won_text = writeRecord(toRecord(levelFrom(one_push, 60)));
    EXPECT_EQ(rig.clipboard, won_text + "lrR\r\n");

    // Pasted back, the moves line is passed over and the same level is played.
    rig.click(Command::pasteLevelItem);
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.played(), one_push);
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 60");

    rig.click(Command::endGameItem);
    rig.answer("yes");
    rig.clipboard = "kept";
    rig.click(Command::copyLevelItem);
    EXPECT_EQ(rig.clipboard, "kept");  // the game ended: no level in play
}

TEST(LevelClipboard, APastedLevelOrPictureIsPlayedAndRestartPlaysItAgainUntilTheSetTakesOver)
{
    ClipboardRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    rig.paste(writePicture(toRecord(levelFrom(pasted_room, 40))));
    ASSERT_TRUE(rig.toPlay());
    EXPECT_FALSE(rig.dialogs.isOpen());
    EXPECT_EQ(rig.played(), pasted_room);
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL :");
    EXPECT_EQ(english(rig.controls.timeLabel.caption), "TIME : 40");

    const std::vector<int> files_read = rig.levels.requested;
    rig.step({Key::right});
    rig.click(Command::restartLevelItem);
    rig.answer("yes");
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.played(), pasted_room);
    EXPECT_EQ(rig.levels.requested, files_read);

    // A level file's text as well, while the pasted level is in play.
    rig.paste(writeRecord(toRecord(levelFrom(one_push, 50))));
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.played(), one_push);

    rig.newGame("3");
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.played(), drawn_room);
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL : 3");
}

TEST(LevelClipboard, ADamagedPasteSaysWhereAndPlayGoesOnAsItWas)
{
    const std::pair<const char*, const char*> damages[] = {
        {"time 30\n#####\n#S*G+\n#####\n", "The pasted level cannot be played:\nline 3, column 5: \"+\" stands for no cell."},
        {"4\r\n2\r\n1\r\n", "The pasted level cannot be played:\nline 4: the file ends before the jewel row."},
    };
    for (const auto& [text, says] : damages) {
        SCOPED_TRACE(text);
        ClipboardRig rig;
        ASSERT_TRUE(rig.play(3, drawn_room));
        rig.step({Key::right});
        const std::string before = summary(rig);
        const std::vector<std::string> position = rig.played();
        rig.paste(text);
        ASSERT_TRUE(rig.dialogs.isOpen());
        EXPECT_EQ(rig.dialogs.current().kind, Kind::message);
        EXPECT_EQ(rig.dialogs.current().text, says);
        rig.answer("");
        EXPECT_EQ(rig.played(), position);
        EXPECT_EQ(summary(rig), before);
        rig.step({Key::right});
        EXPECT_NE(rig.played(), position);  // still in play
    }
}

TEST(LevelClipboard, MovesAloneAreForTheLevelInPlay)
{
    const PastedText moves = readPastedText(" rrU\r\n lD ");
    ASSERT_TRUE(moves.moves);
    EXPECT_EQ(movesText(*moves.moves), "rrUlD");
    EXPECT_FALSE(readPastedText("rrUx").moves);
    EXPECT_FALSE(readPastedText("rrUx").level);

    ClipboardRig rig;
    rig.paste("rrR");
    ASSERT_TRUE(rig.dialogs.isOpen());
    EXPECT_EQ(rig.dialogs.current().text, "The pasted moves need a level in play.");
    rig.answer("");
    EXPECT_EQ(rig.engine.phase(), Engine::Phase::idle);
    rig.paste(writePicture(toRecord(levelFrom(pasted_room, 40))));  // from the banner, too
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.played(), pasted_room);

    ASSERT_TRUE(rig.play(3, drawn_room));
    rig.paste("   \n");  // nothing pasted: nothing happens
    rig.paste("rrr");
    EXPECT_FALSE(rig.dialogs.isOpen());
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.engine.playerx(), 2) << "replayed from the level's start";
    rig.run(1500);
    EXPECT_EQ(rig.engine.playerx(), 5);
}

// A browser hands the text over after the click: it waits for the start effect as the item
// does, and is what gets pasted, not what the shell's clipboard holds by then.
TEST(LevelClipboard, TextHandedOverWaitsLikeTheItemAndIsWhatIsPasted)
{
    ClipboardRig rig;
    ASSERT_TRUE(rig.play(3, drawn_room));
    rig.clipboard = "rrr";
    rig.newGame("3");
    ASSERT_TRUE(rig.inSpiral());
    rig.model.pasteLevel(writePicture(toRecord(levelFrom(pasted_room, 40))));
    rig.model.advance();
    EXPECT_EQ(rig.played(), drawn_room) << "held while the start effect draws";
    ASSERT_TRUE(rig.toPlay());  // level 3's effect, then the pasted level's
    ASSERT_TRUE(rig.toPlay());
    EXPECT_EQ(rig.played(), pasted_room);
    EXPECT_EQ(english(rig.controls.levelLabel.caption), "LEVEL :");
    EXPECT_EQ(rig.clipboard, "rrr");

    rig.model.pasteLevel("time 30\n#####\n#S*G+\n#####\n");
    rig.model.advance();
    ASSERT_TRUE(rig.dialogs.isOpen());
    EXPECT_EQ(rig.dialogs.current().text, "The pasted level cannot be played:\nline 3, column 5: \"+\" stands for no cell.");
    rig.answer("");
    EXPECT_EQ(rig.played(), pasted_room);
}

} // namespace
} // namespace kelvaro

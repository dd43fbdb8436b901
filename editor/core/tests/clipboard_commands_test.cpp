// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Copy level and Paste level, and LOAD of a picture: the same level back, one undo step, a damaged text refused.
#include "editor/core/tests/editor_fixture.h"

#include "level/level_picture.h"

namespace kelvaro::testing {
namespace {

class FakeClipboard : public ClipboardPort {
public:
    std::string held;
    void setText(const std::string& text) override { held = text; }
    std::string text() const override { return held; }
};

class ClipboardTest : public EditorTest {
protected:
    // A small level with every mark and a crate, and a time typed but not yet saved.
    void paint()
    {
        use(start_tool, 2, 2);
        use(jewel, 3, 3);
        use(goal, 5, 3);
        use(obstacle, 4, 2);
        state.mouseUp();
        state.texts.timeBox = "42";
    }
    FakeClipboard clipboard;
};

TEST_F(ClipboardTest, APastedCopyIsTheSameLevelAndUndoTakesThePasteBack)
{
    paint();
    state.copyLevel(clipboard);
    EXPECT_EQ(clipboard.held.rfind("time 42\n", 0), 0u) << clipboard.held;
    EXPECT_TRUE(isPicture(clipboard.held));
    // The level as a save and a load would give it back.
    AuthorLevel copied = state.level;
    copied.leveltime = 42;
    copied = authorLevelFrom(toRecord(copied)).value();

    state.texts.xBox = "8", state.texts.yBox = "6";
    ASSERT_TRUE(state.reset().ok());
    const AuthorLevel reset = state.level;
    const std::size_t steps = state.history().steps();

    ASSERT_TRUE(state.pasteLevel(clipboard).ok());
    EXPECT_TRUE(state.level == copied);
    EXPECT_EQ(state.texts.timeBox, "42");
    EXPECT_EQ(state.canvas.maxx(), copied.maze.maxx());
    EXPECT_EQ(state.history().steps(), steps + 1);
    EXPECT_TRUE(state.hasUnsavedChanges());

    ASSERT_TRUE(state.undo());
    EXPECT_TRUE(state.level == reset);
    ASSERT_TRUE(state.redo());
    EXPECT_TRUE(state.level == copied);

    clipboard.held = " \r\n";  // nothing on the clipboard: nothing happens
    ASSERT_TRUE(state.pasteLevel(clipboard).ok());
    EXPECT_EQ(state.history().steps(), steps + 1);
}

TEST_F(ClipboardTest, ALevelFilesTextPastesAndAPictureFileLoads)
{
    paint();
    AuthorLevel painted = state.level;
    painted.leveltime = 42;
    painted = authorLevelFrom(toRecord(painted)).value();
    clipboard.held = writeAuthorLevel(painted);
    state.texts.xBox = "8", state.texts.yBox = "6";
    ASSERT_TRUE(state.reset().ok());
    ASSERT_TRUE(state.pasteLevel(clipboard).ok());
    EXPECT_TRUE(state.level == painted);

    spill(maps / "maze7.txt", writePicture(toRecord(painted)));
    ASSERT_TRUE(state.reset().ok());
    state.texts.nameBox = "maze7";
    ASSERT_TRUE(state.load().ok());
    EXPECT_TRUE(state.level == painted);
    EXPECT_FALSE(state.hasUnsavedChanges());
}

TEST_F(ClipboardTest, ADamagedPasteSaysWhereAndChangesNothing)
{
    paint();
    const AuthorLevel before = state.level;
    const std::size_t steps = state.history().steps();
    const std::pair<const char*, const char*> damages[] = {
        {"time 30\n#####\n#S*G+\n#####\n", "Could not paste the level:\nline 3, column 5: \"+\" stands for no cell."},
        {"#####\n#S*G#\n###\n", "Could not paste the level:\nline 3, column 4: the row has 3 cells where the first has 5."},
        {"4\r\n2\r\nx\r\n", "Could not paste the level:\nline 3: the jewel column \"x\" is not a whole number."},
    };
    for (const auto& [text, says] : damages) {
        SCOPED_TRACE(text);
        clipboard.held = text;
        const CommandResult result = state.pasteLevel(clipboard);
        EXPECT_EQ(english(result.message).rfind(says, 0), 0u) << english(result.message);
        EXPECT_TRUE(state.level == before);
        EXPECT_EQ(state.texts.timeBox, "42");
        EXPECT_EQ(state.history().steps(), steps);
    }
}

} // namespace
} // namespace kelvaro::testing

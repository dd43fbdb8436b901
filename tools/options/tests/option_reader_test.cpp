// SPDX-License-Identifier: GPL-3.0-or-later
// The tools' command-line reader: what it takes, and the one line it says about what it does not.
#include "tools/options/option_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kelvaro {
namespace {

class OptionReaderTest : public ::testing::Test {
protected:
    OptionReaderTest()
    {
        reader.flag("--moves", moves)
            .option("--limit", {wholeNumber(limit, std::size_t{1})})
            .option("--size", {wholeNumber(width, 3, 13), wholeNumber(height, 3, 12)})
            .option("--title", {anyText(title)})
            .operands(files, 1, 3, "FILE");
    }

    std::optional<int> read(std::vector<const char*> args)
    {
        args.insert(args.begin(), "/usr/games/tool");
        return reader.read(static_cast<int>(args.size()), args.data(), out, err);
    }

    bool moves = false;
    std::size_t limit = 1000;
    int width = 11, height = 10;
    std::string title;
    std::vector<std::string> files;
    std::ostringstream out, err;
    OptionReader reader{"tool", "usage: tool [--moves] FILE...\n", "tool 1.0"};
};

TEST_F(OptionReaderTest, TakesFlagsOptionsAndOperandsInAnyOrder)
{
    EXPECT_EQ(read({"a", "--moves", "--limit", "5", "b", "--size", "4", "5", "--title", "Two words"}), std::nullopt);
    EXPECT_TRUE(moves);
    EXPECT_EQ(limit, 5u);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 5);
    EXPECT_EQ(title, "Two words");
    EXPECT_EQ(files, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(out.str() + err.str(), "");
}

TEST_F(OptionReaderTest, TheEqualsFormCarriesTheFirstValue)
{
    EXPECT_EQ(read({"--limit=7", "--size=6", "8", "--title=a=b", "f"}), std::nullopt);
    EXPECT_EQ(limit, 7u);
    EXPECT_EQ(width, 6);
    EXPECT_EQ(height, 8);
    EXPECT_EQ(title, "a=b");
}

// A value is the next argument whatever it looks like, as getopt takes it.
TEST_F(OptionReaderTest, AValueMayBeginWithDashes)
{
    EXPECT_EQ(read({"--title", "--moves", "f"}), std::nullopt);
    EXPECT_EQ(title, "--moves");
    EXPECT_FALSE(moves);
}

TEST_F(OptionReaderTest, DoubleDashEndsTheOptions)
{
    EXPECT_EQ(read({"--moves", "--", "--limit", "--", "-x"}), std::nullopt);
    EXPECT_TRUE(moves);
    EXPECT_EQ(limit, 1000u);
    EXPECT_EQ(files, (std::vector<std::string>{"--limit", "--", "-x"}));
}

TEST_F(OptionReaderTest, HelpAndVersionNeedNoOperandsAndGoToStandardOutput)
{
    EXPECT_EQ(read({"--help"}), 0);
    EXPECT_EQ(out.str(), "usage: tool [--moves] FILE...\n");
    out.str("");
    EXPECT_EQ(read({"f", "--version"}), 0);
    EXPECT_EQ(out.str(), "tool 1.0\n");
    EXPECT_EQ(err.str(), "");
    out.str("");
    EXPECT_EQ(read({"--", "--help"}), std::nullopt);  // a file named so
    EXPECT_EQ(files, std::vector<std::string>{"--help"});
}

TEST_F(OptionReaderTest, AWrongCommandLineIsOneLineOnStandardErrorAndStatusTwo)
{
    const struct {
        std::vector<const char*> args;
        const char* line;
    } cases[] = {
        {{"--frob", "f"}, "unknown option '--frob'"},
        {{"f", "--frob=3"}, "unknown option '--frob'"},
        {{"--help", "--frob"}, "unknown option '--frob'"},  // no help for a wrong line
        {{"f", "--limit"}, "option '--limit' needs a value"},
        {{"f", "--size", "4"}, "option '--size' needs 2 values"},
        {{"--moves=yes", "f"}, "option '--moves' takes no value"},
        {{"--limit", "12x", "f"}, "option '--limit': '12x' is not a whole number"},
        {{"--limit", "+5", "f"}, "option '--limit': '+5' is not a whole number"},
        {{"--limit", " 5", "f"}, "option '--limit': ' 5' is not a whole number"},
        {{"--limit=", "f"}, "option '--limit': '' is not a whole number"},
        {{"--limit", "0", "f"}, "option '--limit': '0' is less than 1"},
        {{"--limit", "-3", "f"}, "option '--limit': '-3' is less than 1"},
        {{"--limit", "99999999999999999999", "f"}, "option '--limit': '99999999999999999999' is more than 18446744073709551615"},
        {{"--size", "4", "13", "f"}, "option '--size': '13' is more than 12"},
        {{"--size", "-4", "5", "f"}, "option '--size': '-4' is less than 3"},
        {{"--size", "99999999999", "5", "f"}, "option '--size': '99999999999' is more than 13"},
        {{}, "missing FILE"},
        {{"--moves"}, "missing FILE"},
        {{"a", "b", "c", "d", "e"}, "unexpected argument 'd'"},
    };
    for (const auto& c : cases) {
        out.str("");
        err.str("");
        SCOPED_TRACE(c.line);
        EXPECT_EQ(read(c.args), 2);
        EXPECT_EQ(err.str(), std::string("tool: ") + c.line + "\n");
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(limit, 1000u);  // no wrong value was taken
}

TEST_F(OptionReaderTest, AProgramsOwnProblemIsSaidTheSameWay)
{
    EXPECT_EQ(reader.fail("option '--crates': 5 is more than 3", err), 2);
    EXPECT_EQ(err.str(), "tool: option '--crates': 5 is more than 3\n");
}

} // namespace
} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The tokenizer that both level readers share.
#include "level/field_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace kelvaro {
namespace {

std::vector<Field> fields(const std::string& text)
{
    std::istringstream in(text);
    FieldReader reader(in);
    std::vector<Field> out;
    while (auto f = reader.next())
        out.push_back(*f);
    return out;
}

TEST(FieldReader, SplitsAtCommasAndEveryKindOfLineEnd)
{
    auto f = fields("1,2\r\n3\n4\r5\r\n\r\n,");
    ASSERT_EQ(f.size(), 7u);
    EXPECT_EQ(f[0].value, 1);
    EXPECT_EQ(f[1].line, 1);
    EXPECT_EQ(f[2].line, 2);
    EXPECT_EQ(f[3].line, 3);
    EXPECT_EQ(f[4].value, 5);
    EXPECT_EQ(f[4].line, 4);
    EXPECT_EQ(f[5].kind, Field::Kind::empty);  // the empty line
    EXPECT_EQ(f[5].line, 5);
    EXPECT_EQ(f[6].kind, Field::Kind::empty);  // before the trailing comma
}

TEST(FieldReader, TrimsBlanksButKeepsInnerOnes)
{
    auto f = fields(" \t 42 \t\r\n 4 2\r\n");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].kind, Field::Kind::number);
    EXPECT_EQ(f[0].value, 42);
    EXPECT_EQ(f[1].kind, Field::Kind::text);
    EXPECT_EQ(f[1].text, "4 2");
}

TEST(FieldReader, NumberGrammar)
{
    struct Case {
        const char* text;
        Field::Kind kind;
        std::int64_t value;
        bool whole;
    } cases[] = {
        {"-12", Field::Kind::number, -12, true}, {"+7", Field::Kind::number, 7, true},
        {"7.9", Field::Kind::number, 8, false},  {"0.5", Field::Kind::number, 0, false},
        {".5", Field::Kind::number, 0, false},   {"3.", Field::Kind::number, 3, true},
        {"2.000", Field::Kind::number, 2, true}, {"abc", Field::Kind::text, 0, true},
        {"1e3", Field::Kind::text, 0, true},     {"-", Field::Kind::text, 0, true},
        {".", Field::Kind::text, 0, true},       {"12abc", Field::Kind::text, 0, true},
    };
    for (const auto& c : cases) {
        Field f = classifyField(c.text, 1);
        EXPECT_EQ(f.kind, c.kind) << c.text;
        EXPECT_EQ(f.value, c.value) << c.text;
        EXPECT_EQ(f.whole, c.whole) << c.text;
    }
}

TEST(FieldReader, EndlessFieldsCostBoundedMemoryAndStayOutOfRange)
{
    const std::string digits(1 << 20, '9');
    auto f = fields(digits + "\r\n-" + digits + "\r\n" + std::string(1 << 20, 'x') + "," + std::string(1 << 18, ' ') + "5");
    ASSERT_EQ(f.size(), 4u);
    EXPECT_GT(f[0].value, 1'000'000'000'000);
    EXPECT_LT(f[1].value, -1'000'000'000'000);
    EXPECT_EQ(f[2].kind, Field::Kind::text);
    EXPECT_LE(f[2].text.size(), 40u);
    EXPECT_EQ(f[3].value, 5);
}

} // namespace
} // namespace kelvaro

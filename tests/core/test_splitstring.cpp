#include "splitstring.h"

#include <gtest/gtest.h>

namespace
{
struct SplitCase {
    std::string text;
    std::string delimiters;
    std::vector<std::string> tokens;
};

class SplitStringTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitStringTest, Tokens)
{
    const SplitCase& c = GetParam();
    std::vector<std::string> tokens{"stale"};
    splitString(c.text, tokens, c.delimiters);
    EXPECT_EQ(tokens, c.tokens) << "text '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(Table, SplitStringTest,
                         ::testing::Values(SplitCase{"a b", " ", {"a", "b"}},
                                           SplitCase{"a  b", " ", {"a", "b"}},
                                           // a leading delimiter yields the rest of the text first
                                           SplitCase{";1;2", ";", {"1;2", "1", "2"}},
                                           SplitCase{";12.5;100", ";", {"12.5;100", "12.5", "100"}},
                                           SplitCase{"1;;2;", ";", {"1", "2"}},
                                           SplitCase{"1,2;3", ";,", {"1", "2", "3"}},
                                           SplitCase{"", ";", {}}, SplitCase{";;;", ";", {}},
                                           SplitCase{"   ", " ", {}},
                                           SplitCase{"a;b", "", {"a;b"}}));

// Whole fields only: a number is never cut, a decimal comma is a point.
TEST(NumberFields, Table)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"12.5", true, 12.5},   {" \t12.5 \r", true, 12.5},
        {"+7", true, 7},        {"-0.25e2", true, -25},
        {".5", true, 0.5},      {"54,426", true, 54.426},
        {"-2,5", true, -2.5},   {"0,0125", true, 0.0125},
        {"12.5ms", false, 0},   {"12,5a", false, 0},
        {"1.234,5", false, 0},  {"2,5,1", false, 0},
        {"1 2", false, 0},      {"", false, 0},
        {"  ", false, 0},       {"abc", false, 0},
        {"+-5", false, 0},      {"--5", false, 0},
        {"nan", false, 0},      {"-inf", false, 0},
        {"infinity", false, 0}, {"1e400", false, 0},
        {"-1e400", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -1;
        EXPECT_EQ(parseNumberField(c.text, value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : -1.0);
    }

    struct IntegerCase {
        const char* text;
        bool ok;
        int64_t value;
    } integers[] = {
        {"3", true, 3},    {" -2 ", true, -2}, {"+4", true, 4},
        {"3.0", false, 0}, {"3a", false, 0},   {"3,1", false, 0},
        {"", false, 0},    {"+-1", false, 0},  {"99999999999999999999", false, 0},
    };
    for (const IntegerCase& c : integers) {
        SCOPED_TRACE(c.text);
        int64_t value = -1;
        EXPECT_EQ(parseIntegerField(c.text, value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : -1);
    }
}

} // namespace

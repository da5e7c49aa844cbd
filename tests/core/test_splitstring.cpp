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
} // namespace

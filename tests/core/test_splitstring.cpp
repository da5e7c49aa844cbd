#include "splitstring.h"

#include <gtest/gtest.h>

#include <charconv>

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

// The parsers that keep the rules of files on disk, beside the shared one, over
// the same texts. A cell is what the parser reads, in shortest form, or "-"
// where it refuses the text; isExactFloat answers yes or no. Values start at 0
// as in the callers, so a text that passes without setting one reads 0.
TEST(NumberParsers, EachKeepsItsRule)
{
    struct Row {
        std::string text;
        const char* field;   // parseNumberField
        const char* integer; // parseIntegerField
        const char* count;   // parseExactCount
        const char* int32;   // parseExactInt32
        const char* cDouble; // parseExactCDouble
        const char* leading; // parseLeadingNumber
        const char* isFloat; // isExactFloat
        const char* atof;    // parseLeadingAtof
    } rows[] = {
        {"12.5", "12.5", "-", "-", "-", "12.5", "12.5", "yes", "12.5"},
        // a decimal comma: the shared field and SEG2 values only
        {"12,5", "12.5", "-", "-", "-", "-", "12.5", "no", "12"},
        {"-2,5e1", "-25", "-", "-", "-", "-", "-25", "no", "-2"},
        {"-3", "-3", "-3", "-", "-3", "-3", "-3", "yes", "-3"},
        {"+7", "7", "7", "-", "-", "-", "7", "yes", "7"},
        {"+-1", "-", "-", "-", "-", "-", "-", "no", "-"},
        {"007", "7", "7", "7", "7", "7", "7", "yes", "7"},
        {"3.0", "3", "-", "-", "-", "3", "3", "yes", "3"},
        {".5", "0.5", "-", "-", "-", "0.5", "0.5", "yes", "0.5"},
        // blanks: project archives and SEG2 tokens have none
        {" 12", "12", "12", "-", "-", "-", "-", "no", "12"},
        {"\t12", "12", "12", "-", "-", "-", "-", "no", "12"},
        {"12 ", "12", "12", "-", "-", "-", "12", "no", "12"},
        {"", "-", "-", "-", "-", "-", "-", "no", "-"},
        {"abc", "-", "-", "-", "-", "-", "-", "no", "-"},
        // trailing text: a SEG2 value and an isovalue line keep the leading number
        {"12.5ms", "-", "-", "-", "-", "-", "12.5", "no", "12.5"},
        {"12,5 ms", "-", "-", "-", "-", "-", "12.5", "no", "12"},
        {"1.234,5", "-", "-", "-", "-", "-", "1.234", "no", "1.234"},
        {"1e", "-", "-", "-", "-", "-", "1", "no", "1"},
        {"0x1A", "-", "-", "-", "-", "-", "0", "no", "0"},
        // nan and infinities: project doubles and isovalues take them
        {"nan", "-", "-", "-", "-", "nan", "-", "no", "nan"},
        {"-inf", "-", "-", "-", "-", "-inf", "-", "no", "-inf"},
        {"infinity", "-", "-", "-", "-", "inf", "-", "no", "inf"},
        // beyond the range
        {"1e400", "-", "-", "-", "-", "-", "-", "no", "inf"},
        {"-1e400", "-", "-", "-", "-", "-", "-", "no", "-inf"},
        {"1e-400", "-", "-", "-", "-", "-", "-", "yes", "0"},
        // the float range of SEG2 locations
        {"1e39", "1e+39", "-", "-", "-", "1e+39", "1e+39", "no", "1e+39"},
        {"1e-40", "1e-40", "-", "-", "-", "1e-40", "1e-40", "yes", "1e-40"},
        // integer widths
        {"2147483648", "2147483648", "2147483648", "2147483648", "-", "2147483648", "2147483648",
         "yes", "2147483648"},
        {"-2147483648", "-2147483648", "-2147483648", "-", "-2147483648", "-2147483648",
         "-2147483648", "yes", "-2147483648"},
        {"18446744073709551615", "18446744073709551616", "-", "18446744073709551615", "-",
         "18446744073709551616", "18446744073709551616", "yes", "18446744073709551616"},
        {"18446744073709551616", "18446744073709551616", "-", "-", "-", "18446744073709551616",
         "18446744073709551616", "yes", "18446744073709551616"},
    };
    // The parser runs first, then its value is shown.
    const auto cell = [](bool read, const auto& value) -> std::string {
        if (!read)
            return "-";
        char text[64];
        return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
    };
    for (const Row& r : rows) {
        SCOPED_TRACE("\"" + r.text + "\"");
        double field = 0, cDouble = 0, leading = 0, atof = 0;
        int64_t integer = 0;
        uint64_t count = 0;
        int32_t int32 = 0;
        const bool read[] = {
            parseNumberField(r.text, field),    parseIntegerField(r.text, integer),
            parseExactCount(r.text, count),     parseExactInt32(r.text, int32),
            parseExactCDouble(r.text, cDouble), parseLeadingNumber(r.text, leading)};
        EXPECT_EQ(cell(read[0], field), r.field);
        EXPECT_EQ(cell(read[1], integer), r.integer);
        EXPECT_EQ(cell(read[2], count), r.count);
        EXPECT_EQ(cell(read[3], int32), r.int32);
        EXPECT_EQ(cell(read[4], cDouble), r.cDouble);
        EXPECT_EQ(cell(read[5], leading), r.leading);
        EXPECT_EQ(isExactFloat(r.text) ? "yes" : "no", std::string(r.isFloat));
        EXPECT_EQ(cell(parseLeadingAtof(r.text, atof), atof), r.atof);
    }
}

} // namespace

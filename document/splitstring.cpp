#include "splitstring.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>

void splitString(const std::string& text, std::vector<std::string>& tokens,
                 const std::string& delimiters)
{
    tokens.clear();
    std::string::size_type start = text.find_first_not_of(delimiters);
    std::string::size_type end = text.find_first_of(delimiters);
    while (start != std::string::npos) {
        // With a leading delimiter, end lies before start: the first token is
        // then everything from start to the end of the text.
        tokens.push_back(end == std::string::npos || end < start ? text.substr(start)
                                                                 : text.substr(start, end - start));
        start = text.find_first_not_of(delimiters, end);
        end = text.find_first_of(delimiters, start);
    }
}

namespace
{
constexpr std::string_view FieldBlanks = " \t\r\v\f";

// The field without the blanks around it, and without a '+' (from_chars
// takes none) unless another sign follows it.
bool numberText(std::string_view field, std::string& text)
{
    const auto first = field.find_first_not_of(FieldBlanks);
    if (first == std::string_view::npos)
        return false;
    field = field.substr(first, field.find_last_not_of(FieldBlanks) - first + 1);
    if (field.front() == '+') {
        field.remove_prefix(1);
        if (field.empty() || field.front() == '-' || field.front() == '+')
            return false;
    }
    text.assign(field);
    return true;
}
} // namespace

bool parseNumberField(std::string_view field, double& value)
{
    std::string text;
    if (!numberText(field, text))
        return false;
    for (char& c : text)
        if (c == ',')
            c = '.';
    double v = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool parseIntegerField(std::string_view field, int64_t& value)
{
    std::string text;
    if (!numberText(field, text))
        return false;
    int64_t v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end)
        return false;
    value = v;
    return true;
}

std::string lineReason(const std::string& path, int line, const std::string& why)
{
    return path + ": line " + std::to_string(line) + ": " + why;
}

bool parseExactCount(std::string_view text, uint64_t& value)
{
    const char* last = text.data() + text.size();
    const auto result = std::from_chars(text.data(), last, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == last;
}

bool parseExactInt32(std::string_view text, int32_t& value)
{
    const char* last = text.data() + text.size();
    const auto result = std::from_chars(text.data(), last, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == last;
}

bool parseExactCDouble(std::string_view text, double& value)
{
    const char* last = text.data() + text.size();
    const auto result = std::from_chars(text.data(), last, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == last;
}

bool parseLeadingNumber(std::string_view field, double& value)
{
    std::string text(field);
    std::replace(text.begin(), text.end(), ',', '.');
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, v);
    if (ec != std::errc() || ptr == begin || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool isExactFloat(const std::string& text)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    float value;
    in >> std::noskipws >> value;
    return !in.fail() && in.eof();
}

bool parseLeadingAtof(std::string_view text, double& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && (*first == ' ' || (*first >= '\t' && *first <= '\r')))
        ++first;
    // from_chars takes a '-' but not a '+'; "+-1" must stay no number.
    if (first != last && *first == '+' && (first + 1 == last || first[1] != '-'))
        ++first;
    double read = 0.0;
    const auto [end, error] = std::from_chars(first, last, read);
    if (error == std::errc::result_out_of_range) {
        const std::string matched(first, end);
        const bool negative = *first == '-';
        const bool tiny =
            matched.find("e-") != std::string::npos || matched.find("E-") != std::string::npos;
        read = tiny ? 0.0 : HUGE_VAL;
        value = negative ? -read : read;
        return true;
    }
    if (error != std::errc())
        return false;
    value = read;
    return true;
}

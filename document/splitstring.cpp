#include "splitstring.h"

#include <charconv>
#include <cmath>

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

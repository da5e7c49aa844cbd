#include "splitstring.h"

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

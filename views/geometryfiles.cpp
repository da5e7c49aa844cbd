#include "geometryfiles.h"

#include "splitstring.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>

std::string mapDelimiter(const std::string& delimiter)
{
    return delimiter == BlankSpaceDelimiter ? std::string(" ") : delimiter;
}

double parseNumber(const std::string& field)
{
    const char* first = field.data();
    const char* last = first + field.size();
    while (first != last && (*first == ' ' || (*first >= '\t' && *first <= '\r')))
        ++first;
    // from_chars takes a '-' but not a '+'; "+-1" must stay no number.
    if (first != last && *first == '+' && (first + 1 == last || first[1] != '-'))
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        const std::string matched(first, end);
        const bool negative = *first == '-';
        const bool tiny =
            matched.find("e-") != std::string::npos || matched.find("E-") != std::string::npos;
        value = tiny ? 0.0 : HUGE_VAL;
        return negative ? -value : value;
    }
    return error == std::errc() ? value : 0.0;
}

std::string formatNumber(double value)
{
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

ReadResult readFields(const std::string& fileName, const std::string& delimiter,
                      const std::function<bool(const std::vector<std::string>&)>& onLine)
{
    std::ifstream in(fileName);
    if (!in)
        return ReadResult::Unreadable;
    const std::string separators = mapDelimiter(delimiter);
    std::string line;
    std::vector<std::string> fields;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        splitString(line, fields, separators);
        if (!fields.empty() && !onLine(fields))
            return ReadResult::ShortLine;
    }
    return in.bad() ? ReadResult::Unreadable : ReadResult::Complete;
}

namespace
{
std::string joinedNumbers(const std::vector<double>& numbers, const std::string& separator)
{
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            text += separator;
        text += formatNumber(numbers[i]);
    }
    return text;
}

// Writes the given lines; a full disk shows up at the flush or the close.
template <typename LineWriter>
int writeLines(const std::string& fileName, size_t count, LineWriter lineAt)
{
    std::ofstream out(fileName, std::ios::out | std::ios::trunc);
    if (!out)
        return 1;
    for (size_t k = 0; k < count && out; ++k)
        out << lineAt(k) << '\n';
    out.flush();
    const bool written = bool(out);
    out.close();
    return written && !out.fail() ? 0 : 1;
}
} // namespace

int readCSV(const std::string& fileName, const std::string& delimiter,
            std::vector<std::string>& labels, std::vector<std::vector<double>>& rows)
{
    labels.clear();
    rows.clear();
    std::vector<double> numbers;
    const ReadResult result =
        readFields(fileName, delimiter, [&](const std::vector<std::string>& fields) {
            labels.push_back(fields[0]);
            std::cout << fields[0] << std::endl;
            numbers.clear();
            for (size_t i = 1; i < fields.size(); ++i) {
                numbers.push_back(parseNumber(fields[i]));
                std::cout << numbers.back() << std::endl;
            }
            if (numbers.size() < 2)
                return false;
            rows.push_back(numbers);
            return true;
        });
    if (result == ReadResult::Unreadable) {
        labels.clear();
        rows.clear();
    }
    return result == ReadResult::Complete ? 0 : 1;
}

int writeCSV(const std::string& fileName, const std::string& delimiter,
             const std::vector<std::string>& labels, const std::vector<std::vector<double>>& rows)
{
    if (labels.size() != rows.size())
        return 1;
    const std::string separator = mapDelimiter(delimiter);
    // A label is usually a file path, which may hold the delimiter itself.
    const std::string forbidden = separator + "\r\n";
    return writeLines(fileName, rows.size(), [&](size_t k) {
        std::string line = labels[k];
        for (char& c : line)
            if (forbidden.find(c) != std::string::npos)
                c = '_';
        if (!rows[k].empty())
            line += separator + joinedNumbers(rows[k], separator);
        return line;
    });
}

int readGeophoneCSV(const std::string& fileName, const std::string& delimiter,
                    std::vector<std::vector<double>>& rows)
{
    rows.clear();
    std::vector<double> numbers;
    const ReadResult result =
        readFields(fileName, delimiter, [&](const std::vector<std::string>& fields) {
            numbers.clear();
            for (const std::string& field : fields)
                numbers.push_back(parseNumber(field));
            if (numbers.size() < 2)
                return false;
            rows.push_back(numbers);
            return true;
        });
    if (result == ReadResult::Unreadable)
        rows.clear();
    return result == ReadResult::Complete ? 0 : 1;
}

int writeGeophoneCSV(const std::string& fileName, const std::string& delimiter,
                     const std::vector<std::vector<double>>& rows)
{
    const std::string separator = mapDelimiter(delimiter);
    return writeLines(fileName, rows.size(),
                      [&](size_t k) { return joinedNumbers(rows[k], separator); });
}

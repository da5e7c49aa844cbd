#include "geometryfiles.h"

#include "splitstring.h"
#include "targetfile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>

std::string mapDelimiter(const std::string& delimiter)
{
    return delimiter == BlankSpaceDelimiter ? std::string(" ") : delimiter;
}

std::string formatNumber(double value)
{
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

ReadResult readFields(const std::string& fileName, const std::string& delimiter,
                      const std::function<bool(const std::vector<std::string>&, int)>& onLine,
                      bool skipLeadingDelimiters)
{
    std::ifstream in(fileName);
    if (!in)
        return ReadResult::Unreadable;
    const std::string separators = mapDelimiter(delimiter);
    std::string line;
    std::vector<std::string> fields;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (skipLeadingDelimiters)
            line.erase(0, std::min(line.find_first_not_of(separators), line.size()));
        splitString(line, fields, separators);
        if (!fields.empty() && !onLine(fields, number))
            return ReadResult::Rejected;
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

// Writes the given lines whole or not at all: an older file stays as it was
// when the disk is full.
template <typename LineWriter>
int writeLines(const std::string& fileName, size_t count, LineWriter lineAt, std::string* error)
{
    std::string text;
    for (size_t k = 0; k < count; ++k)
        text += lineAt(k) + '\n';
    return writeWholeFile(fileName, text, error) ? 0 : 1;
}
} // namespace

namespace
{
// The shortest text that reads back as value: a limit in a message must not
// be rounded (9999999.99, not 1e+07).
std::string exactNumber(double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// Reads the numbers of one line's fields into numbers; on a bad field or too
// few numbers, says why in error and returns false.
bool readNumbers(const std::string& fileName, int line,
                 std::vector<std::string>::const_iterator first,
                 std::vector<std::string>::const_iterator last,
                 const std::vector<NumberRange>& ranges, std::vector<double>& numbers,
                 std::string& error)
{
    const std::string at = lineReason(fileName, line, "");
    numbers.clear();
    for (auto field = first; field != last; ++field) {
        double value;
        if (!parseNumberField(*field, value)) {
            error = at + "not a number: " + *field;
            return false;
        }
        // A value the editors cannot show must not be clamped silently.
        const size_t k = numbers.size();
        if (k < ranges.size() && !(value >= ranges[k].min && value <= ranges[k].max)) {
            error = at + "out of range: " + *field + " (from " + exactNumber(ranges[k].min) +
                    " to " + exactNumber(ranges[k].max) + ")";
            return false;
        }
        numbers.push_back(value);
    }
    if (numbers.size() < 2) {
        error = at + "fewer than two numbers";
        return false;
    }
    return true;
}

void setError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}
} // namespace

int readCSV(const std::string& fileName, const std::string& delimiter,
            std::vector<std::string>& labels, std::vector<std::vector<double>>& rows,
            std::string* error)
{
    labels.clear();
    rows.clear();
    std::vector<double> numbers;
    std::string why;
    const ReadResult result =
        readFields(fileName, delimiter, [&](const std::vector<std::string>& fields, int line) {
            labels.push_back(fields[0]);
            std::cout << fields[0] << std::endl;
            const bool read =
                readNumbers(fileName, line, fields.begin() + 1, fields.end(), {}, numbers, why);
            for (double number : numbers)
                std::cout << number << std::endl;
            if (read)
                rows.push_back(numbers);
            return read;
        });
    if (result == ReadResult::Unreadable) {
        labels.clear();
        rows.clear();
        why = fileName + ": cannot be read";
    }
    setError(error, why);
    return result == ReadResult::Complete ? 0 : 1;
}

int writeCSV(const std::string& fileName, const std::string& delimiter,
             const std::vector<std::string>& labels, const std::vector<std::vector<double>>& rows,
             std::string* error)
{
    if (labels.size() != rows.size()) {
        setError(error, "the labels do not match the rows");
        return 1;
    }
    const std::string separator = mapDelimiter(delimiter);
    // A label is usually a file path, which may hold the delimiter itself.
    const std::string forbidden = separator + "\r\n";
    return writeLines(
        fileName, rows.size(),
        [&](size_t k) {
            std::string line = labels[k];
            for (char& c : line)
                if (forbidden.find(c) != std::string::npos)
                    c = '_';
            if (!rows[k].empty())
                line += separator + joinedNumbers(rows[k], separator);
            return line;
        },
        error);
}

int readGeophoneCSV(const std::string& fileName, const std::string& delimiter,
                    std::vector<std::vector<double>>& rows, std::string* error,
                    const std::vector<NumberRange>& ranges)
{
    rows.clear();
    std::vector<double> numbers;
    std::string why;
    const ReadResult result = readFields(
        fileName, delimiter,
        [&](const std::vector<std::string>& fields, int line) {
            if (!readNumbers(fileName, line, fields.begin(), fields.end(), ranges, numbers, why))
                return false;
            rows.push_back(numbers);
            return true;
        },
        // Without labels, a line that begins with delimiters (blanks, say)
        // has no rest-of-line label to give.
        true);
    if (result == ReadResult::Unreadable) {
        rows.clear();
        why = fileName + ": cannot be read";
    }
    setError(error, why);
    return result == ReadResult::Complete ? 0 : 1;
}

int writeGeophoneCSV(const std::string& fileName, const std::string& delimiter,
                     const std::vector<std::vector<double>>& rows, std::string* error)
{
    const std::string separator = mapDelimiter(delimiter);
    return writeLines(
        fileName, rows.size(), [&](size_t k) { return joinedNumbers(rows[k], separator); }, error);
}

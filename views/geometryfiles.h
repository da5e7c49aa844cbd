#pragma once
// Shot and geophone geometry as delimited text: one line per shot (label, x,
// elevation) or per geophone (x, elevation). No header row, no quoting; the
// user picks the delimiter each time. Positions in metres.

#include <functional>
#include <string>
#include <vector>

// The delimiter list's text for a blank, as SelectCSVDelimiterDialog returns it.
inline constexpr const char* BlankSpaceDelimiter = "(blank space)";

// Maps "(blank space)" to " "; any other text is a set of separator characters.
std::string mapDelimiter(const std::string& delimiter);

// printf's "%.6g" in the C locale: 1234.5678 -> "1234.57", 1234567 -> "1.23457e+06".
std::string formatNumber(double value);

enum class ReadResult { Complete, Rejected, Unreadable };

// Hands every line with fields to onLine, with its 1-based line number, split
// as the readers below split them (optionally after dropping the delimiters
// that begin the line); onLine returns false for a line it rejects, which
// ends the read.
ReadResult readFields(const std::string& fileName, const std::string& delimiter,
                      const std::function<bool(const std::vector<std::string>&, int)>& onLine,
                      bool skipLeadingDelimiters = false);

// The values a column may hold, bounds included.
struct NumberRange {
    double min;
    double max;
};

// All four return 0 on success and 1 on failure.
//
// Readers: every delimiter character separates and runs count as one; in a
// labelled file a line that begins with delimiters yields the rest of the line
// as its label (splitString), in a geophone file leading delimiters are
// skipped. One trailing '\r' per line is dropped; lines without fields are
// skipped; lines may be of any length. Every number is a whole field
// (parseNumberField): a decimal comma reads as a point where ',' is not the
// delimiter, and a field with anything else in it ("12.5x", "nan", "1e400"),
// a number outside ranges[k] for the k-th number of a geophone line, or a line with
// fewer than two numbers fails the read at once. The outputs then hold what
// came before that line (readCSV's labels hold the failing line's label too),
// and `error`, when given, says why: "<path>: line <n>: not a number: <field>",
// "... out of range: <field> (from <min> to <max>)" or "... fewer than two
// numbers". A file that cannot be opened or read fails with empty outputs.
//
// Writers: numbers as formatNumber, no delimiter after the last field, "\n"
// after every line. writeCSV replaces delimiter and line-end characters inside
// a label by '_' so the line reads back as written, and refuses unequal label
// and row counts before touching the file. The file is written whole or not
// at all (writeWholeFile): a failure gives 1, leaves an older file as it was
// and says why in `error`.

// readCSV echoes each label and number to standard output.
int readCSV(const std::string& fileName, const std::string& delimiter,
            std::vector<std::string>& labels, std::vector<std::vector<double>>& rows,
            std::string* error = nullptr);
int writeCSV(const std::string& fileName, const std::string& delimiter,
             const std::vector<std::string>& labels, const std::vector<std::vector<double>>& rows,
             std::string* error = nullptr);
int readGeophoneCSV(const std::string& fileName, const std::string& delimiter,
                    std::vector<std::vector<double>>& rows, std::string* error = nullptr,
                    const std::vector<NumberRange>& ranges = {});
int writeGeophoneCSV(const std::string& fileName, const std::string& delimiter,
                     const std::vector<std::vector<double>>& rows, std::string* error = nullptr);

#include "traveltimeconversions.h"

#include "ottewriter.h"
#include "splitstring.h"
#include "targetfile.h"

#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>
#include <stdexcept>

namespace
{

struct Lists {
    std::vector<TravelTimeShot> records;
    ReceiverSpreads spreads;
    std::vector<ImportedDataFile> shots;
};

// Why a file is refused; caught where the conversion returns its status.
class Refusal : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

int fail(std::string* reason, const std::string& why)
{
    std::cerr << why << '\n';
    if (reason)
        *reason = why;
    return 1;
}

// What can be told of the output before any input is read: a name, none of
// the inputs (a failed conversion would otherwise have destroyed its own
// input), a place writeWholeFile accepts.
int checkOutput(const std::vector<std::string>& inputs, const std::string& output,
                std::string* reason)
{
    if (output.empty())
        return fail(reason, "no output file is given");
    for (const std::string& input : inputs)
        if (sameFile(input, output))
            return fail(reason, "the output file " + output + " is the input file " + input);
    if (const std::string problem = targetProblem(output); !problem.empty())
        return fail(reason, problem);
    return 0;
}

int write(const std::string& output, const Lists& lists, std::string* reason)
{
    std::ostringstream bytes;
    std::size_t bad = 0;
    if (writeOtte(bytes, lists.records, lists.spreads, lists.shots, &bad) != OtteWriteResult::Ok)
        return fail(reason, "travel-time record " + std::to_string(bad + 1) +
                                " does not fit its spread or its shot");
    std::string why;
    if (!writeWholeFile(output, bytes.str(), &why))
        return fail(reason, why);
    return 0;
}

// A conversion through one of the main program's parsers.
using Parser = int (*)(const std::string&, std::vector<ImportedShot>&, ReceiverSpreads&,
                       std::vector<ImportedDataFile>&, std::string*);

int convertWith(Parser parse, const std::string& input, const std::string& output,
                std::string* reason)
{
    if (checkOutput({input}, output, reason))
        return 1;
    Lists lists;
    std::string why;
    if (parse(input, lists.records, lists.spreads, lists.shots, &why) != TravelTimeResult::Ok)
        return fail(reason, why.empty() ? input + " cannot be read" : why);
    return write(output, lists, reason);
}

// The lines of one file, each with its fields; a missing line or field, or a
// field that is not the number asked for, refuses the file naming the line.
class FieldReader
{
public:
    FieldReader(std::istream& in, const std::string& path, const char* separators)
        : in(in), path(path), separators(separators)
    {
    }

    // The fields of the next line, which must hold at least count of them.
    // what says what the line should be, for the end of the file.
    const std::vector<std::string>& next(size_t count, const std::string& what)
    {
        std::string line;
        ++lineNumber;
        if (!readTrimmedLine(in, line))
            refuse("the file ends where " + what + " should be");
        fields = splitRuns(line, separators);
        if (fields.size() < count)
            refuse(std::to_string(count) + " fields expected, " + std::to_string(fields.size()) +
                   " found");
        return fields;
    }

    double real(size_t i) const
    {
        double value = 0.0;
        if (!parseNumberField(fields.at(i), value))
            refuse("not a number: " + fields.at(i));
        return value;
    }

    int integer(size_t i) const
    {
        int64_t value = 0;
        if (!parseIntegerField(fields.at(i), value))
            refuse("not a whole number: " + fields.at(i));
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            refuse("number out of range: " + fields.at(i));
        return int(value);
    }

    bool atEnd() { return in.peek() == std::char_traits<char>::eof(); }
    int line() const { return lineNumber; }

    [[noreturn]] void refuse(const std::string& why) const
    {
        throw Refusal(lineReason(path, lineNumber, why));
    }

private:
    std::istream& in;
    const std::string& path;
    const char* separators;
    std::vector<std::string> fields;
    int lineNumber = 0;
};

// Runs read, turning a refusal into status 1 and its reason. Nothing is
// appended to the lists unless the whole file was read.
template <typename Read>
int readWhole(const std::string& path, Lists& lists, std::string* reason, const char* separators,
              Read read)
{
    std::ifstream in(path);
    if (!in)
        return fail(reason, path + " cannot be opened");
    Lists added = lists;
    try {
        FieldReader lines(in, path, separators);
        read(lines, added);
    } catch (const Refusal& e) {
        return fail(reason, e.what());
    }
    lists = std::move(added);
    return 0;
}

void readSeisImager(FieldReader& lines, Lists& lists)
{
    lines.next(0, "the title line");
    lines.next(2, "the line of the shot count");
    const int shotCount = lines.integer(1);
    if (shotCount < 1)
        lines.refuse("shot count " + std::to_string(shotCount) + ": at least 1 expected");
    for (int id = 0; id < shotCount; ++id) {
        const std::string shot = "shot " + std::to_string(id + 1) + " of the " +
                                 std::to_string(shotCount) + " on line 2";
        lines.next(2, "the first line of " + shot);
        const double x = lines.real(0);
        const int picks = lines.integer(1);
        // "0 0" is the trailer that ends the shots: a count one too large
        // reaches it.
        if (picks < 1)
            lines.refuse("pick count " + std::to_string(picks) + " where " + shot +
                         " should begin: at least 1 pick expected");
        std::vector<Point2D> receivers;
        std::vector<double> times;
        for (int j = 0; j < picks; ++j) {
            lines.next(2, "pick " + std::to_string(j + 1) + " of the " + std::to_string(picks) +
                              " of " + shot);
            receivers.push_back({lines.real(0), 0.0});
            times.push_back(lines.real(1) / 1000.0);
        }
        lists.shots.push_back({{x, 0.0}, {}});
        const int32_t spread = matchSpread(lists.spreads, std::move(receivers));
        lists.records.push_back({spread, id, x, 0.0, std::move(times)});
    }
}

} // namespace

int readSeisImagerTravelTimes(const std::string& path, std::vector<TravelTimeShot>& records,
                              ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shots,
                              std::string* reason)
{
    Lists lists{std::move(records), std::move(spreads), std::move(shots)};
    const int status = readWhole(path, lists, reason, " ", readSeisImager);
    records = std::move(lists.records);
    spreads = std::move(lists.spreads);
    shots = std::move(lists.shots);
    return status;
}

int readGenericTextTravelTimes(const std::string& path, std::vector<TravelTimeShot>& records,
                               ReceiverSpreads& spreads, const Point2D& shot, int shotId,
                               std::string* reason)
{
    Lists lists{std::move(records), std::move(spreads), {}};
    const int status = readWhole(path, lists, reason, ";", [&](FieldReader& lines, Lists& added) {
        std::vector<Point2D> receivers;
        std::vector<double> times;
        while (!lines.atEnd()) {
            lines.next(3, "a line x;z;t");
            receivers.push_back({lines.real(0), lines.real(1)});
            times.push_back(lines.real(2));
        }
        const int32_t spread = matchSpread(added.spreads, std::move(receivers));
        added.records.push_back({spread, shotId, shot.x, shot.z, std::move(times)});
    });
    records = std::move(lists.records);
    spreads = std::move(lists.spreads);
    return status;
}

int convertGeogigaToOtte(const std::string& input, const std::string& output, std::string* reason)
{
    return convertWith(readTravelTimesTXT, input, output, reason);
}

int convertWinsismXyzToOtte(const std::string& input, const std::string& output,
                            std::string* reason)
{
    return convertWith(readTravelTimesXYZ, input, output, reason);
}

int convertSeisImagerToOtte(const std::string& input, const std::string& output,
                            std::string* reason)
{
    return convertSeisImagerFilesToOtte({input}, output, reason);
}

int convertSeisImagerFilesToOtte(const std::vector<std::string>& inputs, const std::string& output,
                                 std::string* reason)
{
    if (inputs.empty())
        return fail(reason, "no SeisImager file is chosen");
    if (checkOutput(inputs, output, reason))
        return 1;
    Lists lists;
    for (const std::string& input : inputs)
        if (readSeisImagerTravelTimes(input, lists.records, lists.spreads, lists.shots, reason))
            return 1;
    // The shot lines hold one entry per record, in reading order: record k's
    // shot is entry k, whichever file and place in it the shot came from.
    for (size_t k = 0; k < lists.records.size(); ++k)
        lists.records[k].shotIndex = int32_t(k);
    return write(output, lists, reason);
}

int convertGenericTextToOtte(const std::vector<std::string>& inputs, const std::string& output,
                             const std::vector<double>& shotX, const std::vector<double>& shotZ,
                             std::string* reason)
{
    if (inputs.empty())
        return fail(reason, "no text file is chosen");
    if (checkOutput(inputs, output, reason))
        return 1;
    Lists lists;
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (i >= shotX.size() || i >= shotZ.size())
            return fail(reason, "no shot position is given for " + inputs[i]);
        const Point2D shot{shotX[i], shotZ[i]};
        lists.shots.push_back({shot, {}});
        if (readGenericTextTravelTimes(inputs[i], lists.records, lists.spreads, shot, int(i),
                                       reason))
            return 1;
    }
    return write(output, lists, reason);
}

#include "traveltimeconversions.h"

#include "ottewriter.h"

#include <charconv>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace
{

struct Lists {
    std::vector<TravelTimeShot> records;
    ReceiverSpreads spreads;
    std::vector<ImportedDataFile> shots;
};

int write(const std::string& output, const Lists& lists)
{
    return writeOtteFile(output, lists.records, lists.spreads, lists.shots) == OtteWriteResult::Ok
               ? 0
               : 1;
}

// A conversion through one of the main program's parsers.
using Parser = int (*)(const std::string&, std::vector<ImportedShot>&, ReceiverSpreads&,
                       std::vector<ImportedDataFile>&, std::string*);

int convertWith(Parser parse, const std::string& input, const std::string& output)
{
    Lists lists;
    if (parse(input, lists.records, lists.spreads, lists.shots, nullptr) != TravelTimeResult::Ok)
        return 1;
    return write(output, lists);
}

// The lines of one file, each with its fields; a missing line or field is the
// exception that ends the conversion.
class FieldReader
{
public:
    FieldReader(std::istream& in, const std::string& path, const char* separators)
        : in(in), path(path), separators(separators)
    {
    }

    // The fields of the next line, which must hold at least count of them.
    const std::vector<std::string>& next(size_t count)
    {
        std::string line;
        ++lineNumber;
        if (!readTrimmedLine(in, line))
            throw std::out_of_range(path + ": line " + std::to_string(lineNumber) +
                                    ": unexpected end of file");
        fields = splitRuns(line, separators);
        if (fields.size() < count)
            throw std::out_of_range(path + ": line " + std::to_string(lineNumber) + ": " +
                                    std::to_string(count) + " fields expected");
        return fields;
    }

    bool atEnd() { return in.peek() == std::char_traits<char>::eof(); }

private:
    std::istream& in;
    const std::string& path;
    const char* separators;
    std::vector<std::string> fields;
    int lineNumber = 0;
};

double real(const std::string& field)
{
    double value = 0.0;
    return parseLeadingNumber(field, value) ? value : 0.0;
}

// The leading integer of a field, as atoi reads it (0 when there is none),
// kept within int.
int integer(const std::string& field)
{
    const auto start = field.find_first_not_of(" \t");
    if (start == std::string::npos)
        return 0;
    const char* p = field.data() + start;
    const char* end = field.data() + field.size();
    if (*p == '+')
        ++p;
    long long value = 0;
    const auto result = std::from_chars(p, end, value);
    if (result.ec == std::errc::result_out_of_range)
        return *p == '-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    if (result.ec != std::errc())
        return 0;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(value);
}

} // namespace

int readSeisImagerTravelTimes(const std::string& path, std::vector<TravelTimeShot>& records,
                              ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shots)
{
    std::ifstream in(path);
    if (!in)
        return 1;
    FieldReader lines(in, path, " ");
    lines.next(0);
    const int shotCount = integer(lines.next(2)[1]);
    for (int id = 0; id < shotCount; ++id) {
        const auto& shotLine = lines.next(2);
        const double x = real(shotLine[0]);
        const int picks = integer(shotLine[1]);
        shots.push_back({{x, 0.0}, {}});
        std::vector<Point2D> receivers;
        std::vector<double> times;
        for (int j = 0; j < picks; ++j) {
            const auto& pick = lines.next(2);
            receivers.push_back({real(pick[0]), 0.0});
            times.push_back(real(pick[1]) / 1000.0);
        }
        const int32_t spread = matchSpread(spreads, std::move(receivers));
        records.push_back({spread, id, x, 0.0, std::move(times)});
    }
    return 0;
}

int readGenericTextTravelTimes(const std::string& path, std::vector<TravelTimeShot>& records,
                               ReceiverSpreads& spreads, const Point2D& shot, int shotId)
{
    std::ifstream in(path);
    if (!in)
        return 1;
    FieldReader lines(in, path, ";");
    std::vector<Point2D> receivers;
    std::vector<double> times;
    while (!lines.atEnd()) {
        const auto& fields = lines.next(3);
        receivers.push_back({real(fields[0]), real(fields[1])});
        times.push_back(real(fields[2]));
    }
    const int32_t spread = matchSpread(spreads, std::move(receivers));
    records.push_back({spread, shotId, shot.x, shot.z, std::move(times)});
    return 0;
}

int convertGeogigaToOtte(const std::string& input, const std::string& output)
{
    return convertWith(readTravelTimesTXT, input, output);
}

int convertWinsismXyzToOtte(const std::string& input, const std::string& output)
{
    return convertWith(readTravelTimesXYZ, input, output);
}

int convertSeisImagerToOtte(const std::string& input, const std::string& output)
{
    return convertSeisImagerFilesToOtte({input}, output);
}

int convertSeisImagerFilesToOtte(const std::vector<std::string>& inputs, const std::string& output)
{
    Lists lists;
    for (const std::string& input : inputs)
        if (const int status =
                readSeisImagerTravelTimes(input, lists.records, lists.spreads, lists.shots))
            return status;
    // The shot lines hold one entry per record, in reading order: record k's
    // shot is entry k, whichever file and place in it the shot came from.
    for (size_t k = 0; k < lists.records.size(); ++k)
        lists.records[k].shotIndex = int32_t(k);
    return write(output, lists);
}

int convertGenericTextToOtte(const std::vector<std::string>& inputs, const std::string& output,
                             const std::vector<double>& shotX, const std::vector<double>& shotZ)
{
    Lists lists;
    for (size_t i = 0; i < inputs.size(); ++i) {
        const Point2D shot{shotX.at(i), shotZ.at(i)};
        lists.shots.push_back({shot, {}});
        if (const int status =
                readGenericTextTravelTimes(inputs[i], lists.records, lists.spreads, shot, int(i)))
            return status;
    }
    return write(output, lists);
}

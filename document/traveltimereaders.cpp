#include "traveltimereaders.h"

#include "splitstring.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <set>

namespace
{

constexpr const char* Blanks = " \t";
constexpr const char* WhiteSpace = " \t\r\v\f";

// Reads lines, removing the CR of a CRLF line end, and words across lines.
class LineReader
{
public:
    explicit LineReader(std::istream& in) : in(in) {}

    // The next line; whatever word() left of the current one is dropped.
    bool line(std::string& out)
    {
        rest.clear();
        pos = 0;
        return next(out);
    }

    // The next white-space separated word, reading further lines as needed.
    bool word(std::string& out)
    {
        for (;;) {
            pos = rest.find_first_not_of(WhiteSpace, pos);
            if (pos != std::string::npos) {
                const auto end = rest.find_first_of(WhiteSpace, pos);
                out = rest.substr(pos, end - pos);
                pos = end;
                return true;
            }
            pos = 0;
            if (!next(rest))
                return false;
        }
    }

    int number() const { return count; }

private:
    bool next(std::string& out)
    {
        if (!std::getline(in, out))
            return false;
        ++count;
        if (!out.empty() && out.back() == '\r')
            out.pop_back();
        return true;
    }

    std::istream& in;
    std::string rest;
    std::string::size_type pos = 0;
    int count = 0;
};

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(WhiteSpace);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(WhiteSpace) - first + 1);
}

// Where a reader's messages go.
class Report
{
public:
    Report(const std::string& name, std::string* error) : name(name), error(error) {}

    int fail(const std::string& text, bool toStderr = true) const
    {
        const std::string message = name + ": " + text;
        if (toStderr)
            std::cerr << message << '\n';
        if (error)
            *error = message;
        return TravelTimeResult::Invalid;
    }
    int failAt(int line, const std::string& text, bool toStderr = true) const
    {
        return fail("line " + std::to_string(line) + ": " + text, toStderr);
    }
    int notANumber(int line, const std::string& field) const
    {
        return failAt(line, "not a number: " + trimmed(field));
    }
    int endOfFile() const { return fail("unexpected end of file"); }

    // Texts whose wording is fixed: written as they stand, logged with the name.
    int failWith(const std::string& text) const
    {
        std::cerr << text << '\n';
        if (error)
            *error = name + ": " + text;
        return TravelTimeResult::Invalid;
    }

private:
    const std::string& name;
    std::string* error;
};

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(WhiteSpace) == std::string_view::npos;
}

} // namespace

// The converter's readers split and match spreads the same way.
std::vector<std::string> splitRuns(const std::string& text, const char* delimiters)
{
    std::vector<std::string> fields;
    auto start = text.find_first_not_of(delimiters);
    while (start != std::string::npos) {
        const auto end = text.find_first_of(delimiters, start);
        fields.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(delimiters, end);
    }
    return fields;
}

namespace
{

// Every field between delimiters, empty ones included.
std::vector<std::string> splitAll(const std::string& text, const std::string& delimiters)
{
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find_first_of(delimiters, start);
        fields.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return fields;
        start = end + 1;
    }
}

} // namespace

int32_t matchSpread(ReceiverSpreads& spreads, std::vector<Point2D>&& receivers)
{
    if (!receivers.empty())
        for (size_t i = 0; i < spreads.size(); ++i) {
            const auto& s = spreads[i];
            if (s.size() == receivers.size() && std::equal(s.begin(), s.end(), receivers.begin(),
                                                           [](const Point2D& a, const Point2D& b) {
                                                               return a.x == b.x && a.z == b.z;
                                                           }))
                return int32_t(i);
        }
    spreads.push_back(std::move(receivers));
    return int32_t(spreads.size() - 1);
}

namespace
{

void clearLists(std::vector<ImportedShot>& shots, ReceiverSpreads& spreads,
                std::vector<ImportedDataFile>& shotFiles)
{
    shots.clear();
    spreads.clear();
    shotFiles.clear();
}

// ---- OTTE ----

// One ";" value line: empty pieces are skipped.
bool readOtteValues(LineReader& lines, const Report& report, std::vector<double>& values,
                    int& result)
{
    std::string line;
    if (!lines.line(line)) {
        result = report.endOfFile();
        return false;
    }
    values.clear();
    for (const std::string& piece : splitRuns(line, ";")) {
        if (isBlank(piece))
            continue;
        double v;
        if (!parseNumberField(piece, v)) {
            result = report.notANumber(lines.number(), piece);
            return false;
        }
        values.push_back(v);
    }
    return true;
}

// An x line and a z line paired value by value; the z line may be longer.
bool readOttePositions(LineReader& lines, const Report& report, std::vector<Point2D>& points,
                       int& result)
{
    std::vector<double> xs, zs;
    if (!readOtteValues(lines, report, xs, result) || !readOtteValues(lines, report, zs, result))
        return false;
    if (zs.size() < xs.size()) {
        result = report.failAt(lines.number(), "elevation line shorter than its x line");
        return false;
    }
    points.clear();
    for (size_t i = 0; i < xs.size(); ++i)
        points.push_back({xs[i], zs[i]});
    return true;
}

int readOtte(std::istream& in, const Report& report, std::vector<ImportedShot>& shots,
             ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles)
{
    LineReader lines(in);
    std::string line, word;
    if (!lines.line(line) || line != "otte")
        return report.fail("not an OTTE file", false);

    // Version (real) and a constant, both unused, then the spread count; the
    // count only bounds the loop, which the end of the file ends sooner.
    double version;
    int64_t header[2]; // constant, spread count: unsigned 32-bit
    if (!lines.word(word))
        return report.endOfFile();
    if (!parseNumberField(word, version))
        return report.notANumber(lines.number(), word);
    for (int64_t& value : header) {
        if (!lines.word(word))
            return report.endOfFile();
        if (!parseIntegerField(word, value))
            return report.notANumber(lines.number(), word);
        if (value < 0 || value > std::numeric_limits<uint32_t>::max())
            return report.failAt(lines.number(), "invalid count: " + word);
    }
    const int64_t spreadCount = header[1];

    int result = TravelTimeResult::Ok;
    std::vector<Point2D> points;
    for (int64_t s = 0; s < spreadCount; ++s) {
        if (!readOttePositions(lines, report, points, result))
            return result;
        spreads.push_back(points);
    }
    if (!readOttePositions(lines, report, points, result))
        return result;
    for (const Point2D& p : points)
        shotFiles.push_back({p, {}});

    // Shot blocks up to the end; only white space may follow the last one.
    while (lines.word(word)) {
        int64_t spread, shot;
        if (!parseIntegerField(word, spread))
            return report.notANumber(lines.number(), word);
        if (spread < 0 || uint64_t(spread) >= spreads.size())
            return report.failAt(lines.number(), "spread index " + word + " out of range");
        if (!lines.word(word))
            return report.endOfFile();
        if (!parseIntegerField(word, shot))
            return report.notANumber(lines.number(), word);
        if (shot < 0 || uint64_t(shot) >= shotFiles.size())
            return report.failAt(lines.number(), "shot index " + word + " out of range");

        ImportedShot record;
        if (!readOtteValues(lines, report, record.times, result))
            return result;
        const size_t receivers = spreads[size_t(spread)].size();
        if (record.times.size() != receivers)
            return report.failAt(lines.number(), std::to_string(record.times.size()) +
                                                     " times for " + std::to_string(receivers) +
                                                     " receivers");
        for (double& t : record.times)
            t /= 1000.0;
        record.spreadIndex = int32_t(spread);
        record.shotIndex = int32_t(shot);
        record.x = shotFiles[size_t(shot)].position.x;
        record.z = shotFiles[size_t(shot)].position.z;
        shots.push_back(std::move(record));
    }
    return TravelTimeResult::Ok;
}

// ---- Geogiga keyword text ----

// The value after "KEYWORD:" on the next keyword line. A line whose first
// field is not the keyword ends the read silently, as the format always did.
bool keywordValue(LineReader& lines, const Report& report, const std::string& line,
                  const char* keyword, std::string& value, int& result)
{
    std::vector<std::string> fields;
    splitString(line, fields, ":");
    if (fields.empty() || fields[0] != keyword) {
        result = report.failAt(lines.number(), std::string("expected ") + keyword, false);
        return false;
    }
    if (fields.size() < 2 || isBlank(fields[1])) {
        result = report.failAt(lines.number(), std::string("no value after ") + keyword);
        return false;
    }
    value = fields[1];
    return true;
}

bool nextKeywordNumber(LineReader& lines, const Report& report, const char* keyword, double& value,
                       int& result)
{
    std::string line, text;
    if (!lines.line(line)) {
        result = report.endOfFile();
        return false;
    }
    if (!keywordValue(lines, report, line, keyword, text, result))
        return false;
    if (!parseNumberField(text, value)) {
        result = report.notANumber(lines.number(), text);
        return false;
    }
    return true;
}

bool firstWordIs(const std::string& line, const char* expected)
{
    std::vector<std::string> fields;
    splitString(line, fields, " ");
    return !fields.empty() && fields[0] == expected;
}

int readGeogiga(std::istream& in, const Report& report, std::vector<ImportedShot>& shots,
                ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles)
{
    LineReader lines(in);
    std::string line, text;
    if (!lines.line(line))
        return report.endOfFile();
    if (!firstWordIs(line, "TX_CURVE"))
        return report.failAt(lines.number(), "expected TX_CURVE", false);
    if (!lines.line(line))
        return report.endOfFile();
    if (!firstWordIs(line, "VERSION:"))
        return report.failAt(lines.number(), "expected VERSION:", false);

    std::vector<std::string> fields;
    do {
        if (!lines.line(line))
            return report.endOfFile();
        splitString(line, fields, ":");
    } while (!fields.empty() && fields[0] == "INFO");

    int result = TravelTimeResult::Ok;
    double elevation, shotCount;
    if (!keywordValue(lines, report, line, "ELEVATION", text, result))
        return result;
    if (!parseNumberField(text, elevation))
        return report.notANumber(lines.number(), text);
    if (!nextKeywordNumber(lines, report, "TOTAL_NUMBER_OF_SHOTS", shotCount, result))
        return result;
    const double count = std::trunc(shotCount);
    if (count < 0.0 || count > std::numeric_limits<int32_t>::max())
        return report.failAt(lines.number(), "invalid number of shots");
    if (count == 0.0) {
        spreads.emplace_back();
        return TravelTimeResult::Ok;
    }

    for (int32_t block = 0; block < int32_t(count); ++block) {
        // The previous block's last row leaves the rest of its line; that and
        // any blank lines stand before the next keyword line.
        do {
            if (!lines.line(line))
                return report.endOfFile();
        } while (isBlank(line));
        std::string fileName;
        if (!keywordValue(lines, report, line, "SEISMIC_DATA_FILE_NAME", fileName, result))
            return result;
        double shotX, receiverCount;
        if (!nextKeywordNumber(lines, report, "SHOT_LOCATION", shotX, result) ||
            !nextKeywordNumber(lines, report, "NUMBER_OF_RECEIVERS", receiverCount, result))
            return result;
        if (receiverCount < 0.0 || receiverCount > std::numeric_limits<int32_t>::max())
            return report.failAt(lines.number(), "invalid number of receivers");
        if (!lines.line(line)) // column titles
            return report.endOfFile();

        // Rows of id, x, time (s) and flag, separated by any white space.
        ImportedShot shot;
        std::vector<Point2D> receivers;
        for (int32_t r = 0; r < int32_t(receiverCount); ++r) {
            double row[4];
            for (double& value : row) {
                if (!lines.word(text))
                    return report.endOfFile();
                if (!parseNumberField(text, value))
                    return report.notANumber(lines.number(), text);
            }
            receivers.push_back({row[1], elevation});
            shot.times.push_back(row[2]);
        }
        shot.spreadIndex = matchSpread(spreads, std::move(receivers));
        shot.shotIndex = block;
        shot.x = shotX;
        shot.z = elevation;
        shots.push_back(std::move(shot));
        shotFiles.push_back({{shotX, elevation}, trimmed(fileName)});
    }
    return TravelTimeResult::Ok;
}

// ---- Winsism XYZ ----

struct WinsismLines {
    std::istream& in;
    int count = 0;
    bool next(std::string& line)
    {
        if (!readTrimmedLine(in, line))
            return false;
        ++count;
        return true;
    }
};

// A line of integers (shot or receiver numbers).
bool readIds(WinsismLines& lines, const Report& report, std::vector<int64_t>& ids, int& result)
{
    std::string line;
    if (!lines.next(line)) {
        result = report.endOfFile();
        return false;
    }
    ids.clear();
    for (const std::string& field : splitRuns(line, Blanks)) {
        int64_t id;
        if (!parseIntegerField(field, id)) {
            result = report.notANumber(lines.count, field);
            return false;
        }
        ids.push_back(id);
    }
    return true;
}

bool readReals(WinsismLines& lines, const Report& report, std::vector<double>& values, int& result)
{
    std::string line;
    if (!lines.next(line)) {
        result = report.endOfFile();
        return false;
    }
    values.clear();
    for (const std::string& field : splitRuns(line, Blanks)) {
        double v;
        if (!parseNumberField(field, v)) {
            result = report.notANumber(lines.count, field);
            return false;
        }
        values.push_back(v);
    }
    return true;
}

bool readHeader(WinsismLines& lines, const Report& report, const char* header, int& result)
{
    std::string line;
    if (!lines.next(line)) {
        result = report.endOfFile();
        return false;
    }
    if (line != header) {
        result = report.failWith("Invalid header : " + line);
        return false;
    }
    return true;
}

// A section of a header, a line of ids and a line of values of the same count.
bool readSection(WinsismLines& lines, const Report& report, const char* header,
                 std::vector<int64_t>& ids, std::vector<double>& values, int& result)
{
    if (!readHeader(lines, report, header, result) || !readIds(lines, report, ids, result) ||
        !readReals(lines, report, values, result))
        return false;
    if (ids.size() != values.size()) {
        result = report.failWith(std::string("Invalid match : ") + header);
        return false;
    }
    return true;
}

bool distinct(const std::vector<int64_t>& ids)
{
    return std::set<int64_t>(ids.begin(), ids.end()).size() == ids.size();
}

int readWinsism(std::istream& in, const Report& report, std::vector<ImportedShot>& shots,
                ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles)
{
    static constexpr const char* ShotElevation = "Shot number, Shot elevation";
    static constexpr const char* ShotDistance = "Shot number, Shot distance";
    static constexpr const char* ReceiverDistance = "Receiver number, receiver distance";
    static constexpr const char* ReceiverElevation = "Receiver number, receiver elevation";
    static constexpr const char* Times = "FBP times";

    WinsismLines lines{in};
    int result = TravelTimeResult::Ok;
    std::vector<int64_t> ids;
    std::vector<double> values;

    // Ordered by number: shots and receivers come out in ascending number.
    std::map<int64_t, Point2D> shotTable, receiverTable;
    if (!readSection(lines, report, ShotElevation, ids, values, result))
        return result;
    for (size_t i = 0; i < ids.size(); ++i)
        shotTable[ids[i]].z = values[i];

    // Every shot must get exactly one abscissa.
    if (!readSection(lines, report, ShotDistance, ids, values, result))
        return result;
    if (ids.size() != shotTable.size() || !distinct(ids))
        return report.failWith(std::string("Invalid shot ids : ") + ShotDistance);
    for (size_t i = 0; i < ids.size(); ++i) {
        const auto it = shotTable.find(ids[i]);
        if (it == shotTable.end())
            return report.failWith(std::string("Invalid shot ids : ") + ShotDistance);
        it->second.x = values[i];
    }

    if (!readSection(lines, report, ReceiverDistance, ids, values, result))
        return result;
    for (size_t i = 0; i < ids.size(); ++i)
        receiverTable[ids[i]].x = values[i];

    if (!readSection(lines, report, ReceiverElevation, ids, values, result))
        return result;
    if (ids.size() != receiverTable.size())
        return report.failWith(std::string("Invalid phone list : ") + ReceiverElevation);
    if (!distinct(ids))
        return report.failWith(std::string("Invalid phone ids : ") + ReceiverElevation);
    for (size_t i = 0; i < ids.size(); ++i) {
        const auto it = receiverTable.find(ids[i]);
        if (it == receiverTable.end())
            return report.failWith(std::string("Invalid phone ids : ") + ReceiverElevation);
        it->second.z = values[i];
    }
    std::vector<Point2D> receivers;
    for (const auto& entry : receiverTable)
        receivers.push_back(entry.second);
    spreads.push_back(std::move(receivers));

    if (!readHeader(lines, report, Times, result))
        return result;
    int32_t index = 0;
    for (const auto& entry : shotTable) {
        ImportedShot shot;
        if (!readReals(lines, report, shot.times, result))
            return result;
        if (shot.times.size() != spreads[0].size())
            return report.failWith(std::string("Invalid times : ") + Times);
        for (double& t : shot.times)
            t /= 1000.0;
        shot.spreadIndex = 0;
        shot.shotIndex = index++;
        shot.x = entry.second.x;
        shot.z = entry.second.z;
        shots.push_back(std::move(shot));
        shotFiles.push_back({entry.second, {}});
    }
    return TravelTimeResult::Ok;
}

// ---- ";" tables ----

// Fields of a line, without the empty fields at its end.
std::vector<std::string> tableFields(const std::string& line, const std::string& delimiter)
{
    auto fields = splitAll(line, delimiter);
    while (!fields.empty() && isBlank(fields.back()))
        fields.pop_back();
    return fields;
}

std::string columnText(size_t column)
{
    return "column " + std::to_string(column + 1);
}

int readTable(std::istream& in, const Report& report, const std::string& delimiter,
              std::vector<ImportedShot>& shots, ReceiverSpreads& spreads,
              std::vector<ImportedDataFile>& shotFiles)
{
    constexpr size_t Labels = 2; // leading label columns of lines 1 and 2
    LineReader lines(in);
    std::string line;

    if (!lines.line(line))
        return report.endOfFile();
    const auto xFields = tableFields(line, delimiter);
    for (size_t c = Labels; c < xFields.size(); ++c) {
        double x;
        if (isBlank(xFields[c]))
            return report.failAt(lines.number(), "no shot abscissa in " + columnText(c));
        if (!parseNumberField(xFields[c], x))
            return report.notANumber(lines.number(), xFields[c]);
        shotFiles.push_back({{x, 0.0}, {}});
    }
    const size_t shotCount = shotFiles.size();

    if (!lines.line(line))
        return report.endOfFile();
    const auto zFields = tableFields(line, delimiter);
    if (zFields.size() > Labels + shotCount)
        return report.failAt(lines.number(), "more values than shots");
    for (size_t j = 0; j < shotCount; ++j) {
        const size_t c = Labels + j;
        if (c >= zFields.size() || isBlank(zFields[c]))
            return report.failAt(lines.number(), "no shot elevation in " + columnText(c));
        if (!parseNumberField(zFields[c], shotFiles[j].position.z))
            return report.notANumber(lines.number(), zFields[c]);
    }

    shots.resize(shotCount);
    std::vector<Point2D> receivers;
    while (lines.line(line)) {
        const auto fields = tableFields(line, delimiter);
        if (fields.empty())
            break;
        if (fields.size() > Labels + shotCount)
            return report.failAt(lines.number(), "more values than shots");
        Point2D receiver;
        double* const coordinate[Labels] = {&receiver.x, &receiver.z};
        for (size_t c = 0; c < Labels; ++c) {
            if (c >= fields.size() || isBlank(fields[c]))
                return report.failAt(lines.number(), "no receiver position in " + columnText(c));
            if (!parseNumberField(fields[c], *coordinate[c]))
                return report.notANumber(lines.number(), fields[c]);
        }
        receivers.push_back(receiver);
        // An empty or missing time is a receiver that was not picked.
        for (size_t j = 0; j < shotCount; ++j) {
            const size_t c = Labels + j;
            double t = 0.0;
            if (c < fields.size() && !isBlank(fields[c]) && !parseNumberField(fields[c], t))
                return report.notANumber(lines.number(), fields[c]);
            shots[j].times.push_back(t / 1000.0);
        }
    }
    spreads.push_back(std::move(receivers));
    for (size_t j = 0; j < shotCount; ++j) {
        shots[j].spreadIndex = 0;
        shots[j].shotIndex = int32_t(j);
        shots[j].x = shotFiles[j].position.x;
        shots[j].z = shotFiles[j].position.z;
    }
    return TravelTimeResult::Ok;
}

// Shared frame of every reader: empty lists, and no exception (a failed
// allocation on a hostile file included) escapes.
template <typename Read>
int guarded(const Report& report, std::vector<ImportedShot>& shots, ReceiverSpreads& spreads,
            std::vector<ImportedDataFile>& shotFiles, Read read)
{
    clearLists(shots, spreads, shotFiles);
    try {
        return read();
    } catch (const std::exception& e) {
        return report.fail(e.what());
    }
}

} // namespace

bool readTrimmedLine(std::istream& in, std::string& line)
{
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    line.erase(0, line.find_first_not_of(' '));
    return true;
}

int readTravelTimesOTTE(std::istream& in, const std::string& name, std::vector<ImportedShot>& shots,
                        ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                        std::string* error)
{
    const Report report(name, error);
    return guarded(report, shots, spreads, shotFiles,
                   [&] { return readOtte(in, report, shots, spreads, shotFiles); });
}

int readTravelTimesOTTE(const std::string& path, std::vector<ImportedShot>& shots,
                        ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                        std::string* error)
{
    clearLists(shots, spreads, shotFiles);
    std::ifstream in(path);
    if (!in)
        return Report(path, error).failWith("File " + path + " cannot be open.");
    return readTravelTimesOTTE(in, path, shots, spreads, shotFiles, error);
}

int readTravelTimesTXT(std::istream& in, const std::string& name, std::vector<ImportedShot>& shots,
                       ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                       std::string* error)
{
    const Report report(name, error);
    return guarded(report, shots, spreads, shotFiles,
                   [&] { return readGeogiga(in, report, shots, spreads, shotFiles); });
}

int readTravelTimesTXT(const std::string& path, std::vector<ImportedShot>& shots,
                       ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                       std::string* error)
{
    clearLists(shots, spreads, shotFiles);
    std::ifstream in(path);
    if (!in)
        return Report(path, error).fail("cannot be opened", false);
    return readTravelTimesTXT(in, path, shots, spreads, shotFiles, error);
}

int readTravelTimesXYZ(std::istream& in, const std::string& name, std::vector<ImportedShot>& shots,
                       ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                       std::string* error)
{
    const Report report(name, error);
    return guarded(report, shots, spreads, shotFiles,
                   [&] { return readWinsism(in, report, shots, spreads, shotFiles); });
}

int readTravelTimesXYZ(const std::string& path, std::vector<ImportedShot>& shots,
                       ReceiverSpreads& spreads, std::vector<ImportedDataFile>& shotFiles,
                       std::string* error)
{
    clearLists(shots, spreads, shotFiles);
    std::ifstream in(path);
    if (!in)
        return Report(path, error).failWith("Cannot open file " + path);
    return readTravelTimesXYZ(in, path, shots, spreads, shotFiles, error);
}

int readTravelTimesCSV(std::istream& in, const std::string& name, const std::string& delimiter,
                       std::vector<ImportedShot>& shots, ReceiverSpreads& spreads,
                       std::vector<ImportedDataFile>& shotFiles, std::string* error)
{
    const Report report(name, error);
    return guarded(report, shots, spreads, shotFiles,
                   [&] { return readTable(in, report, delimiter, shots, spreads, shotFiles); });
}

int readTravelTimesCSV(const std::string& path, const std::string& delimiter,
                       std::vector<ImportedShot>& shots, ReceiverSpreads& spreads,
                       std::vector<ImportedDataFile>& shotFiles, std::string* error)
{
    clearLists(shots, spreads, shotFiles);
    std::ifstream in(path);
    if (!in)
        return Report(path, error).fail("cannot be opened", false);
    return readTravelTimesCSV(in, path, delimiter, shots, spreads, shotFiles, error);
}

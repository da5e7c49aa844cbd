#include "ottewriter.h"

#include "targetfile.h"

#include <charconv>
#include <ostream>
#include <sstream>

namespace
{

void writeReal(std::ostream& out, double value)
{
    out << formatReal(value) << ';';
}

// Indices and counts, likewise free of the stream's locale (no grouping).
void writeLine(std::ostream& out, std::size_t value)
{
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.write(text, result.ptr - text);
    out.put('\n');
}

template <typename Value>
void writeList(std::ostream& out, const std::vector<Value>& items, double (*get)(const Value&))
{
    for (const Value& item : items)
        writeReal(out, get(item));
    out.put('\n');
}

bool validRecord(const ImportedShot& record, const ReceiverSpreads& spreads,
                 const std::vector<ImportedDataFile>& shots)
{
    return record.spreadIndex >= 0 && std::size_t(record.spreadIndex) < spreads.size() &&
           record.shotIndex >= 0 && std::size_t(record.shotIndex) < shots.size() &&
           record.times.size() == spreads[std::size_t(record.spreadIndex)].size();
}

int checkRecords(const std::vector<ImportedShot>& records, const ReceiverSpreads& spreads,
                 const std::vector<ImportedDataFile>& shots, std::size_t* badRecord)
{
    for (std::size_t k = 0; k < records.size(); ++k)
        if (!validRecord(records[k], spreads, shots)) {
            if (badRecord)
                *badRecord = k;
            return OtteWriteResult::InvalidRecord;
        }
    return OtteWriteResult::Ok;
}

void writeChecked(std::ostream& out, const std::vector<ImportedShot>& records,
                  const ReceiverSpreads& spreads, const std::vector<ImportedDataFile>& shots)
{
    out << "otte\n1.0\n2\n";
    writeLine(out, spreads.size());
    for (const auto& spread : spreads) {
        writeList<Point2D>(out, spread, [](const Point2D& p) { return p.x; });
        writeList<Point2D>(out, spread, [](const Point2D& p) { return p.z; });
    }
    writeList<ImportedDataFile>(out, shots, [](const ImportedDataFile& s) { return s.position.x; });
    writeList<ImportedDataFile>(out, shots, [](const ImportedDataFile& s) { return s.position.z; });
    for (const ImportedShot& record : records) {
        writeLine(out, std::size_t(record.spreadIndex));
        writeLine(out, std::size_t(record.shotIndex));
        for (double t : record.times)
            writeReal(out, t * 1000.0);
        out.put('\n');
    }
}

} // namespace

std::string formatReal(double value)
{
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

int writeOtte(std::ostream& out, const std::vector<ImportedShot>& records,
              const ReceiverSpreads& spreads, const std::vector<ImportedDataFile>& shots,
              std::size_t* badRecord)
{
    if (const int check = checkRecords(records, spreads, shots, badRecord))
        return check;
    writeChecked(out, records, spreads, shots);
    return out.good() ? OtteWriteResult::Ok : OtteWriteResult::CannotWrite;
}

int writeOtteFile(const std::string& path, const std::vector<ImportedShot>& records,
                  const ReceiverSpreads& spreads, const std::vector<ImportedDataFile>& shots,
                  std::size_t* badRecord, std::string* reason)
{
    if (const int check = checkRecords(records, spreads, shots, badRecord))
        return check;
    std::ostringstream out;
    writeChecked(out, records, spreads, shots);
    // Half a file would read as a shorter survey: whole or not at all.
    return writeWholeFile(path, out.str(), reason) ? OtteWriteResult::Ok
                                                   : OtteWriteResult::CannotWrite;
}

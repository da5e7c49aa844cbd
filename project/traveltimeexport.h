#pragma once
// The document's travel times as an OTTE file, for the export command.

#include <cstddef>
#include <string>

class TomoDocument;

// Writes every spread and, per ttArray record k, the shot position of record k
// and a block (indexStesa, k, ttMisurati in ms). Result as writeOtteFile
// (OtteWriteResult); on InvalidRecord *badRecord is the index of a record that
// does not fit its spread (possible after a geometry edit), and no file is made;
// on CannotWrite *reason says why.
int exportTravelTimesOtte(const TomoDocument& document, const std::string& path,
                          std::size_t* badRecord = nullptr, std::string* reason = nullptr);

#pragma once
// Seismic records of other formats turned into SEG2 files. Free of Qt.
//
// Both conversions first write a SEG2 text header (the file keywords and one
// row per trace), read it back into a Seg2File and write that. The text
// headers are left in place. Every trace index ("TraceINDEX : r") and sample
// goes to standard output; failures are explained on standard error. A
// failed conversion removes the SEG2 file it created or truncated.

#include <string>

// "/d/shot1.ADT" -> "/d/shot1": the path cut before the last "." of its file
// name; a file name without one is kept whole ("/d/line.1/shot").
std::string pathWithoutSuffix(const std::string& path);

// A Seismic Unix file to base + ".seg2", with the text header base + "_tmp"
// (base = pathWithoutSuffix(path)). 0 success, 1 failure: a file that cannot
// be read or has no sample interval (nothing written), a header or SEG2 file
// that cannot be written.
int convertSuToSeg2(const std::string& path);

// A Dolang record: for the components ADT, CDT and RDT in turn, the main file
// base + ".ADT" and its channel files base + ".A01", ".A02", ... become
// base + "_ADT_dolang.seg2"; the text headers tmp_ADT, tmp_CDT and tmp_RDT go
// to the working folder. A missing main file ends the conversion. 0 when the
// ADT component was written and every later component either was too or
// ended the conversion by a missing main file; 1 otherwise (the components
// written before stay).
int convertDolangToSeg2(const std::string& base);

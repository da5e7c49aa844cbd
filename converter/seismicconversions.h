#pragma once
// Seismic records of other formats turned into SEG2 files. Free of Qt.
//
// Both conversions make a SEG2 text header (the file keywords and one row per
// trace), read it back into a Seg2File and make the SEG2 bytes, all before
// any file is touched: a record the SEG2 file cannot hold (trace count, sizes,
// a missing sample interval), an output that is the input, or an output place
// that cannot be written is refused first. The SEG2 file and then the text
// header are each written whole (writeWholeFile); a failure leaves an older
// file of that name as it was, and a text header that cannot be written is
// only a note. The text headers are left in place. Every
// trace index ("TraceINDEX : r") and sample goes to standard output; reasons
// and notes go to standard error too.
//
// Numbers in the text header and the SEG2 strings are written with
// shortestReal, so positions, delays and sample intervals read back exactly.

#include <string>
#include <vector>

// What a conversion has to tell the user besides its status.
struct ConversionReport {
    std::string reason;             // why it failed, one line
    std::vector<std::string> notes; // what the written file lost or gives otherwise
};

// "/d/shot1.ADT" -> "/d/shot1": the path cut before the last "." of its file
// name; a file name without one is kept whole ("/d/line.1/shot").
std::string pathWithoutSuffix(const std::string& path);

// A Seismic Unix file to base + ".seg2", with the text header base + "_tmp"
// (base = pathWithoutSuffix(path)). Each trace keeps its own delay (with its
// sign), source and receiver. 0 success, 1 failure. The reader's notes (a
// trace left out at a cut, several records in one file) and a positive delay,
// which Tervanelo's SEG2 reader takes as recording before the shot, are
// reported in notes.
int convertSuToSeg2(const std::string& path, ConversionReport* report = nullptr);

// A Dolang record: for the components ADT, CDT and RDT in turn, the main file
// base + ".ADT" and its channel files base + ".A01", ".A02", ... become
// base + "_ADT_dolang.seg2"; the text headers tmp_ADT, tmp_CDT and tmp_RDT go
// to a new folder in the temporary folder, not the working folder. A missing
// main file ends the conversion. 0 when the ADT component was written and
// every later component either was too or ended the conversion by a missing
// main file; 1 otherwise (the components written before stay).
int convertDolangToSeg2(const std::string& base, ConversionReport* report = nullptr);

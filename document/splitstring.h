#pragma once
// The tokenizer and the number fields of every text reader. Free of Qt: the
// converter compiles it too.
//
// parseNumberField and parseIntegerField are the rule for every new reader and
// for typed input. The parsers after them keep the older rules of files that
// exist on disk, so that every file that opens today opens the same.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Splits text at any of the characters in delimiters; tokens is emptied first.
// Runs of delimiters give no empty token. A text that begins with delimiters
// yields the whole rest of the text as its first token, then the ordinary
// tokens (";12.5;100" gives "12.5;100", "12.5", "100"); stored shot geometry
// files with an empty label rely on this. An empty delimiter set gives the
// whole text as one token; a text of delimiters only gives none.
void splitString(const std::string& text, std::vector<std::string>& tokens,
                 const std::string& delimiters);

// A whole field as one finite number: blanks around it are allowed, then an
// optional sign and a decimal number with a point or a comma as its decimal
// separator (a file whose fields are split at commas never hands one over),
// and nothing else. False for "12.5ms", "1.234,5", "2,5,1", "nan", "inf" and
// "1e400"; a reader refuses such a file instead of cutting the number.
bool parseNumberField(std::string_view field, double& value);
// The same for a whole decimal integer ("3", "-2"; not "3.0" or "3a").
bool parseIntegerField(std::string_view field, int64_t& value);

// How a reader names what it refused: "<path>: line <line>: <why>".
std::string lineReason(const std::string& path, int line, const std::string& why);

// The rules below differ from parseNumberField, each for the reason in its
// first line, and stay as they are. "Exact": the whole text, nothing around it
// (no blank, no '+').

// Project archives write counts as bare digits: unsigned 64-bit, nothing else.
bool parseExactCount(std::string_view text, uint64_t& value);
// Project archives write ints as bare digits: an optional '-', 32 bits.
bool parseExactInt32(std::string_view text, int32_t& value);
// Project archives write doubles in the C form, whatever the locale: that form,
// "nan", "inf" and "infinity" too. A number beyond the double range is
// refused: read as 0 it would pass for a value.
bool parseExactCDouble(std::string_view text, double& value);

// SEG2 recorders write units or notes after a value: the leading number counts,
// with a point or a comma (every comma reads as a point), an optional '+', no
// leading blank, finite only ("12,5 ms" is 12.5).
bool parseLeadingNumber(std::string_view text, double& value);
// SEG2 location tokens are floats: the whole text as the C stream reads a
// float (point only, float range, no blank; underflow passes, nan does not).
bool isExactFloat(const std::string& text);

// Isovalue files have always been read as atof reads a line: leading blanks and
// a '+' skipped, the longest numeric prefix (point only), nan and inf taken,
// beyond the range +-HUGE_VAL, below it 0. Any locale. False when the text
// begins with no number at all: that is refused, not read as 0.
bool parseLeadingAtof(std::string_view text, double& value);
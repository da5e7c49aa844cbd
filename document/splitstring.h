#pragma once
// The tokenizer and the number fields of every text reader. Free of Qt: the
// converter compiles it too.

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

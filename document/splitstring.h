#pragma once
// The tokenizer of every text reader. Free of Qt: the converter compiles it too.

#include <string>
#include <vector>

// Splits text at any of the characters in delimiters; tokens is emptied first.
// Runs of delimiters give no empty token. A text that begins with delimiters
// yields the whole rest of the text as its first token, then the ordinary
// tokens (";12.5;100" gives "12.5;100", "12.5", "100"); stored shot geometry
// files with an empty label rely on this. An empty delimiter set gives the
// whole text as one token; a text of delimiters only gives none.
void splitString(const std::string& text, std::vector<std::string>& tokens,
                 const std::string& delimiters);

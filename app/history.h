#pragma once
// The history file "Tervanelo_history.txt": the folder the user last chose in a
// file dialog, as UTF-8 without a line end. Every file dialog starts there.

#include <string>

// The file's first line without its line end (a CRLF file reads like an LF
// one). A file that cannot be opened gives the home folder and a line on
// standard error.
std::string readHistoryFile(const std::string& historyPath);
// Replaces the file's content with the folder, whole or not at all. A file
// that cannot be written is said on standard error only, with the reason on
// the next line (false), and an older file keeps its folder.
bool saveHistoryFile(const std::string& historyPath, const std::string& folder);

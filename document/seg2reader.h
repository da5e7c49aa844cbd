#pragma once
// SEG-2 reader (little-endian files, identifier 0x3A55).

#include "rawtrace.h"

#include <string>
#include <vector>

// Appends one RawTrace per trace of the file. Returns a SeismicResult code.
int readSEG2(std::string path, std::vector<RawTrace>& traces);

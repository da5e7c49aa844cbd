#pragma once
// SEG-Y and Seismic Unix readers. Free of the document and of Qt: the
// converter compiles the Seismic Unix reader too.

#include "rawtrace.h"

#include <string>
#include <vector>

// Append one RawTrace per trace of the file. Return a SeismicResult code.
int readSEGY(std::string path, std::vector<RawTrace>& traces);
int readSU(std::string path, std::vector<RawTrace>& traces);

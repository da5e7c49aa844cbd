#pragma once
// Reads a reference file written by tests/fixtures/processing/make_references.py.

#include "testenv.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

inline std::vector<double> readReference(const std::string& name)
{
    const std::string path = testenv::fixture("processing/" + name);
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("missing reference file " + path);
    std::vector<double> values;
    double v;
    while (in >> v)
        values.push_back(v);
    return values;
}

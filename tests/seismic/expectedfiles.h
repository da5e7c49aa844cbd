#pragma once
// What independent readers (ObsPy, segyio) see in the shared real files.

#include <QJsonObject>

#include <string>
#include <vector>

// The <file>.expected.json beside a shared seismic file; empty when missing.
QJsonObject expectedJson(const std::string& file);

// Checks the first and last three samples, min, max and sum of |x| of one
// trace against its entry in the "traces" list of an expected file.
void expectSampleSummary(const std::vector<double>& samples, const QJsonObject& expected);

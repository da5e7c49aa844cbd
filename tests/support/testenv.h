#pragma once
// Helpers shared by the test programs.

#include <string>
#include <vector>

namespace testenv {
// The folder with real recorder files beside the project.
std::string sharedData(const std::string& relative);
// A committed fixture under tests/fixtures.
std::string fixture(const std::string& relative);
// A fresh empty folder under the test's temporary HOME.
std::string freshDir(const std::string& name);
std::vector<unsigned char> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);
} // namespace testenv

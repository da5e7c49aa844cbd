#pragma once
// Whole files as text, byte for byte (no line-end translation).

#include <fstream>
#include <sstream>
#include <string>

inline std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

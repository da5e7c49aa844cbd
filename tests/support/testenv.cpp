#include "testenv.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testenv
{
SealedRoom::SealedRoom()
{
    std::string dir = (fs::temp_directory_path() / "tervanelo-test-XXXXXX").string();
    if (!mkdtemp(dir.data()))
        return;
    home = dir;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
    setenv("LC_ALL", "C", 1);
    // Read by fontconfig when the first font is asked for, after this point.
    setenv("FONTCONFIG_FILE", TERVANELO_FONTCONFIG, 1);
    std::setlocale(LC_ALL, "C");
}

SealedRoom::~SealedRoom()
{
    std::error_code ignored;
    if (!home.empty())
        fs::remove_all(home, ignored);
}

std::string sharedData(const std::string& relative)
{
    return std::string(TERVANELO_SHARED_DATA) + "/" + relative;
}

std::string sharedDataAbsence()
{
    std::error_code ignored;
    if (fs::is_directory(TERVANELO_SHARED_DATA, ignored))
        return {};
    return std::string("real recorder files not found in ") + TERVANELO_SHARED_DATA +
           " (configure with -DTERVANELO_SHARED_DATA=<folder> to read them from elsewhere)";
}

bool sharedDataRequired()
{
    const char* required = std::getenv("TERVANELO_REQUIRE_SHARED_DATA");
    return required && std::string(required) == "1";
}

std::string fixture(const std::string& relative)
{
    return std::string(TERVANELO_FIXTURES) + "/" + relative;
}

std::string freshDir(const std::string& name)
{
    const char* home = std::getenv("HOME");
    fs::path dir = fs::path(home ? home : "/tmp") / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::vector<unsigned char> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string readText(const std::string& path)
{
    const std::vector<unsigned char> bytes = readBytes(path);
    return {bytes.begin(), bytes.end()};
}

void writeText(const std::string& path, const std::string& text)
{
    writeBytes(path, {text.begin(), text.end()});
}

std::string otherFiles(const std::string& dir, const std::set<std::string>& keep)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (!keep.count(entry.path().filename().string()))
            names.insert(entry.path().filename().string());
    std::string extra;
    for (const auto& name : names)
        extra += name + " ";
    return extra;
}

unsigned fileMode(const std::string& path)
{
    return unsigned(std::filesystem::status(path).permissions() & std::filesystem::perms::mask);
}
} // namespace testenv

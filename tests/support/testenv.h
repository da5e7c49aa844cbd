#pragma once
// Helpers shared by the test programs.

#include <set>
#include <string>
#include <vector>

namespace testenv
{
// The sealed room of every test program: a fresh temporary HOME (settings and
// work folders never touch the real one), XDG_RUNTIME_DIR inside it, the C
// locale and the tests' own font configuration (tests/support/fonts.conf), so
// text is drawn with the same fonts on any machine. The folder is removed
// when the room goes out of scope.
class SealedRoom
{
public:
    SealedRoom();
    ~SealedRoom();
    SealedRoom(const SealedRoom&) = delete;
    SealedRoom& operator=(const SealedRoom&) = delete;
    bool ok() const { return !home.empty(); }

private:
    std::string home;
};

// The folder with real recorder files beside the project.
std::string sharedData(const std::string& relative);
// Empty when the folder of real recorder files is there; otherwise the one
// line that names the folder looked for and the setting that points elsewhere.
std::string sharedDataAbsence();
// True when a missing folder of real recorder files is a failure (CI), from
// TERVANELO_REQUIRE_SHARED_DATA in the environment CTest gives the test.
bool sharedDataRequired();
// A committed fixture under tests/fixtures.
std::string fixture(const std::string& relative);
// A fresh empty folder under the test's temporary HOME.
std::string freshDir(const std::string& name);
std::vector<unsigned char> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);
// Whole files as text, byte for byte (no line-end translation). Both throw
// naming the path when the file cannot be read or written.
std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);
// The names in dir other than those in keep, sorted, each followed by a
// space: what a writer left beside its target.
std::string otherFiles(const std::string& dir, const std::set<std::string>& keep = {});
// The permission bits of a file.
unsigned fileMode(const std::string& path);
} // namespace testenv

// First statement of a test that reads the real recorder files: without the
// folder the test is skipped with its one line, or fails when CI requires it.
#define SKIP_WITHOUT_SHARED_DATA()                                                                 \
    do {                                                                                           \
        const std::string absence_ = testenv::sharedDataAbsence();                                 \
        if (!absence_.empty()) {                                                                   \
            if (testenv::sharedDataRequired())                                                     \
                FAIL() << absence_;                                                                \
            GTEST_SKIP() << absence_;                                                              \
        }                                                                                          \
    } while (false)

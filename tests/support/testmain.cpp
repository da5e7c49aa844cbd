// Test entry point: each program runs in a sealed room, with a fresh temporary
// HOME (settings and work folders never touch the real one) and the C locale.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    std::string home = (std::filesystem::temp_directory_path() / "tervanelo-test-XXXXXX").string();
    if (!mkdtemp(home.data()))
        return 2;
    setenv("HOME", home.c_str(), 1);
    setenv("LC_ALL", "C", 1);
    std::setlocale(LC_ALL, "C");

    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}

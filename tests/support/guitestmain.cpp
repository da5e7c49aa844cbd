// Entry point of widget and rendering tests: a fresh temporary HOME, the C
// locale, and one QApplication set up as the program sets it up.

#include <QApplication>
#include <QSurfaceFormat>
#include <QVTKOpenGLNativeWidget.h>

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
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);

    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");

    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}

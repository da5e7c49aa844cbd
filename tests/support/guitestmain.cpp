// Entry point of widget and rendering tests: a sealed room and one
// QApplication set up as the program sets it up.

#include "testenv.h"

#include <QApplication>
#include <QSurfaceFormat>
#include <QVTKOpenGLNativeWidget.h>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    testenv::SealedRoom room;
    if (!room.ok())
        return 2;
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "C"); // QApplication took the locale from the environment

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "initresources.h"
#include "tervanelo_mainwindows.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSplashScreen>
#include <QSurfaceFormat>
#include <QTextCodec>
#include <QVTKOpenGLNativeWidget.h>

#include <clocale>

int main(int argc, char* argv[])
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    // The section view's OpenGL format must be the default before the
    // application object exists.
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    QApplication app(argc, argv);
    // QApplication takes LC_ALL from the environment; numbers in our files
    // always use a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    tervanelo::initResources();

    QSplashScreen splash(QPixmap(QStringLiteral(":/splash20220")));
    splash.show();
    app.setWindowIcon(QIcon(QStringLiteral("://icons/iconaTervanelo128.png")));

    Tervanelo_MainWindows window;
    window.show();
    splash.finish(&window);
    // The splash screen runs events while it waits for the window: a window
    // closed then asked to quit before the loop below existed, and the loop
    // would wait for ever with no window left.
    if (!window.isVisible())
        return 0;
    return app.exec();
}

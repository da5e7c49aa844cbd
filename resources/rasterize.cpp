// Build-time tool: renders one of our SVG drawings to a PNG of the given size,
// so the program ships bitmaps under the names its resources use.
//   rasterize <input.svg> <output.png> <width> <height>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: rasterize <input.svg> <output.png> <width> <height>\n");
        return 2;
    }
    // Text in the drawings needs the font database, which needs a platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's start-up notes (runtime folder and the like) are noise in
    // a build log; real failures are reported below.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "rasterize: %s\n", qPrintable(text));
    });
    QGuiApplication app(argc, argv);

    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "rasterize: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(std::atoi(argv[3]), std::atoi(argv[4]), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "rasterize: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

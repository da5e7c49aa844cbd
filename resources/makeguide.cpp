// Build-time tool: typesets the user guide, written as HTML, into the PDF
// that the program opens from its own folder.
//   makeguide <input.html> <output.pdf>

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: makeguide <input.html> <output.pdf>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "makeguide: %s\n", qPrintable(text));
    });
    QGuiApplication app(argc, argv);

    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "makeguide: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument guide;
    guide.setHtml(QString::fromUtf8(in.readAll()));

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    pdf.setTitle(guide.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator(QStringLiteral("Tervanelo"));
    guide.print(&pdf);
    return 0;
}

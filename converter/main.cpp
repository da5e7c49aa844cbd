// Convert2Tervanelo: turns other programs' travel-time and seismic files into
// OTTE and SEG2 files that Tervanelo reads.

#include "convert2tervanelodialog.h"

#include <QApplication>

#include <clocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // QApplication took LC_ALL from the environment; numbers in files always
    // use the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    Convert2TervaneloDialog dialog(nullptr);
    dialog.show();
    return app.exec();
}

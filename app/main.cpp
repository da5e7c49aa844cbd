#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <clocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // QApplication takes LC_ALL from the environment; numbers in our files
    // always use a decimal point.
    std::setlocale(LC_NUMERIC, "C");

    QMainWindow window;
    window.setWindowTitle("Tervanelo");
    window.setCentralWidget(new QLabel("Tervanelo"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}

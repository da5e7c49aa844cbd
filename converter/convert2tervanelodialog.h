#pragma once
// The converter's window: three pages (generic text travel times, structured
// travel-time files, seismic files), each with its input and output fields,
// and one Convert button that runs the conversion of the visible page.

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

namespace Ui
{
class Convert2TervaneloDialog;
}

class ConverterPrompts;
class QLabel;
class QLineEdit;

class Convert2TervaneloDialog : public QDialog
{
    Q_OBJECT

public:
    explicit Convert2TervaneloDialog(QWidget* parent = nullptr);
    ~Convert2TervaneloDialog() override;

    // Where the file dialogs, shot positions and boxes come from (the real
    // ones by default). Not owned.
    void setPrompts(ConverterPrompts* p) { prompts = p; }

    Ui::Convert2TervaneloDialog* ui;
    std::string inputPath;  // structured and seismic pages
    std::string outputPath; // travel-time pages
    QString selectedFilter; // of the last input file dialog; decides the format
    std::vector<std::string> inputFiles;

private slots:
    void on_browseInputButton_3_clicked();
    void on_browseOutputButton_3_clicked();
    void on_browseInputButton_clicked();
    void on_browseOutputButton_clicked();
    void on_pushButton_clicked();
    void on_convertButton_clicked();
    void on_quitButton_clicked();

private:
    // What a conversion came to.
    enum class Outcome { Done, Failed, NotRecognized };
    Outcome convertSeismic();
    Outcome convertStructured();
    Outcome convertGeneric();
    void browseInputFiles(const QString& filters, const QString& defaultFilter, QLineEdit* field,
                          QLabel* format);
    void browseOutput(QLineEdit* field);

    ConverterPrompts* prompts;
};

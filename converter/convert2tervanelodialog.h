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

    // What a page's input dialogs left: the format (the filter left selected)
    // and the files chosen. Each page keeps its own, so that browsing on one
    // page does not change what another converts.
    struct InputChoice {
        QString filter;
        std::vector<std::string> files;
    };

    Ui::Convert2TervaneloDialog* ui;
    std::string inputPath;  // structured and seismic pages
    std::string outputPath; // travel-time pages
    InputChoice genericInput, structuredInput, seismicInput;

private slots:
    void on_browseInputButton_3_clicked();
    void on_browseOutputButton_3_clicked();
    void on_browseInputButton_clicked();
    void on_browseOutputButton_clicked();
    void on_pushButton_clicked();
    void on_convertButton_clicked();
    void on_quitButton_clicked();

private:
    // What a conversion came to, and what the box says of it.
    struct Outcome {
        enum Kind { Done, Failed, NotRecognized, Cancelled } kind = Done;
        std::string reason;             // Failed: one line
        std::vector<std::string> notes; // Done: what the output lost or gives otherwise
    };
    static Outcome statusOutcome(int status, const std::string& reason);
    Outcome convertSeismic();
    Outcome convertStructured();
    Outcome convertGeneric();
    void browseInputFiles(InputChoice& choice, const QString& filters, const QString& defaultFilter,
                          QLineEdit* field, QLabel* format);
    void browseOutput(QLineEdit* field);
    // The output field's file name, with ".otte" added when it has no
    // extension (Tervanelo imports travel times by their extension).
    std::string otteOutput(QLineEdit* field);
    // "Multiple traveltimes files" only for a format that can merge files.
    void updateMergeBox();

    ConverterPrompts* prompts;
};

#pragma once
// The questions the geometry dialogs put to the user: the shared file names
// and message boxes, and the delimiter of a CSV file.

#include "userprompts.h"

#include <string>

class QWidget;

class GeometryPrompts : public UserPrompts
{
public:
    // The choice of SelectCSVDelimiterDialog, unmapped; false when cancelled.
    virtual bool chooseDelimiter(std::string& delimiter) = 0;

    // A box with the text, the informative text and an OK button.
    void showError(const QString& text, const QString& informativeText)
    {
        plainMessage(nullptr, text, informativeText);
    }
    // The file to read, from the user's home folder, then its delimiter.
    // False when the user cancels either question.
    bool askFileToOpen(QWidget* parent, const QString& title, const QString& filter,
                       std::string& fileName, std::string& delimiter);
    // The same for a file to write; ".csv" is appended when the name lacks it.
    bool askFileToSave(QWidget* parent, const QString& title, const QString& filter,
                       std::string& fileName, std::string& delimiter);
};

// SelectCSVDelimiterDialog: the delimiter chosen, unmapped; false when cancelled.
bool askCsvDelimiter(std::string& delimiter);

// The real dialogs: QFileDialog, SelectCSVDelimiterDialog and QMessageBox.
class DialogGeometryPrompts : public DialogPrompts<GeometryPrompts>
{
public:
    bool chooseDelimiter(std::string& delimiter) override { return askCsvDelimiter(delimiter); }
};

// The prompts every geometry dialog starts with.
GeometryPrompts& defaultGeometryPrompts();

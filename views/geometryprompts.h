#pragma once
// The questions the geometry dialogs put to the user: file names, the
// delimiter and error messages. The dialogs ask through this interface so
// that tests can answer without windows.

#include <QString>

#include <string>

class QWidget;

class GeometryPrompts
{
public:
    virtual ~GeometryPrompts() = default;
    // An empty name means the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // The choice of SelectCSVDelimiterDialog, unmapped; false when cancelled.
    virtual bool chooseDelimiter(std::string& delimiter) = 0;
    // A modal message box with an OK button.
    virtual void showError(const QString& text, const QString& informativeText) = 0;

    // The file to read, from the user's home folder, then its delimiter.
    // False when the user cancels either question.
    bool askFileToOpen(QWidget* parent, const QString& title, const QString& filter,
                       std::string& fileName, std::string& delimiter);
    // The same for a file to write; ".csv" is appended when the name lacks it.
    bool askFileToSave(QWidget* parent, const QString& title, const QString& filter,
                       std::string& fileName, std::string& delimiter);
};

// The real dialogs: QFileDialog, SelectCSVDelimiterDialog and QMessageBox.
class DialogGeometryPrompts : public GeometryPrompts
{
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    bool chooseDelimiter(std::string& delimiter) override;
    void showError(const QString& text, const QString& informativeText) override;
};

// The prompts every geometry dialog starts with.
GeometryPrompts& defaultGeometryPrompts();
